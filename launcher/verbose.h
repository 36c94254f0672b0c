// The verbose switch, which turns on the launcher's diagnostics.
#ifndef PLOVIK_VERBOSE_H
#define PLOVIK_VERBOSE_H

constexpr char kVerboseSwitch[] = "-plovik_verbose";
constexpr char kVerboseNotice[] = "plovik_verbose is on";

// Compares every entry, as a whole and case-sensitively, with the verbose
// switch and calls onMatch at each match. Returns the switch position: the
// index of the last match, or -1 when there is none.
int ScanForVerboseSwitch(int argc, char* const* argv, void (*onMatch)());

#endif

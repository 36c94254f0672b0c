// Tails made of numbered tokens, for tests near the argument table's limits.
#ifndef PLOVIK_TESTS_TOKENS_H
#define PLOVIK_TESTS_TOKENS_H

#include <string>

// "t<from> t<from+1> ... t<to-1>", one space between each two.
inline std::string Tokens(int from, int to) {
  std::string s;
  for (int k = from; k < to; ++k) s += (k == from ? "" : " ") + ("t" + std::to_string(k));
  return s;
}

#endif

# The two commands a newcomer needs:
#   make demo   starts the sample Java side through plovik.exe under Wine
#   make test   installs what is missing, builds and tests everything
.PHONY: demo test deps host-test windows-test fuzz-test lint fuzz bench clean

WINE_ENV := build/windows/wine-env.sh

test: deps host-test windows-test fuzz-test lint

# Each fuzz target runs for FUZZ_SECONDS; `make fuzz` runs them for longer.
FUZZ_SECONDS ?= 60

deps:
	@tools/install-deps.sh

host-test:
	cmake --preset host
	cmake --build --preset host
	ctest --preset host

# The cleanup of the Wine fixture runs inside ctest; stopping once more here
# covers a ctest that was interrupted.
windows-test:
	cmake --preset windows
	cmake --build --preset windows
	ctest --preset windows; status=$$?; $(WINE_ENV) stop; exit $$status

fuzz-test:
	cmake --preset fuzz -DPLOVIK_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset fuzz
	ctest --preset fuzz

fuzz:
	$(MAKE) deps fuzz-test FUZZ_SECONDS=900

lint: host-test windows-test
	tools/lint.sh

bench: deps
	tools/bench.sh

demo:
	@tools/demo.sh

clean:
	-[ -x $(WINE_ENV) ] && $(WINE_ENV) stop
	rm -rf build

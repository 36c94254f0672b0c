# The two commands a newcomer needs:
#   make demo   starts the sample Java side through plovik.exe under Wine
#   make test   installs what is missing, builds and tests everything
.PHONY: demo test deps host-test windows-test clean

WINE_ENV := build/windows/wine-env.sh

test: deps host-test windows-test

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

demo:
	@tools/demo.sh

clean:
	-[ -x $(WINE_ENV) ] && $(WINE_ENV) stop
	rm -rf build

# The two commands of the README: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= 2
CTEST_ARGS ?=

.PHONY: all deps configure build test run demo package clean format windows-test windows-package \
	windows-install-check

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)

# The six steps played on screen, slowly; pictures of each step go to demo/.
demo: build
	@tools/demo.sh $(BUILD)

# A Debian package of an optimised build, in build-package/.
package: deps
	@cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-package -j$(JOBS)
	@cd build-package && cpack

# Tavorin built for Windows with Qt for Windows (in build-windows/), its tests run under Wine.
windows-test:
	@JOBS=$(JOBS) tools/windows-test.sh

# The setup program build-windows/tavorin-VERSION-setup.exe, from the build of windows-test.
windows-package:
	@JOBS=$(JOBS) tools/windows-package.sh

# The setup program installed silently under Wine, the installed program started on the sample
# competition, then uninstalled.
windows-install-check:
	@tools/windows-install-check.sh

run: build
	@tools/run-example.sh $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)

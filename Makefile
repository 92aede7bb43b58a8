# The two commands of the README: `make run` and `make test`. Both install what
# is missing, then build.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test monkey fuzz shots install package check-install bench format check-format clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/pallado

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The random-input run of the whole window, at will: make monkey SEED=7 ACTIONS=50000
SEED ?= 20261208
ACTIONS ?= 20000
monkey: build
	QT_QPA_PLATFORM=offscreen PALLADO_MONKEY_SEED=$(SEED) PALLADO_MONKEY_ACTIONS=$(ACTIONS) \
		$(BUILD)/tests/tst_monkey

# Every fuzz target for FUZZ_SECONDS each (clang, libFuzzer, ASan + UBSan).
FUZZ_SECONDS ?= 20
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DPALLADO_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	tools/fuzz.sh build-fuzz $(FUZZ_SECONDS)

# A PNG of every page and dialog in shots/ (no display needed). SCALE=2 for 200 %.
SCALE ?= 1
shots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/pallado_shots shots $(SCALE)

# CMake's install rules; PREFIX=/usr/local unless given, DESTDIR for a staging root.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb of the program, built with CPack, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

# lintian passes the package, the desktop entry and metainfo validate, and the
# packaged program, unpacked into a scratch root, starts headless and opens
# its window.
check-install: package
	@tools/install-deps.sh lintian desktop-file-utils appstream xvfb xauth x11-utils
	tools/check-install.sh $(BUILD)

# Start-up, rule and tip-dialog benchmarks (a Release build of its own).
bench:
	@tools/install-deps.sh xvfb xauth
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPALLADO_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	bench/run.sh build-bench

# Formats every C++ file with .clang-format; check-format (run in CI) fails on
# any file that is not.
format:
	@tools/install-deps.sh clang-format
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i

check-format:
	@tools/install-deps.sh clang-format
	tools/check-format.sh

clean:
	rm -rf $(BUILD)

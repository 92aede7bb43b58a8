# The two commands of the README: `make run` and `make test`. Both install what
# is missing, then build.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test shots install package check-install bench clean

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

# The desktop entry and metainfo validate, and the packaged program, unpacked
# into a scratch root, starts headless and opens its window.
check-install: package
	@tools/install-deps.sh desktop-file-utils appstream xvfb xauth x11-utils
	tools/check-install.sh $(BUILD)

# Start-up, rule and tip-dialog benchmarks (a Release build of its own).
bench:
	@tools/install-deps.sh
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPALLADO_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	bench/run.sh build-bench

clean:
	rm -rf $(BUILD)

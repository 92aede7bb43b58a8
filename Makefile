# The two commands of the README: `make run` and `make test`. Both install what
# is missing, then build.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test shots clean

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

clean:
	rm -rf $(BUILD)

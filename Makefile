# Ork Cave: thin wrapper over CMake. `make play` and `make test` work on a
# fresh Debian machine; both install any missing system packages first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_JOBS ?= $(JOBS)

.PHONY: all deps build play edit test test-release test-asan soak fuzz bench assets-preview clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

play: build
	cd $(BUILD)/game && ./orkcave

edit: build
	cd $(BUILD)/game && ./orkcave-editor

test: test-release test-asan

test-release: build
	cd $(BUILD) && ctest --output-on-failure -j$(CTEST_JOBS)

# Unit and integration tests again under AddressSanitizer and UBSan.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORKCAVE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(CTEST_JOBS) -LE e2e

# A million ticks of random play under AddressSanitizer and UBSan, every
# invariant checked on every tick; frames are drawn on every 5th tick to keep
# it near 30 minutes on two cores.
SOAK_TICKS      ?= 1000000
SOAK_DRAW_EVERY ?= 5
SOAK_SEED       ?= 1
soak: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORKCAVE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS) --target orkcave_soak orkcave_maps
	cd $(ASAN_BUILD)/game && ../reliability/orkcave_soak $(SOAK_TICKS) $(SOAK_DRAW_EVERY) $(SOAK_SEED)

bench: build
	@set -e; for b in $(BUILD)/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; (cd $(BUILD)/game && $(abspath .)/$$b); done

assets-preview: build
	cmake --build $(BUILD) --target assets-preview

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

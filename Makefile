# Ork Cave: thin wrapper over CMake. `make play` and `make test` work on a
# fresh Debian machine; both install any missing system packages first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_JOBS ?= $(JOBS)

.PHONY: all deps build play edit test test-release test-asan bench assets-preview clean

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

# Every benchmark, then the game under Xvfb; writes $(BUILD)/bench.json.
bench: build
	@tests/bench/run.sh $(BUILD)

assets-preview: build
	cmake --build $(BUILD) --target assets-preview

# A Debian package of the installed game: build/orkcave_<version>_<arch>.deb.
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

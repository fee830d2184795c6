# Ork Cave: thin wrapper over CMake. `make play` and `make test` work on a
# fresh Debian machine; both install any missing system packages first:
# `make play` what building and playing need, `make test` the test tools too.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_JOBS ?= $(JOBS)
CMAKE_ARGS ?=

.PHONY: all deps test-deps build play edit test test-release test-asan test-memcheck soak fuzz bench assets-preview clean

all: build

deps:
	@tools/install-deps.sh

test-deps:
	@tools/install-deps.sh --test

# Configured once; after that CMake's build step configures again by itself
# when a CMakeLists.txt changes.
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

# A build first configured without the test tools has no tests yet.
$(BUILD)/tests/CTestTestfile.cmake: | $(BUILD)/CMakeCache.txt
	cmake $(BUILD)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

play: build
	cd $(BUILD)/game && ./orkcave

edit: build
	cd $(BUILD)/game && ./orkcave-editor

test: test-release test-asan test-memcheck

test-release: test-deps $(BUILD)/tests/CTestTestfile.cmake build
	cd $(BUILD) && ctest --output-on-failure -j$(CTEST_JOBS)

# The AddressSanitizer and UBSan build, configured until it has its tests;
# after that its build step configures again by itself.
ASAN_CONFIGURE = [ -f $(ASAN_BUILD)/tests/CTestTestfile.cmake ] || \
  cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORKCAVE_SANITIZE=ON

# Unit and integration tests again under AddressSanitizer and UBSan.
test-asan: test-deps
	$(ASAN_CONFIGURE)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(CTEST_JOBS) -LE e2e

# A short soak of the release build under valgrind's memcheck, which sees
# what the sanitizers do not: values read before anything set them. Any
# error or leak fails it; nothing is suppressed.
MEMCHECK_TICKS ?= 5000
test-memcheck: test-deps $(BUILD)/tests/CTestTestfile.cmake build
	cd $(BUILD)/game && valgrind --error-exitcode=1 --leak-check=full \
	  --errors-for-leak-kinds=definite,indirect,possible --show-leak-kinds=definite,indirect,possible \
	  ../reliability/orkcave_soak $(MEMCHECK_TICKS) 4 1

# A million ticks of random play under AddressSanitizer and UBSan, every
# invariant checked on every tick, and a leak at exit fails it too; frames are
# drawn on every 5th tick to keep it near 30 minutes on two cores.
SOAK_TICKS      ?= 1000000
SOAK_DRAW_EVERY ?= 5
SOAK_SEED       ?= 1
soak: test-deps
	$(ASAN_CONFIGURE)
	cmake --build $(ASAN_BUILD) -j$(JOBS) --target orkcave_soak orkcave_maps
	cmake --build $(ASAN_BUILD) -j$(JOBS) --target assets  # what the game draws and plays
	@cd $(ASAN_BUILD)/game && start=$$(date +%s); \
	  ../reliability/orkcave_soak $(SOAK_TICKS) $(SOAK_DRAW_EVERY) $(SOAK_SEED); code=$$?; \
	  echo "soak: $$(($$(date +%s) - start)) s in all, exit code $$code"; exit $$code

# libFuzzer, clang with ASan and UBSan, each target for FUZZ_SECONDS (or
# FUZZ_RUNS inputs, if sooner): the segment reader and the painting rule
# seeded from data/maps, the picture and sample checks seeded with the
# generated pictures and samples, whatever they accept then loaded by
# Allegro; inputs are kept to 20 kB there, which the small pictures and most
# samples fit. Every target runs, whatever another found; each one's output
# is kept in build-fuzz/fuzz/<target>.log, and inputs that crash or hang are
# left as build-fuzz/fuzz/<target>-crash-* and the like. Fails at the end if
# any target found something.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_RUNS    ?= -1
FUZZ_TARGETS := fuzz_segment_reader fuzz_map_painting fuzz_picture_check fuzz_sample_check
fuzz: test-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DORKCAVE_SANITIZE=ON -DORKCAVE_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(FUZZ_TARGETS) assets
	@fuzz=$(abspath $(FUZZ_BUILD)); summary=; failed=; for t in $(FUZZ_TARGETS); do \
	  case $$t in \
	    fuzz_picture_check) seeds="$$fuzz/game/textures/*.bmp"; limit=-max_len=20000;; \
	    fuzz_sample_check) seeds="$$fuzz/game/sounds/*.wav"; limit=-max_len=20000;; \
	    *) seeds="data/maps/seg*.txt"; limit=;; \
	  esac; \
	  mkdir -p $$fuzz/corpus/$$t; cp $$seeds $$fuzz/corpus/$$t/; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; log=$$fuzz/fuzz/$$t.log; start=$$(date +%s); \
	  if $$fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -runs=$(FUZZ_RUNS) -timeout=10 -print_final_stats=1 \
	      $$limit -artifact_prefix=$$fuzz/fuzz/$$t- $$fuzz/corpus/$$t > $$log 2>&1; then \
	    verdict="no finding"; \
	  else \
	    tail -n 40 $$log; verdict="FOUND SOMETHING, see $$log"; failed="$$failed $$t"; \
	  fi; \
	  runs=$$(sed -n 's/^stat::number_of_executed_units: //p' $$log); \
	  line="$$t: $${runs:-?} inputs in $$(($$(date +%s) - start)) s, $$verdict"; \
	  echo "$$line"; summary="$$summary$$line\n"; \
	done; \
	printf '== fuzzing\n%b' "$$summary"; \
	[ -z "$$failed" ] || { echo "fuzz: found something in$$failed"; exit 1; }

# Every benchmark, then the game under Xvfb; writes $(BUILD)/bench.json.
bench: test-deps $(BUILD)/tests/CTestTestfile.cmake build
	@bench/run.sh $(BUILD)

assets-preview: build
	cmake --build $(BUILD) --target assets-preview

# A Debian package of the installed game: build/orkcave_<version>_<arch>.deb.
# Its time stamps are the last commit's, so that the same sources give the
# same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
export SOURCE_DATE_EPOCH
.PHONY: package test-reproducible
package: build
	cd $(BUILD) && cpack

# Two clones build the package each; the two must be the same bytes.
test-reproducible: test-deps
	tests/e2e/reproducible_package.sh .

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# The two commands for a fresh machine: `make test` and (with the demo) `make run`.
# `make bench` runs the benchmarks; `make test-sanitize` runs the tests under ASan+UBSan.
# `make fuzz` builds the fuzzers with clang and runs each for FUZZ_SECONDS;
# `make fuzz-coverage` reports the lines of src/chart that the fuzz corpus reaches.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test bench test-sanitize fuzz fuzz-coverage clean run

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# With a display the demo's window opens; without one it runs offscreen, presses Draw,
# saves the window's picture as a PNG and prints the path.
run: configure
	@cmake --build $(BUILD) --target spectrum_demo -j $(JOBS)
	@$(BUILD)/src/app/spectrum_demo

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b --benchmark_min_time=0.2 || exit 1; done

test-sanitize: deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@ctest --test-dir $(BUILD)-asan --output-on-failure -j $(JOBS)

FUZZ_SECONDS ?= 180
# Wall-clock seconds an input may take in the fuzz build before it counts as a hang; raise it
# on a machine busy with other work.
FUZZ_TIMEOUT ?= 10
# The sanitizer's allocator keeps freed memory for reuse, so a long run's resident size
# climbs far above what any input holds; one allocation over 2,560 MiB is still a finding.
FUZZ_RSS_MB ?= 2560
FUZZERS ?= fft chart
# The fuzz build runs 10 to 50 times slower than the normal one (sanitizers and coverage
# counters), so its timeout is FUZZ_TIMEOUT wall-clock seconds; the corpus replay in `make test` holds every input to
# one second. New inputs go to $(BUILD)-fuzz/corpus; tests/fuzz/corpus is the checked-in seed and
# regression set that `make test` replays. Crashes land in $(BUILD)-fuzz/findings.
fuzz:
	@scripts/install-deps fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON -DBUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target $(addsuffix _fuzz,$(FUZZERS))
	@for f in $(FUZZERS); do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$f $(BUILD)-fuzz/findings/$$f; \
	  echo "== $$f for $(FUZZ_SECONDS) s"; \
	  QT_QPA_PLATFORM=offscreen $(BUILD)-fuzz/tests/fuzz/$${f}_fuzz $(BUILD)-fuzz/corpus/$$f tests/fuzz/corpus/$$f \
	    -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) -rss_limit_mb=$(FUZZ_RSS_MB) -malloc_limit_mb=2560 \
	    -print_final_stats=1 \
	    -artifact_prefix=$(BUILD)-fuzz/findings/$$f/ || exit 1; \
	done

fuzz-coverage:
	@scripts/install-deps fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-cov -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCOVERAGE=ON -DBUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(BUILD)-cov -j $(JOBS) --target $(addsuffix _replay,$(FUZZERS))
	@rm -f $(BUILD)-cov/*.profraw
	@for f in $(FUZZERS); do \
	  LLVM_PROFILE_FILE=$(BUILD)-cov/$$f.profraw QT_QPA_PLATFORM=offscreen \
	    $(BUILD)-cov/tests/fuzz/$${f}_replay tests/fuzz/corpus/$$f >/dev/null 2>&1 || exit 1; \
	done
	@llvm-profdata-14 merge -o $(BUILD)-cov/fuzz.profdata $(BUILD)-cov/*.profraw
	@llvm-cov-14 report $(BUILD)-cov/tests/fuzz/chart_replay -instr-profile=$(BUILD)-cov/fuzz.profdata \
	  $(CURDIR)/src/chart | tail -1

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-cov

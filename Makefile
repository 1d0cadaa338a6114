# The two commands for a fresh machine: `make test` and (with the demo) `make run`.
# `make bench` runs the benchmarks; `make test-sanitize` runs the tests under ASan+UBSan.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test bench test-sanitize clean run

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

clean:
	rm -rf $(BUILD) $(BUILD)-asan

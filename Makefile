# The two commands of the README: `make run` starts the utility, `make test` runs the tests.
BUILD ?= build
JOBS ?= $(shell nproc)
ARGS ?=
PREFIX ?= /usr/local

.PHONY: deps configure build run test test-hwsim install screenshots sanitize bench format clean fuzz-build fuzz \
        fuzz-ci

deps:
	@scripts/ensure-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/main/sdwlan $(ARGS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The utility with --backend linux against the kernel's simulated radios, inside QEMU
# (tests/hwsim/run.sh); skipped with one line where QEMU cannot start.
test-hwsim: build
	@tests/hwsim/run.sh $(BUILD)/main/sdwlan $(BUILD)-hwsim

# The program, desktop entry, icons, manual page and documentation below PREFIX (DESTDIR too).
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The pictures of docs/screenshots/, taken by scripts/screenshots/*.script under Xvfb.
screenshots: build
	@scripts/screenshots.sh $(BUILD)/main/sdwlan

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSDWLAN_SANITIZE=ON -DSDWLAN_BENCH=OFF >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets (fuzz/) in their own build with clang, ASan and UBSan; `make fuzz` runs
# each for FUZZ_SECONDS (or FUZZ_RUNS executions), `make fuzz-ci` each for 10 seconds.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz-build: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
		-DCMAKE_CXX_COMPILER=clang++ -DSDWLAN_FUZZ=ON -DSDWLAN_FLTK=OFF -DSDWLAN_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	@FUZZ_BUILD=$(FUZZ_BUILD) scripts/fuzz.sh $(FUZZ_SECONDS)

fuzz-ci:
	@FUZZ_BUILD=$(FUZZ_BUILD) scripts/fuzz-ci.sh

# Each measured path beside its floor and their ratios (medians of BENCH_REPETITIONS runs), then
# the long run's peak memory.
BENCH_REPETITIONS ?= 5
bench: build
	@$(BUILD)/bench/sdwlan_bench --benchmark_repetitions=$(BENCH_REPETITIONS) \
		--benchmark_report_aggregates_only=true
	@$(BUILD)/bench/sdwlan_long_run

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-hwsim $(FUZZ_BUILD)

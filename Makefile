# `make run` builds and starts the program, `make test` builds and runs every
# test; both install missing Debian packages first. `make clang` builds and
# tests the same tree with Clang in its own folder, `make sanitize` and
# `make tsan` under the sanitizers in theirs.
BUILD   ?= build
CLANG_BUILD ?= build-clang
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test clang sanitize tsan run bench fuzz clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300

clang: deps
	CC=clang CXX=clang++ cmake -S . -B $(CLANG_BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	ctest --test-dir $(CLANG_BUILD) --output-on-failure -j $(JOBS) --timeout 300

# The whole suite under Clang's address and undefined-behaviour sanitizers
# (float-cast-overflow included), in a build folder of its own. Any report
# fails the test that met it.
SANITIZE_BUILD ?= build-asan
sanitize: deps
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DTARVIK_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan-suppressions.txt \
	UBSAN_OPTIONS=print_stacktrace=1 \
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) --timeout 600

# The threaded programs under Clang's thread sanitizer, in a build folder
# of their own: the printer thread, the link with its emulator's thread,
# the update and news fetch threads, and the archive's packing stages. They
# hold no Qt, which is not built for the sanitizer.
TSAN_BUILD ?= build-tsan
TSAN_TESTS ?= test_printerlink_thread test_printerlink test_app_fetch test_zip
tsan: deps
	CC=clang CXX=clang++ cmake -S . -B $(TSAN_BUILD) -G Ninja -DTARVIK_TSAN=ON $(CMAKE_FLAGS)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target $(TSAN_TESTS)
	TSAN_OPTIONS=second_deadlock_stack=1 \
	ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS) --timeout 600 \
	  -L "^($$(echo $(TSAN_TESTS) | tr ' ' '|'))$$"

# The program keeps its folder tree beside its start folder, so it starts
# from a folder of its own: $(BUILD)/run/bin, tree in $(BUILD)/run. Without
# a display it runs on an invisible virtual screen and says so.
run: build
	mkdir -p $(BUILD)/run/bin
	cp $(BUILD)/app/tarvik23 $(BUILD)/run/bin/tarvik23
	cd $(BUILD)/run/bin && if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	  ./tarvik23; else \
	  echo "No display: Tarvik23 runs on an invisible virtual screen (xvfb-run) and shows no window."; \
	  echo "Press Ctrl+C to end it. Run make run on a desktop, or with DISPLAY set, to see it."; \
	  xvfb-run -a ./tarvik23; fi

# Every benchmark program in turn, about ten minutes in all. The firmware
# benchmark runs one short turn; BENCH_FULL=1 gives it its three turns of
# the whole image both ways (about 35 minutes more).
BENCH_FULL ?=
bench: configure
	cmake --build $(BUILD) --target bench -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] && echo "== $$b" && BENCH_FULL=$(BENCH_FULL) "$$b"; done; true

# Builds every fuzz target (fuzz/*.cpp) with Clang and libFuzzer in
# $(FUZZ_BUILD) and runs each for FUZZ_SECONDS; FUZZ_TARGETS picks some.
# New inputs collect in $(FUZZ_BUILD)/corpus/<name>, findings in
# $(FUZZ_BUILD)/findings/<name>.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTARVIK_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzz -j $(JOBS)
	./scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(CLANG_BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD)

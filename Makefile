# `make run` builds and starts the program, `make test` builds and runs every
# test; both install missing Debian packages first. `make clang` builds and
# tests the same tree with Clang in its own folder.
BUILD   ?= build
CLANG_BUILD ?= build-clang
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test clang run bench fuzz clean

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

# The program keeps its folder tree beside its start folder, so it starts
# from a folder of its own: $(BUILD)/run/bin, tree in $(BUILD)/run.
run: build
	mkdir -p $(BUILD)/run/bin
	cp $(BUILD)/app/tarvik23 $(BUILD)/run/bin/tarvik23
	cd $(BUILD)/run/bin && if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	  ./tarvik23; else xvfb-run -a ./tarvik23; fi

bench: configure
	cmake --build $(BUILD) --target bench -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] && echo "== $$b" && "$$b"; done; true

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
	rm -rf $(BUILD) $(FUZZ_BUILD) $(CLANG_BUILD)

# The project's commands: `make run`, `make test`, `make bench`.
BUILD     ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build test run bench fuzz sanitize clean

all: build

deps:
	@bash scripts/deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/kt20418

bench: build
	@bash scripts/bench.sh $(BUILD)

# Fuzzes every target for FUZZ_SECONDS each (clang with libFuzzer), starting from its seed corpus.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@bash scripts/deps.sh fuzz
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DKT_FUZZ=ON -DKT_BUILD_TESTS=OFF -DKT_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer and runs it; the
# first finding fails its test. Not part of `make test`.
SANITIZE_BUILD ?= build-sanitize
sanitize: deps
	@[ -f $(SANITIZE_BUILD)/build.ninja ] || cmake -S . -B $(SANITIZE_BUILD) -G Ninja \
	  -DKT_SANITIZE=ON -DKT_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@bash scripts/sanitize.sh $(SANITIZE_BUILD) $(JOBS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)

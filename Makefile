# The project's commands: `make run`, `make test`, `make bench`.
BUILD     ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build test run bench clean

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

clean:
	rm -rf $(BUILD)

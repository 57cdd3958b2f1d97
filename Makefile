# Entry points for users and CI; CMake does the work in build/.
BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure check demo demo-trainer bench asan clean

all: configure
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

check: configure
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: all
	scripts/demo

demo-trainer: all
	scripts/demo --trainer

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DTOUCHLINER_TESTS=OFF -DTOUCHLINER_BENCH=ON >/dev/null
	cmake --build $(BUILD)-bench -j $(JOBS)
	scripts/run-benchmarks $(BUILD)-bench

asan: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DTOUCHLINER_SANITIZE=ON >/dev/null
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan

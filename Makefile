# Two commands: `make run` and `make test`. Both install what is missing and build first.
BUILD ?= build
ASAN_BUILD ?= build-asan
WERROR ?= OFF
JOBS ?= $(shell nproc)

.PHONY: run test setup build build-asan test-pure test-asan bench clean

setup:
	@bash scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRICKSCAN_WERROR=$(WERROR) > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The pure tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRICKSCAN_SANITIZE=ON \
	    -DTRICKSCAN_WITH_QT=OFF -DTRICKSCAN_BENCH=OFF -DTRICKSCAN_WERROR=$(WERROR) > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

test: build build-asan
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -E '^slow_'

run: build
	@bash scripts/run-demo $(BUILD)/bin

bench: build
	@bash scripts/run-benchmarks $(BUILD)/bin

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

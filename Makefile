# Two commands: `make run` and `make test`. Both install what is missing and build first.
# `make install` (PREFIX=/usr/local) and `make package` (a Debian package) install the suite.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_CI_SECONDS ?= 30
WERROR ?= OFF
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# sudo only when the prefix cannot be written as the user who builds.
SUDO = $(shell [ -w "$(PREFIX)" ] || [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: run test test-cluster setup build build-asan build-fuzz fuzz fuzz-short test-pure test-asan \
        bench clean install package

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

# The fuzz targets (clang, libFuzzer, both sanitizers), built apart from the rest.
build-fuzz: setup
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++-14 -DTRICKSCAN_FUZZ=ON -DTRICKSCAN_WITH_QT=OFF \
	    -DTRICKSCAN_WITH_DDS=OFF -DTRICKSCAN_BENCH=OFF -DTRICKSCAN_WERROR=$(WERROR) > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=60).
fuzz: build-fuzz
	@bash scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The short runs of every submission.
fuzz-short: build-fuzz
	@bash scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_CI_SECONDS)

test: build build-asan
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -E '^slow_'
	@$(MAKE) --no-print-directory fuzz-short

# A one-node Slurm cluster on this machine (root) makes a library with submit-slurm.
test-cluster: build
	@cd $(BUILD) && ctest --output-on-failure -R '^slow_makelibrary_slurm_route$$'

run: build
	@bash scripts/run-demo $(BUILD)/bin

# The programs, web pages, sample library, menu entries, icons and manual pages under PREFIX.
install: build
	@$(SUDO) cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package for /usr in $(BUILD): sudo apt install ./$(BUILD)/trickscan_<version>_<arch>.deb
package: build
	@cd $(BUILD) && cpack -G DEB

bench: build
	@bash scripts/run-benchmarks $(BUILD)/bin

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

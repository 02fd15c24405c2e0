# VANTRO: build, run, test and benchmark. Every target installs what it needs.
BUILD ?= build
JOBS  ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Builds only the desktop program, then starts it.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target vantro
	$(BUILD)/src/app/vantro

# Builds everything (the program, the command line, the tests) and runs every test.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j$(JOBS)

bench: build
	bench/run-bench $(BUILD)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVANTRO_FUZZ=ON -DVANTRO_WITH_QT=OFF >/dev/null
	@cmake --build build-fuzz -j$(JOBS)

clean:
	rm -rf $(BUILD) build-fuzz

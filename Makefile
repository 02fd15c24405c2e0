# VANTRO: build, run, test and benchmark. Every target installs what it needs.
BUILD ?= build
JOBS  ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench fuzz sanitize install package clean

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

# Installs the programs, the menu entry, the icon, the manual pages and the
# bash completion under PREFIX (bin/, share/...).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Builds the Debian package vantro_VERSION_ARCH.deb into $(BUILD)/ (CPack);
# install it with `sudo apt install ./$(BUILD)/vantro_*.deb`.
package: build
	cd $(BUILD) && cpack

bench: build
	bench/run-bench $(BUILD)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVANTRO_FUZZ=ON -DVANTRO_WITH_QT=OFF >/dev/null
	@cmake --build build-fuzz -j$(JOBS)

# Builds everything (the program, the command line, the tests) with AddressSanitizer
# and UndefinedBehaviorSanitizer into its own folder and runs every test there.
# Any report fails the run; leaks inside system libraries are listed in tests/lsan.supp.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)" $(CMAKE_FLAGS) >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure --timeout 900 -j$(JOBS)

clean:
	rm -rf $(BUILD) build-fuzz build-sanitize

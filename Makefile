# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing first (Debian packages, as root).

MAKEFLAGS += --no-print-directory

EDITION    ?= quenmark
BUILD_TYPE ?= Release
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD_DIR  ?= build-sanitize
BUILD_TYPE := Debug
CMAKE_ARGS += -DSANITIZE=ON
else
BUILD_DIR  ?= build
endif


.PHONY: all deps configure build test run clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/bin/$(EDITION) ]; then \
	    exec $(BUILD_DIR)/bin/$(EDITION); \
	else \
	    echo "No program $(EDITION): EDITION is quenmark (the default) or vessquen."; exit 1; \
	fi

clean:
	rm -rf build build-sanitize build-fuzz build-windows

# Benchmarks print their figures; they are never part of `make test`.
.PHONY: bench
bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target run_benchmarks

# The Debian package, written to $(BUILD_DIR).
.PHONY: package
package: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target package

# tmrtool check over 10,000 menu files against cat of the same files.
.PHONY: bench-check
bench-check: build
	@bench/check-vs-cat.sh $(BUILD_DIR)/bin/tmrtool

# Fuzzing: libFuzzer targets built with clang into build-fuzz, each run for
# FUZZ_SECONDS from its seed corpus; any finding fails.
FUZZ_SECONDS ?= 60
FUZZ_BUILD   ?= build-fuzz

.PHONY: fuzz clean-fuzz

fuzz: deps
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run

clean: clean-fuzz
clean-fuzz:
	rm -rf $(FUZZ_BUILD) corpus-work fuzz-out
# The editor's soak: SOAK_STEPS random steps (default 3000) through the real
# window against a model of it. SOAK_SEED replays a walk; without it each run
# takes a fresh seed and prints it. `make soak SANITIZE=1` runs it sanitized.
.PHONY: soak
soak: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target SoakTest
	@QT_QPA_PLATFORM=offscreen SOAK_STEPS=$(or $(SOAK_STEPS),3000) \
	    SOAK_SEED=$(or $(SOAK_SEED),$(shell od -An -N4 -tu4 /dev/urandom | tr -d ' ')) \
	    $(BUILD_DIR)/bin/SoakTest

# The Windows edition, cross-built with MinGW-w64 against a static Qt that
# scripts/build-windows-qt builds once into QT_WIN_PREFIX (about an hour on
# two cores; later runs reuse it). `make windows` writes
# build-windows/quenmark-<version>-windows-x64.zip; `make test-windows` runs
# the cross-built suites and the programs under Wine.
QT_WIN_PREFIX ?= $(HOME)/.cache/quenmark/qt6-win64-6.4.2
WIN_BUILD     ?= build-windows

.PHONY: windows-configure windows test-windows

windows-configure:
	@scripts/install-deps windows
	@QT_WIN_PREFIX=$(QT_WIN_PREFIX) nice scripts/build-windows-qt
	@cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_PREFIX_PATH=$(QT_WIN_PREFIX) -DQT_HOST_PATH=/usr \
	    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	    -DCMAKE_INSTALL_BINDIR=. -DQUENMARK_HOST_TMRTOOL=$(CURDIR)/$(BUILD_DIR)/bin/tmrtool >/dev/null

windows: windows-configure
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target quenmark vessquen tmrtool
	@cd $(WIN_BUILD) && cpack -G ZIP >/dev/null && ls -l quenmark-*-windows-x64.zip

# tmrtool of the Linux build writes the files the Windows one must match.
test-windows: windows-configure configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tmrtool
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	cd $(WIN_BUILD) && ctest --output-on-failure -j $(JOBS); \
	    status=$$?; WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wineprefix wineserver -k 2>/dev/null; exit $$status

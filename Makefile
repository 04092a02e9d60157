# The two commands a newcomer needs: `make run` and `make test`.
# Each installs what is missing first (Debian packages, as root), and only
# what it needs: `make run` the compiler, CMake, Qt and fonts; `make test`
# adds the test tools; fuzz, bench and package add their own.

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

DEPS := scripts/install-deps

# configure(build folder, cmake arguments): the configure output goes to a
# log in the build folder and is shown when configuring fails.
define configure
	@mkdir -p $(1)
	@cmake $(2) >$(1)/configure.log 2>&1 || { cat $(1)/configure.log; exit 1; }
endef

# One build folder serves both `make run` and `make test`. `make test` always
# configures it with the tests and with warnings as errors. `make run` sets
# its options only when it creates the folder (no tests, so no test
# libraries needed; warnings stay warnings, so that a newer compiler's new
# warning does not keep a user from running the editor) and otherwise keeps
# what the folder has, so the two never undo each other's configuration.
RUN_OPTIONS  = $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DQUENMARK_TESTS=OFF)
CONFIGURE    = -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

.PHONY: all build run test clean configure-run configure-test

all: build

# PROFILES names what else than running a target needs; the configure runs
# after the install, so that CMake finds what was just installed.
configure-run:
	@$(DEPS) run $(PROFILES)
	$(call configure,$(BUILD_DIR),$(CONFIGURE) $(RUN_OPTIONS))

configure-test:
	@$(DEPS) run test
	$(call configure,$(BUILD_DIR),$(CONFIGURE) -DQUENMARK_TESTS=ON -DQUENMARK_WERROR=ON)

build: configure-test
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: configure-run
	@case "$(EDITION)" in quenmark|vessquen) ;; \
	    *) echo "No program $(EDITION): EDITION is quenmark (the default) or vessquen."; exit 1;; \
	esac
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target $(EDITION)
	@exec $(BUILD_DIR)/bin/$(EDITION)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Benchmarks print their figures; they are never part of `make test`.
.PHONY: bench
bench: PROFILES = bench
bench: configure-run
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target run_benchmarks

# The Debian package, written to $(BUILD_DIR), and lintian's verdict on it.
.PHONY: package
package: PROFILES = package
package: configure-run
	@rm -f $(BUILD_DIR)/quenmark_*.deb
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target package
	lintian --allow-root --fail-on error,warning $(BUILD_DIR)/quenmark_*.deb

# tmrtool check over 10,000 menu files against cat of the same files.
.PHONY: bench-check
bench-check: configure-run
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tmrtool
	@bench/check-vs-cat.sh $(BUILD_DIR)/bin/tmrtool

# Fuzzing: libFuzzer targets built with clang into build-fuzz, each run for
# FUZZ_SECONDS from its seed corpus; any finding fails.
FUZZ_SECONDS ?= 60
FUZZ_BUILD   ?= build-fuzz

.PHONY: fuzz
fuzz:
	@$(DEPS) run fuzz
	$(call configure,$(FUZZ_BUILD),-S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++)
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run

# The editor's soak: SOAK_STEPS random steps (default 3000) through the real
# window against a model of it. SOAK_SEED replays a walk; without it each run
# takes a fresh seed and prints it. `make soak SANITIZE=1` runs it sanitized.
.PHONY: soak
soak: configure-test
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target SoakTest
	@QT_QPA_PLATFORM=offscreen SOAK_STEPS=$(or $(SOAK_STEPS),3000) \
	    SOAK_SEED=$(or $(SOAK_SEED),$(shell od -An -N4 -tu4 /dev/urandom | tr -d ' ')) \
	    $(BUILD_DIR)/bin/SoakTest

# The Windows edition, cross-built with MinGW-w64 against a static Qt that
# scripts/build-windows-qt builds once into QT_WIN_PREFIX (about an hour on
# two cores; later runs reuse it). `make windows` writes
# build-windows/quenmark-<version>-windows-x64.zip and the installer
# build-windows/quenmark-<version>-x64.msi; `make test-windows` runs the
# cross-built suites and the programs under Wine.
QT_WIN_PREFIX ?= $(HOME)/.cache/quenmark/qt6-win64-6.4.2
WIN_BUILD     ?= build-windows

.PHONY: windows-configure windows test-windows

windows-configure:
	@$(DEPS) run windows
	@QT_WIN_PREFIX=$(QT_WIN_PREFIX) nice scripts/build-windows-qt
	$(call configure,$(WIN_BUILD),-S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_PREFIX_PATH=$(QT_WIN_PREFIX) -DQT_HOST_PATH=/usr \
	    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	    -DQUENMARK_TESTS=ON -DQUENMARK_WERROR=ON -DCMAKE_INSTALL_BINDIR=. \
	    -DQUENMARK_HOST_TMRTOOL=$(CURDIR)/$(BUILD_DIR)/bin/tmrtool)

windows: windows-configure
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target quenmark vessquen tmrtool quenmark_msi
	@cd $(WIN_BUILD) && cpack -G ZIP >/dev/null && ls -l quenmark-*-windows-x64.zip quenmark-*-x64.msi

# tmrtool of the Linux build writes the files the Windows one must match.
# So do its editors, given the same keys as the Windows ones.
test-windows: windows-configure configure-run
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tmrtool quenmark vessquen
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target all quenmark_msi
	cd $(WIN_BUILD) && ctest --output-on-failure -j $(JOBS); status=$$?; \
	    WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wineprefix wineserver -k 2>/dev/null; exit $$status

clean:
	rm -rf build build-sanitize $(FUZZ_BUILD) $(WIN_BUILD) corpus-work fuzz-out

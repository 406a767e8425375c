# Quick start: `make run` and `make test`. Each installs what is missing
# (Debian packages), configures and builds first.

BUILD     ?= build
PRESET    ?= default
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
KVTOOL     = $(BUILD)/bin/kvtool

FUZZ_SECONDS ?= 60

KVPROG     = $(BUILD)/bin/kvprog

.PHONY: all setup configure build run test check-sanitize fuzz fuzz-smoke bench bench-link bench-startup bench-screens screenshots package clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja: CMakeLists.txt CMakePresets.json
	cmake --preset $(PRESET)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The programmer's window when there is a display; without one, the same
# data through kvtool (the default data of the KV170 USA radio).
# The programmer's window with a simulated radio to read and program; without
# a display, the same job through kvtool (read the simulated radio, print the report).
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(KVPROG) --demo; \
	else \
	  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): reading a simulated radio with kvtool instead."; \
	  scripts/run-without-display.sh $(BUILD)/bin; \
	fi

# A PNG of every screen and dialog, drawn offscreen at 1024x768 and 1920x1080
# and in a dark theme (build/screenshots), then all again at a scale factor of 2
# (build/screenshots-scale-2).
screenshots: build
	QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$(CURDIR)/$(BUILD)/screenshot-config \
	  $(KVPROG) --screenshots $(BUILD)/screenshots
	QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$(CURDIR)/$(BUILD)/screenshot-config \
	  $(KVPROG) --screenshots $(BUILD)/screenshots-scale-2

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
check-sanitize: setup
	cmake --preset sanitize
	cmake --build build-sanitize -j $(JOBS)
	ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS (CI: fuzz-smoke, 20 s each).
fuzz: setup
	cmake --preset fuzz
	cmake --build build-fuzz -j $(JOBS)
	for t in settings_file image; do \
	  mkdir -p build-fuzz/found/$$t && \
	  build-fuzz/bin/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -max_len=20000 \
	    -artifact_prefix=build-fuzz/found/$$t/ build-fuzz/corpus/$$t || exit 1; \
	done

fuzz-smoke:
	$(MAKE) fuzz FUZZ_SECONDS=20

bench: build bench-startup bench-screens
	$(BUILD)/bin/kvcore_bench
	$(BUILD)/bin/fleet_bench

# A full read and a full program against kvradio-sim --paced (real wire time, about 1.5 minutes).
bench-link: build
	$(BUILD)/bin/link_bench

# Time from process start to the "General" screen, offscreen, five runs.
bench-startup: build
	@for i in 1 2 3 4 5; do \
	  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$(CURDIR)/$(BUILD)/bench-config $(KVPROG) --benchmark-startup 2>/dev/null; \
	done

# Every change of screen timed, with every group in use and the largest grid full.
bench-screens: build
	@QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$(CURDIR)/$(BUILD)/bench-config $(KVPROG) --benchmark-screens 2>/dev/null

# A Debian package of the installation, in build/.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf build build-sanitize build-clang build-fuzz

# Entry points: `make run` starts the program, `make test` builds and runs every test.
# SANITIZE=1 selects a separate AddressSanitizer + UndefinedBehaviorSanitizer build of the
# core, the command-line tool and their tests.
# `make fuzz` runs every libFuzzer target for FUZZ_SECONDS each (clang build in build-fuzz/);
# `make fuzz-ci` runs each for 15 seconds.
# `make package` builds the Debian package build/tessaly_VERSION_ARCH.deb and the Windows zip of
# the command-line tool build-windows/tessaly-kit-VERSION-windows-x86_64.zip.
# `make test-windows` cross-builds the core, the tool, the substitute libraries and their
# tests for Windows (build-windows/) and runs the tests under wine.

SANITIZE ?= 0
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD_DIR := build-asan
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=ON -DTESSALY_UI=OFF
CTEST_FLAGS := -L core
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
CTEST_FLAGS :=
endif

FUZZ_DIR := build-fuzz
FUZZ_TARGETS := fuzz_kit_file fuzz_disk_8753 fuzz_disk_8510 fuzz_row_paste fuzz_touchstone
FUZZ_SECONDS ?= 300

.PHONY: deps configure build run test bench fuzz-build fuzz fuzz-ci clean test-windows package

deps:
	@bash scripts/deps.sh

configure:
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) > /dev/null
	@# Qt's moc step keeps a timestamp that does not notice sources added to a target since the
	@# last run; drop it whenever the target's source list is newer, so new headers get moc'd.
	@for info in $$(find $(BUILD_DIR) -path '*_autogen.dir/AutogenInfo.json' 2>/dev/null); do \
	  stamp=$$(dirname $$(dirname $$(dirname $$info)))/$$(basename $$(dirname $$info) .dir)/timestamp; \
	  if [ -f "$$stamp" ] && [ "$$info" -nt "$$stamp" ]; then rm -f "$$stamp"; fi; \
	done

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: deps build
	@if [ -x $(BUILD_DIR)/bin/tessaly ]; then $(BUILD_DIR)/bin/tessaly; else $(BUILD_DIR)/bin/tessaly-kit models; fi

test: deps build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) $(CTEST_FLAGS)

bench: deps build
	@if [ -d bench ] && ls bench/*.sh >/dev/null 2>&1; then for s in bench/*.sh; do bash $$s $(BUILD_DIR); done; fi
	@for b in $(BUILD_DIR)/bin/bench_*; do [ -x $$b ] && $$b; done; true

fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DTESSALY_FUZZ=ON -DTESSALY_UI=OFF -DTESSALY_TESTS=OFF > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers

# New inputs go to build-fuzz/corpus/<target>; the seeds in fuzz/corpus/<target> stay as they
# are. A crash leaves its input in build-fuzz/artifacts/ and its report in build-fuzz/<target>.log.
fuzz: fuzz-build
	@mkdir -p $(FUZZ_DIR)/artifacts
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t; \
	  $(FUZZ_DIR)/bin/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/artifacts/$$t- $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t \
	    > $(FUZZ_DIR)/$$t.log 2>&1; \
	  status=$$?; \
	  runs=$$(sed -n 's/^stat::number_of_executed_units: *//p' $(FUZZ_DIR)/$$t.log); \
	  if [ $$status -ne 0 ]; then echo "fuzz: $$t FAILED"; tail -n 40 $(FUZZ_DIR)/$$t.log; exit 1; fi; \
	  echo "fuzz: $$t: $$runs runs in $(FUZZ_SECONDS) s, no failure"; \
	done

fuzz-ci:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=15

clean:
	rm -rf build build-asan build-fuzz build-windows

# Windows: mingw-w64 builds, wine runs. The wine prefix lives in the build folder; one wine
# server stays up for the whole test run instead of starting for every test.
WINDOWS_DIR ?= build-windows
WINE_ENV := WINEDEBUG=-all WINEPREFIX=$(CURDIR)/$(WINDOWS_DIR)/wine DISPLAY= WAYLAND_DISPLAY=
test-windows:
	@bash scripts/deps.sh windows
	@cmake -S . -B $(WINDOWS_DIR) -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DTESSALY_UI=OFF > /dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@if [ ! -f $(WINDOWS_DIR)/wine/system.reg ]; then $(WINE_ENV) wineboot --init > /dev/null 2>&1 || true; fi
	@$(WINE_ENV) wineserver --wait
	@$(WINE_ENV) wineserver --persistent=60
	@cd $(WINDOWS_DIR) && $(WINE_ENV) ctest --output-on-failure -j $(JOBS); \
	  status=$$?; $(WINE_ENV) wineserver --kill; exit $$status

package: deps build
	@bash scripts/deps.sh package
	@cd $(BUILD_DIR) && cpack -G DEB > /dev/null && ls $(CURDIR)/$(BUILD_DIR)/tessaly_*.deb
	@bash scripts/deps.sh windows
	@cmake -S . -B $(WINDOWS_DIR) -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DTESSALY_UI=OFF > /dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target tessaly-kit
	@cd $(WINDOWS_DIR) && cpack -G ZIP > /dev/null && ls $(CURDIR)/$(WINDOWS_DIR)/tessaly-kit-*.zip

# The documentation's pictures of the program, drawn on a virtual screen: the main window with
# two kits open (docs/screenshot.png), the GPIB Settings dialog with the substitute libraries
# bound (docs/gpib-settings-dialog.png), a kit being sent (docs/gpib-send-in-progress.png),
# the response view of an example kit's open, short and thru/line (docs/response-*.png) and
# the comparison of a kit with a changed copy (docs/compare-window.png).
SCREEN := xvfb-run -a -s "-screen 0 1280x800x24 -noreset"
SIM_LIBRARIES := TESSALY_GPIB32_LIBRARY=$(CURDIR)/$(BUILD_DIR)/lib/libtessaly_sim_ni.so \
  TESSALY_SICL_LIBRARY=$(CURDIR)/$(BUILD_DIR)/lib/libtessaly_sim_sicl.so
.PHONY: screenshots
screenshots: deps build
	@mkdir -p docs
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot docs/screenshot.png
	@echo "docs/screenshot.png"
	@$(SIM_LIBRARIES) $(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --gpib-settings docs/gpib-settings-dialog.png
	@echo "docs/gpib-settings-dialog.png"
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --send docs/gpib-send-in-progress.png
	@echo "docs/gpib-send-in-progress.png"
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --help docs/help-window.png
	@echo "docs/help-window.png"
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --response 2 docs/examples/3.5mm-kit.tsy docs/response-open.png
	@echo "docs/response-open.png"
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --response 1 docs/examples/3.5mm-kit.tsy docs/response-short.png
	@echo "docs/response-short.png"
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --response 6 docs/examples/wr90-kit.tsy docs/response-thru.png
	@echo "docs/response-thru.png"
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --compare docs/compare-window.png
	@echo "docs/compare-window.png"
	@$(SCREEN) $(BUILD_DIR)/bin/tessaly-screenshot --fit 2 docs/examples/3.5mm-kit.tsy docs/fit-open.png
	@echo "docs/fit-open.png"

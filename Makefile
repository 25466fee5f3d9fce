# Entry points: `make run` starts the program, `make test` builds and runs every test.
# SANITIZE=1 selects a separate AddressSanitizer + UndefinedBehaviorSanitizer build of the
# core, the command-line tool and their tests.

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

.PHONY: deps configure build run test bench clean

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

clean:
	rm -rf build build-asan build-fuzz

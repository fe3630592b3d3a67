# The developer's and the parent's commands. Each one first installs the missing Debian
# packages, configures the build folder once (Ninja regenerates it when CMake files change)
# and builds everything.
#   make run      build and start Quillby on its own database (build/bin/Quillby.mdb)
#   make test     build and run every test through CTest
#   make bench    build and run every benchmark program
#   make package  build and lay out Setup with its Support folder, and the Debian package

BUILD_DIR  := build
BIN_DIR    := $(BUILD_DIR)/bin
BUILD_TYPE := RelWithDebInfo

.PHONY: all deps configure build run test bench package

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	    cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	fi

build: configure
	cmake --build $(BUILD_DIR)

run: build
	cd $(BIN_DIR) && ./Quillby

# The audio tests need a sound server of their own; scripts/with-audio.sh starts a private
# PulseAudio around the command and stops it afterwards.
test: build
	@if [ -f scripts/with-audio.sh ]; then \
	    bash scripts/with-audio.sh ctest --test-dir $(BUILD_DIR) --output-on-failure; \
	else \
	    ctest --test-dir $(BUILD_DIR) --output-on-failure; \
	fi

bench: build
	@found=0; \
	for program in $(BIN_DIR)/bench_*; do \
	    [ -x "$$program" ] || continue; \
	    found=1; \
	    echo "== $$program"; \
	    "$$program" || exit 1; \
	done; \
	[ $$found -eq 1 ] || echo "No benchmark programs in $(BIN_DIR)."

package: build
	cmake --build $(BUILD_DIR) --target quillby_package quillby_deb

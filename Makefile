# The developer's and the parent's commands. Each one first installs the missing Debian
# packages, configures the build folder once (Ninja regenerates it when CMake files change)
# and builds everything.
#   make run      build and start Quillby on its own database (build/bin/Quillby.mdb)
#   make test     build and run every test through CTest
#   make bench    build and run every benchmark program
#   make package  build and lay out Setup with its Support folder, and the Debian package
#   make sanitize build the suites without windows with the address and undefined-behaviour
#                 sanitizers (in build-asan) and run them
#   make shots    build and save pictures of the windows into build/shots, for looking at
#
# CMAKE_ARGS adds CMake arguments to the configure step and configures again when given,
# e.g. make test CMAKE_ARGS=-DQUILLBY_WERROR=ON (as .ci/run does: warnings stop the build).

BUILD_DIR  := build
BIN_DIR    := $(BUILD_DIR)/bin
BUILD_TYPE := RelWithDebInfo
CMAKE_ARGS ?=
SHOTS_DIR  := $(BUILD_DIR)/shots

.PHONY: all deps configure build run test bench package sanitize shots

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ] || [ -n "$(CMAKE_ARGS)" ]; then \
	    cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS); \
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

sanitize: deps
	bash scripts/sanitize.sh $(CMAKE_ARGS)

# The pictures are not tests: each program saves what it shows into $(SHOTS_DIR). The
# installer's and the uninstaller's pages come from their own fitting checks, run alone.
shots: configure
	cmake --build $(BUILD_DIR) --target mainwindow_shots editors_shots practice_shots \
	    import_shots installer_setup_tests installer_uninstall_tests
	mkdir -p $(SHOTS_DIR)
	QUILLBY_SHOTS=$(abspath $(SHOTS_DIR)) $(BUILD_DIR)/tests/mainwindow/mainwindow_shots
	QUILLBY_SHOTS_DIR=$(abspath $(SHOTS_DIR)) bash scripts/with-audio.sh \
	    $(BUILD_DIR)/tests/editors/editors_shots
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} $(BIN_DIR)/practice_shots $(abspath $(SHOTS_DIR))
	for look in light dark; do for lang in C de_DE.UTF-8; do \
	    [ $$look = light ] || export QUILLBY_SHOTS_DARK=1; \
	    QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} LC_ALL=$$lang LANGUAGE=$${lang%%_*} \
	    $(BUILD_DIR)/tests/import/import_shots $(abspath $(SHOTS_DIR)) || exit 1; done; done
	QUILLBY_SHOTS=$(abspath $(SHOTS_DIR)) $(BUILD_DIR)/tests/installer/installer_setup_tests \
	    --gtest_filter='SetupTest.EveryPageFitsItsTextsInEveryLanguageAndFontSize'
	QUILLBY_SHOTS=$(abspath $(SHOTS_DIR)) $(BUILD_DIR)/tests/installer/installer_uninstall_tests \
	    --gtest_filter='UninstallTest.TheWindowFitsItsTextsInEveryLanguageAndFontSize'
	@echo "The pictures are in $(SHOTS_DIR)."

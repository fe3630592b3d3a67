#!/usr/bin/env bash
# Builds the suites that need no window (the data layer, the practice session, sound) with
# AddressSanitizer and UndefinedBehaviorSanitizer in a build folder of their own, and runs
# them. Any report (a bad read or write, a leak, undefined behaviour) fails the run.
#
#   scripts/sanitize.sh [cmake arguments...]    (make sanitize, called by .ci/run)
#
# QUILLBY_SANITIZE_DIR names the build folder (build-asan by default). Only the suites'
# programs and what they link are built, so the step stays short.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${QUILLBY_SANITIZE_DIR:-build-asan}
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
# GCC's flow analysis is thrown off by the sanitizers' checks: it warns that std::regex's
# inner states "may be used uninitialized". The normal build keeps that warning.
flags="-O1 $sanitizers -fno-omit-frame-pointer -Wno-maybe-uninitialized"
suites=(test_data test_session test_sound test_sound_noserver)
# Checks of how many milliseconds a word takes to start say nothing under the sanitizers,
# which slow every call down; the normal test run keeps them.
timed_checks="-*SpeakingReturnsAtOnceAndEndsByItself*"

if [ ! -f "$build_dir/build.ninja" ] || [ $# -gt 0 ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" "$@"
fi
cmake --build "$build_dir" --target "${suites[@]}"

# Leaks inside the system's own libraries (fonts, sound server, speech engine) are theirs.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()
for suite in "${suites[@]}"; do
    program=$(find "$build_dir" -type f -name "$suite" -perm -u+x | head -n 1)
    echo "== $suite: $program"
    # Sound suites get the private sound server of the normal test run.
    if [ -z "$program" ] ||
        ! timeout 900 bash scripts/with-audio.sh "$program" --gtest_brief=1 \
            --gtest_filter="$timed_checks"; then
        failed+=("$suite")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "sanitize: these suites failed or reported a fault: ${failed[*]}" >&2
    exit 1
fi
echo "sanitize: every suite passed with AddressSanitizer and UndefinedBehaviorSanitizer."

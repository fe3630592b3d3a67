#!/bin/bash
# Runs a command with a private PulseAudio server: a null sink "spk" (the default output) and
# a pipe source "mic" (the default input) that records whatever is written into a named pipe.
#
#   scripts/with-audio.sh <command> [arguments...]
#
# The command sees PULSE_SERVER and XDG_RUNTIME_DIR pointing at that server and
# QUILLBY_TEST_MIC_FIFO naming the pipe. To speak into the microphone from a test: start the
# recording first, then write raw signed 16-bit little-endian mono samples at 11025 Hz into
# the pipe, in whole samples (an even number of bytes per write, at most 4096: the server
# aborts on a partial sample; open it with O_NONBLOCK so a missing server fails at once), e.g.
#   espeak-ng -w word.wav "elephant"
#   sox word.wav -t raw -e signed-integer -b 16 -c 1 -r 11025 - |
#       dd of="$QUILLBY_TEST_MIC_FIFO" bs=4096 iflag=fullblock
# C++ tests link quillby_testaudio (tests/sound/AudioHarness.h): after Record,
#   MicFeeder feeder(SpokenWord("elephant")); feeder.Start();
#   RunEventsUntil([&] { return feeder.Finished(); }, 30000); RunEventsFor(500);
# then Stop. SinkListener and SinkInputCount tell what reached the speaker "spk". Without the variable there is no test server:
# audio tests skip themselves.
#
# scripts/audio-server.sh kills the server or starts it again, for tests of a server that dies.
#
# When pulseaudio is missing or does not start, the command still runs, without the variable.
# The exit status is the command's.

if [ $# -eq 0 ]; then
    echo "usage: $0 <command> [arguments...]" >&2
    exit 2
fi

audio_dir=$(mktemp -d "${TMPDIR:-/tmp}/quillby-audio.XXXXXX") || exec "$@"
pa_pid=""

stop_server() {
    # A server that scripts/audio-server.sh started again has a pid of its own.
    local now_pid
    now_pid=$(cat "$audio_dir/run/pulse/pid" 2>/dev/null)
    [ -n "$now_pid" ] && pa_pid="$now_pid"
    if [ -n "$pa_pid" ] && kill -0 "$pa_pid" 2>/dev/null; then
        kill "$pa_pid" 2>/dev/null
        for _ in $(seq 1 50); do
            kill -0 "$pa_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pa_pid" 2>/dev/null
    fi
    rm -rf "$audio_dir"
}
trap stop_server EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

start_server() {
    command -v pulseaudio >/dev/null 2>&1 || { echo "with-audio: pulseaudio is not installed; running without an audio server" >&2; return 1; }
    local run="$audio_dir/run"
    local fifo="$audio_dir/mic.fifo" # made by the pipe source itself; must not exist before
    local old_runtime_dir="${XDG_RUNTIME_DIR-}"
    mkdir -p "$run" "$audio_dir/home" && chmod 700 "$run" "$audio_dir" || return 1
    cat > "$audio_dir/server.pa" <<CFG
load-module module-native-protocol-unix auth-anonymous=1 socket=$run/pulse/native
load-module module-null-sink sink_name=spk
load-module module-pipe-source source_name=mic file=$fifo format=s16le rate=11025 channels=1
set-default-sink spk
set-default-source mic
CFG
    # As root pulseaudio warns but runs; its own HOME keeps it away from the real one.
    XDG_RUNTIME_DIR="$run" HOME="$audio_dir/home" timeout 30 pulseaudio -n -F "$audio_dir/server.pa" \
        --daemonize=yes --exit-idle-time=-1 --use-pid-file=yes \
        --log-target=file:"$audio_dir/server.log" </dev/null >/dev/null 2>&1
    export XDG_RUNTIME_DIR="$run"
    export PULSE_SERVER="unix:$run/pulse/native"
    for _ in $(seq 1 100); do
        if [ -S "$run/pulse/native" ] && [ -p "$fifo" ] && timeout 5 pactl info >/dev/null 2>&1; then
            pa_pid=$(cat "$run/pulse/pid" 2>/dev/null)
            export QUILLBY_TEST_MIC_FIFO="$fifo"
            export QUILLBY_TEST_AUDIO_DIR="$audio_dir" # for scripts/audio-server.sh
            return 0
        fi
        sleep 0.1
    done
    echo "with-audio: pulseaudio did not start; running without an audio server" >&2
    tail -n 20 "$audio_dir/server.log" >&2 2>/dev/null
    pa_pid=$(cat "$run/pulse/pid" 2>/dev/null)
    unset PULSE_SERVER
    if [ -n "$old_runtime_dir" ]; then export XDG_RUNTIME_DIR="$old_runtime_dir"; else unset XDG_RUNTIME_DIR; fi
    return 1
}

start_server
"$@"
status=$?
exit $status

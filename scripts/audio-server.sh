#!/bin/bash
# Kills or starts again the private sound server of scripts/with-audio.sh, from a command it
# runs: a test of a sound server that dies (kill: SIGKILL, no goodbye to its clients) and of
# one that comes back (start: the same speaker "spk" and microphone "mic", on the same socket).
#
#   scripts/audio-server.sh kill|start
#
# with-audio.sh stops a server started here at its end too.
set -u
audio_dir="${QUILLBY_TEST_AUDIO_DIR:?runs under scripts/with-audio.sh}"
run="$audio_dir/run"
[ -f "$audio_dir/server.pa" ] || { echo "audio-server: no with-audio.sh server here" >&2; exit 2; }
fifo="$audio_dir/mic.fifo"

case "${1-}" in
kill)
    pid=$(cat "$run/pulse/pid" 2>/dev/null) || exit 1
    kill -9 "$pid" || exit 1
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    # A killed pipe source leaves its pipe behind; the next server makes its own.
    rm -f "$fifo" "$run/pulse/pid"
    ;;
start)
    XDG_RUNTIME_DIR="$run" HOME="$audio_dir/home" timeout 30 pulseaudio -n \
        -F "$audio_dir/server.pa" --daemonize=yes --exit-idle-time=-1 --use-pid-file=yes \
        --log-target=file:"$audio_dir/server.log" </dev/null >/dev/null 2>&1
    for _ in $(seq 1 100); do
        if [ -p "$fifo" ] && timeout 5 pactl info >/dev/null 2>&1; then
            exit 0
        fi
        sleep 0.1
    done
    echo "audio-server: the server did not start again" >&2
    exit 1
    ;;
*)
    echo "usage: $0 kill|start" >&2
    exit 2
    ;;
esac

#!/bin/bash
# Runs one end-to-end journey (a Python script) on its own virtual screen, inside its own
# D-Bus session (which starts its own accessibility bus), with a private runtime folder:
#   tests/e2e/run_journey.sh tests/e2e/journey_first_list.py
# Xvfb picks a free display number itself (-displayfd): on a machine shared with other
# virtual screens a number chosen beforehand may already be taken. -noreset: a server resets
# when its last client leaves (the accessibility bus's launcher only looks in briefly), and a
# program that connects during the reset cannot open the display. The screen is set before
# the session starts, so the accessibility bus knows it. Debian's own python3 has the
# GObject bindings (python3-gi).
set -u
runtime=$(mktemp -d "${TMPDIR:-/tmp}/quillby-e2e-run.XXXXXX") || exit 1
chmod 700 "$runtime"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$runtime/display" \
    >"$runtime/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$runtime/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$runtime/display" ]; then
    echo "run_journey: Xvfb did not start" >&2
    cat "$runtime/xvfb.log" >&2
    exit 1
fi

here=$(cd "$(dirname "$0")" && pwd)
DISPLAY=":$(head -n 1 "$runtime/display")" XDG_RUNTIME_DIR="$runtime" \
    PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}" PYTHONUNBUFFERED=1 \
    dbus-run-session -- /usr/bin/python3 "$@" 2> >(grep -v 'Failed to set fd limit' >&2)

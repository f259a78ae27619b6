#!/usr/bin/env bash
# Runs a test on an X server of its own: the test sets properties on the root window that
# would disturb the tests sharing ./test's server. The first free display from :150 on.
set -euo pipefail
for number in $(seq 150 199); do
    if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
        Xvfb ":$number" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        server=$!
        trap 'kill "$server" 2>/dev/null || true' EXIT
        for _ in $(seq 100); do
            [ -e "/tmp/.X11-unix/X$number" ] && break
            sleep 0.1
        done
        DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$@"
        exit $?
    fi
done
echo "no free X display between :150 and :199" >&2
exit 1

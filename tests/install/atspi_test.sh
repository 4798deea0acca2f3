#!/usr/bin/env bash
# Reads the running program through the desktop's accessibility bus, as a
# screen reader does: a private X display and session bus, the AT-SPI bus on
# it, the program with Qt's accessibility switched on, and atspi_check.py.
#   atspi_test.sh PATH_TO_QUORVANTA
set -euo pipefail
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
mkdir -p "$work/home" "$work/config" "$work/run"
chmod 700 "$work/run"

# A display number nobody uses.
display=
for n in $(seq 40 99); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
        display=":$n"
        break
    fi
done
[[ -n "$display" ]] || { echo "FAIL: no free X display"; exit 1; }
Xvfb "$display" -screen 0 1800x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X${display#:} ]] && break
    sleep 0.1
done

export DISPLAY="$display" HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >/dev/null 2>&1 &
    app=$!
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^Quorvanta$" 2>/dev/null | head -1) && [[ -n "$window" ]] && break
        sleep 0.1
    done
    [[ -n "$window" ]] && xdotool windowfocus --sync "$window" 2>/dev/null || true
    /usr/bin/python3 "$2"
    status=$?
    kill $app 2>/dev/null
    exit $status
' atspi "$exe" "$here/atspi_check.py" 2>&1 | grep -v -e 'dbus-daemon' -e 'SpiRegistry'
exit "${PIPESTATUS[0]}"

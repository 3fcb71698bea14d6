#!/usr/bin/env bash
# Runs the clipboard tests on a virtual X server of their own, where another
# program (xclip) reads and writes the clipboard. Exits 77 (skipped) with a
# message where Xvfb or xclip is not installed.
set -u
for tool in Xvfb xclip; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed; run tools/setup" >&2
    exit 77
  fi
done
program=$(realpath "$1")

work=$(mktemp -d)
# The server picks a free display itself and writes its number to fd 3, so
# tests running side by side never race for the same one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  if ! kill -0 "$xvfb" 2>/dev/null; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb named no display" >&2
  exit 1
fi

export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
cd "$work"
"$program"

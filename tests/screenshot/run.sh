#!/usr/bin/env bash
# Starts the real program on a virtual X server, takes a screenshot of the
# screen and checks that the main window drew something. Exits 77 (skipped)
# with a message where Xvfb is not installed.
set -u
program=$1
out=$2
if ! command -v xvfb-run >/dev/null || ! command -v xwd >/dev/null; then
  echo "SKIPPED: xvfb-run or xwd is not installed; run tools/setup" >&2
  exit 77
fi
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The suite runs offscreen; this one test wants the real X server.
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$0" & pid=$!
  for i in $(seq 1 50); do
    sleep 0.2
    if xwininfo -root -tree 2>/dev/null | grep -q "Bitloom v4.02"; then break; fi
  done
  sleep 1
  xwd -root -silent > "$1/screen.xwd"
  kill $pid
' "$program" "$out" || exit 1
# A blank screen converts to a single colour; a drawn window has many.
colours=$(convert "$out/screen.xwd" -format '%k' info: 2>/dev/null)
convert "$out/screen.xwd" "$out/screen.png" 2>/dev/null
echo "screenshot: $out/screen.png, $colours colours"
[ -n "$colours" ] && [ "$colours" -gt 20 ]

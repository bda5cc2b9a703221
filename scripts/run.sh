#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds kuyu and starts it on the bundled sample data, with data/sample as
# the current folder so the category illustrations and plant pictures are
# found there. Arguments are passed on to kuyu (a database path, say).
#
# Without a display ($DISPLAY empty) it runs kuyu on a virtual screen, saves
# a screenshot after a few seconds and ends it:
#   KUYU_SCREENSHOT  file to write (default: screenshots/run.png)
#   KUYU_SCREEN      screen size (default: 1280x1024)
#   KUYU_WAIT        seconds to wait before the shot (default: 4)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/bootstrap.sh"
BUILD="$(realpath -m "${KUYU_BUILD_DIR:-$ROOT/build}")"
. "$ROOT/scripts/build-flags.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$KUYU_RELWITHDEBINFO_FLAGS" -DKUYU_UNITY_BUILD="$KUYU_UNITY_BUILD" >/dev/null
cmake --build "$BUILD" --target kuyu -j "$(nproc)"

KUYU="$BUILD/app/kuyu"
SAMPLE="$ROOT/data/sample"
cd "$SAMPLE"

# Inside a session bus of its own, which ends with the program: no bus
# daemon is left behind, whichever way the program ends.
SESSION=()
if command -v dbus-run-session >/dev/null; then SESSION=(dbus-run-session --); fi

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "${SESSION[@]}" "$KUYU" "$@"
fi

SHOT="${KUYU_SCREENSHOT:-$ROOT/screenshots/run.png}"
case "$SHOT" in /*) ;; *) SHOT="$ROOT/$SHOT" ;; esac
mkdir -p "$(dirname "$SHOT")"
export KUYU SHOT KUYU_WAIT="${KUYU_WAIT:-4}"
echo "run: no display; starting kuyu on a virtual screen (${KUYU_SCREEN:-1280x1024})"
xvfb-run -a -s "-screen 0 ${KUYU_SCREEN:-1280x1024}x24" "${SESSION[@]}" bash -c '
  "$KUYU" "$@" &
  pid=$!
  sleep "$KUYU_WAIT"
  import -window root "$SHOT"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' kuyu-run "$@"
echo "run: screenshot saved to $SHOT"

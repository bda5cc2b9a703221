#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the sample pictures, illustrations and videos in data/sample/
# from the sample plant table. Needs the Qt build (KUYU_BUILD_GUI=ON).
#
#   tools/sampledata/regenerate.sh [build-folder]
#
# The plant table is rebuilt first when its builder is present. The tool
# writes the videos itself (motion JPEG in AVI); when gst-launch-1.0 is
# installed (Debian: gstreamer1.0-tools) every video is played through
# GStreamer's AVI demuxer and JPEG decoder as a check.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build-sampledata}"
sample="$root/data/sample"

if [[ -f "$here/build_tables.py" ]]; then
  python3 "$here/build_tables.py"
fi
if [[ ! -f "$sample/KUYU.DAT" ]]; then
  echo "regenerate.sh: $sample/KUYU.DAT is missing" >&2
  exit 1
fi

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G Ninja
fi
ninja -C "$build" kuyu-sampledata

QT_QPA_PLATFORM=offscreen "$build/tools/sampledata/kuyu-sampledata" "$sample/KUYU.DAT" "$sample"

if command -v gst-launch-1.0 >/dev/null; then
  shopt -s nullglob
  for video in "$sample"/*.avi; do
    gst-launch-1.0 -q filesrc location="$video" ! avidemux ! jpegdec ! fakesink
  done
  echo "videos decode through GStreamer"
fi
du -sh "$sample"

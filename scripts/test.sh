#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test. Installs missing packages first.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/bootstrap.sh"
BUILD="$(realpath -m "${KUYU_BUILD_DIR:-$ROOT/build}")"
. "$ROOT/scripts/build-flags.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$KUYU_RELWITHDEBINFO_FLAGS" -DKUYU_UNITY_BUILD="$KUYU_UNITY_BUILD" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
cd "$BUILD"
ctest --output-on-failure -j "$(nproc)" --timeout 300

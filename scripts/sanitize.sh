#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer in
# its own build folder and runs them all. .ci/run calls it after the normal
# suite. Leak checking is on for the core, Pi and command-line tests; the
# window tests run without it, since Qt and fontconfig keep caches for the
# life of the process.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/bootstrap.sh"
BUILD="$(realpath -m "${KUYU_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}")"
. "$ROOT/scripts/build-flags.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKUYU_SANITIZE=ON \
  -DKUYU_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG="$KUYU_SANITIZE_FLAGS" \
  -DKUYU_UNITY_BUILD="$KUYU_UNITY_BUILD" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
cd "$BUILD"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$(nproc)" --timeout 600 -E '^(gui_|kuyu_sampledata)'
ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$(nproc)" --timeout 600 -R '^(gui_|kuyu_sampledata)'

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) and runs one, or each in turn, for a bounded time.
#
#   scripts/fuzz.sh [SECONDS] [TARGET|all]
#
# TARGET: pi (default), fieldreader, database, alias, cp932, names, note.
# The committed seeds in fuzz/corpus/TARGET are read; the working corpus,
# the build and any crash inputs live outside the source tree:
#   FUZZ_BUILD_DIR  build folder      (default ~/.cache/kuyu/fuzz-build-*)
#   FUZZ_WORK_DIR   working corpora   (default ~/.cache/kuyu/fuzz-corpus)
#   FUZZ_RUNS=N     stop after N executions as well
#   FUZZ_JOBS=N     N fuzzing processes; FUZZ_REGEN=1 rewrites the Pi seeds
# Each run ends with libFuzzer's statistics (executions, coverage). An input
# that finds a fault goes into fuzz/corpus/TARGET as regression-NAME once it
# is fixed; the tests run every such Pi input (tests/pi/FuzzInputsTest.cpp).
set -euo pipefail

seconds=${1:-60}
target=${2:-pi}
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kuyu
# One build folder per checkout, so two checkouts never share a CMake cache.
out=${FUZZ_BUILD_DIR:-$cache/fuzz-build-$(printf '%s' "$root" | md5sum | cut -c1-8)}
work_root=${FUZZ_WORK_DIR:-$cache/fuzz-corpus}
all_targets=(pi fieldreader database alias cp932 names note)

case "$target" in
all) targets=("${all_targets[@]}") ;;
*)
    if [[ ! " ${all_targets[*]} " =~ " $target " ]]; then
        echo "unknown target: $target (one of: ${all_targets[*]} all)" >&2
        exit 2
    fi
    targets=("$target")
    ;;
esac

echo "building fuzz targets in $out"
CC=${CC_FUZZ:-clang} CXX=${CXX_FUZZ:-clang++} cmake -S "$root" -B "$out" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKUYU_FUZZ=ON -DKUYU_BUILD_GUI=OFF \
    -DKUYU_BUILD_TESTS=OFF -DKUYU_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" --target "${targets[@]/%/_fuzz}" make_corpus

for t in "${targets[@]}"; do
    seeds="$root/fuzz/corpus/$t"
    mkdir -p "$seeds"
    if [[ "$t" == pi && ( -n "${FUZZ_REGEN:-}" || -z "$(ls -A "$seeds")" ) ]]; then
        "$out/fuzz/make_corpus" "$seeds"
    fi
    work="$work_root/$t"
    crashes="$out/crashes/$t"
    mkdir -p "$work" "$crashes"
    args=(-max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=30
          -print_final_stats=1 -artifact_prefix="$crashes/")
    [[ -n "${FUZZ_RUNS:-}" ]] && args+=(-runs="$FUZZ_RUNS")
    jobs=${FUZZ_JOBS:-1}
    if ((jobs > 1)); then
        args+=(-jobs="$jobs" -workers="$jobs")
    fi
    echo "== $t"
    (cd "$out" && "./fuzz/${t}_fuzz" "${args[@]}" "$work" "$seeds")
done

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) in their own build folder and runs one for a bounded time.
#
#   scripts/fuzz.sh [SECONDS] [TARGET]     TARGET: pi (default) or fieldreader
#
# The committed seed corpus in fuzz/corpus/TARGET is read; new inputs go to
# fuzz/corpus-work/TARGET (not committed). Crashes land in the build folder.
# FUZZ_JOBS=N runs N fuzzing processes; FUZZ_REGEN=1 rewrites the Pi seeds.
set -euo pipefail

seconds=${1:-60}
target=${2:-pi}
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}
mkdir -p "$out"

cxx=${CXX_FUZZ:-clang++}
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -I"$root")
san=(-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

# Sources each target needs (plain clang++ commands: the normal build never
# sees these targets).
core_text=("$root/core/text/Text.cpp")
case "$target" in
pi)
    sources=("$root/fuzz/pi_fuzz.cpp" "$root/pi/PiDecoder.cpp" "$root/core/files/Files.cpp" "${core_text[@]}")
    ;;
fieldreader)
    sources=("$root/fuzz/fieldreader_fuzz.cpp" "$root/core/database/FieldReader.cpp" "${core_text[@]}")
    ;;
*)
    echo "unknown target: $target" >&2
    exit 2
    ;;
esac

echo "building $target fuzzer in $out"
"$cxx" "${flags[@]}" "${san[@]}" "${sources[@]}" -o "$out/${target}_fuzz"

seeds="$root/fuzz/corpus/$target"
mkdir -p "$seeds"
if [[ "$target" == pi && ( -n "${FUZZ_REGEN:-}" || -z "$(ls -A "$seeds")" ) ]]; then
    "$cxx" "${flags[@]}" "$root/fuzz/make_corpus.cpp" "$root/pi/PiEncoder.cpp" -o "$out/make_corpus"
    "$out/make_corpus" "$seeds"
fi

work="$root/fuzz/corpus-work/$target"
mkdir -p "$work"
cd "$out"
args=(-max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 -print_final_stats=1)
jobs=${FUZZ_JOBS:-1}
if ((jobs > 1)); then
    # Parallel runs write their output to fuzz-N.log in the build folder.
    args+=(-jobs="$jobs" -workers="$jobs")
fi
exec "./${target}_fuzz" "${args[@]}" "$work" "$seeds"

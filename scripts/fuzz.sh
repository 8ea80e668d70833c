#!/usr/bin/env bash
# fuzz.sh: builds the libFuzzer targets with clang-14 (installing it if missing) and runs one of them.
# Usage: scripts/fuzz.sh intersect_fuzzer|event_fuzzer|link_fuzzer [seconds, default 60]
# The corpus grows in build/fuzz/corpus/<target>, starting from the seeds in tests/fuzz/corpus/<target>;
# libFuzzer's log goes to build/fuzz/<target>.log and a failing input to build/fuzz/artifacts/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

target="${1:-}"
seconds="${2:-60}"
case "$target" in
  # The crossing reads only the first 64 bytes: eight doubles.
  intersect_fuzzer) options=(-max_len=64) ;;
  event_fuzzer) options=() ;;
  # Link text up to a little past the longest address taken, built from the format's own pieces.
  link_fuzzer) options=(-max_len=2100) ;;
  *) echo "usage: $0 intersect_fuzzer|event_fuzzer|link_fuzzer [seconds]" >&2; exit 2 ;;
esac

cd "$QUILLMARK_ROOT"
# Fuzzers run one a core, several at once (.ci/run): each installs and builds in turn, as apt-get and
# a build folder take one at a time.
mkdir -p build
exec {build_lock}>build/fuzz.lock
flock "$build_lock"
# The fuzz build needs clang and its sanitizer runtimes on top of what every build needs.
ensure_packages BUILD FUZZ
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "$target" >/dev/null
flock --unlock "$build_lock"

corpus="build/fuzz/corpus/$target"
log="build/fuzz/$target.log"
mkdir -p "$corpus" build/fuzz/artifacts
echo "Fuzzing $target for $seconds s (log: $log)"
# The program's warning lines and libFuzzer's progress go to the log; the summary comes here.
if "build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/artifacts/ "${options[@]}" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
  grep -E "^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)" "$log"
else
  tail -n 60 "$log"
  echo "$target found a failure; the input is in build/fuzz/artifacts/" >&2
  exit 1
fi

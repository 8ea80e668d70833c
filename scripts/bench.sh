#!/usr/bin/env bash
# bench.sh: builds the benchmarks in Release and times the straightforward and the fast frame in
# one run, then prints each fast version's speed-up (medians of CPU time).
# Usage: scripts/bench.sh [repetitions, default 10] [extra Google Benchmark options...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

repetitions="${1:-10}"
shift || true

ensure_packages BUILD BENCH

build="$QUILLMARK_ROOT/build/bench"
cmake -S "$QUILLMARK_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLMARK_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target frame_bench -j "$(nproc)"

"$build/bench/frame_bench" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
  --benchmark_out="$build/frame_bench.json" --benchmark_out_format=json "$@"

python3 - "$build/frame_bench.json" <<'PY'
import json, sys

medians = {b["run_name"]: b["cpu_time"] * {"ns": 1e-3, "us": 1, "ms": 1e3}[b["time_unit"]]
           for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
pairs = [("marker pass", "markerPass/straightforward/{}", "markerPass/fast/{}"),
         ("crossing search, portable classifier", "straightforwardCrossingSearch/{}", "crossingSearch/portable/{}"),
         ("crossing search, AVX2 classifier", "straightforwardCrossingSearch/{}", "crossingSearch/avx2/{}"),
         ("Bezier pass", "bezierPass/straightforward/{}", "bezierPass/fast/{}"),
         ("wave pass", "wavePassStraightforward/{}", "wavePassFast/{}"),
         ("whole frame", "wholeFrame/straightforward/{}", "wholeFrame/fast/{}")]
print("\nMedian CPU time per call, straightforward -> fast (speed-up):")
for label, slow, fast in pairs:
    for points in (101, 513):
        s, f = medians.get(slow.format(points)), medians.get(fast.format(points))
        if s and f:
            print(f"  {label:38} {points:3} points: {s:9.1f} us -> {f:8.1f} us  ({s / f:4.1f}x)")
PY

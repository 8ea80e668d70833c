// frame_bench.cpp: the straightforward and the fast frame timed side by side, pass by pass and whole.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <vector>

#include "app/scene_state.h"
#include "geometry/curve_samples.h"
#include "geometry/self_crossings.h"
#include "render/display.h"
#include "render/markers.h"
#include "support/reference_frame.h"

namespace {

// The frame every benchmark draws: twelve half-waves of amplitude 0.3, which cross one another,
// with as many wave points as the benchmark's argument: 101 (100 steps) or 513 (512 steps).
void setUpScene(const benchmark::State& state) {
    scene = SceneState{};
    scene.waveCount = 12;
    scene.waveAmplitude = 0.3;
    scene.segmentCount = static_cast<double>(state.range(0) - 1);
    scene.parameterStep = 1 / scene.segmentCount;
    referenceDisplay();
}

SampleLoop sceneLoop() {
    return {scene.segmentCount, scene.parameterStep};
}

// Pass 4 with its GL calls.
void markerPass(benchmark::State& state, void (*pass)()) {
    setUpScene(state);
    for (auto _ : state) pass();
}

// The all-pairs search alone with a chosen classifier, against one intersectSegments per pair.
void crossingSearch(benchmark::State& state, SideClassifier classifier) {
    setUpScene(state);
    if (!classifierAvailable(classifier)) {
        state.SkipWithError("classifier not available on this processor");
        return;
    }
    SelfCrossingScratch scratch;
    scratch.classifier = classifier;
    for (auto _ : state) {
        std::size_t found = 0;
        forEachSelfCrossing(scene.wavePolyline, scratch, [&](std::size_t, std::size_t, const Point2d&) { ++found; });
        benchmark::DoNotOptimize(found);
    }
}

void straightforwardCrossingSearch(benchmark::State& state) {
    setUpScene(state);
    for (auto _ : state) {
        std::size_t found = 0;
        forEachSegmentPair(scene.wavePolyline, [&](std::size_t, std::size_t, const Point2d& r) {
            if (r.x != NO_INTERSECTION.x || r.y != NO_INTERSECTION.y) ++found;
        });
        benchmark::DoNotOptimize(found);
    }
}

using BezierSampler = void (*)(const ControlPoints&, const SampleLoop&, std::vector<Point2d>&);

// Pass 1's points, straightforward or fast.
void bezierPass(benchmark::State& state, BezierSampler sample) {
    setUpScene(state);
    std::vector<Point2d> pairs;
    for (auto _ : state) {
        sample(scene.controlPoints, sceneLoop(), pairs);
        benchmark::DoNotOptimize(pairs.data());
    }
}

// Pass 3's points; the fast pass takes its curve points from pass 1, the straightforward one
// evaluates them again inside wavePoint.
void wavePassStraightforward(benchmark::State& state) {
    setUpScene(state);
    std::vector<Point2d> pairs;
    for (auto _ : state) {
        referenceWaveSamples(scene.controlPoints, sceneWave(), sceneLoop(), pairs);
        benchmark::DoNotOptimize(pairs.data());
    }
}

void wavePassFast(benchmark::State& state) {
    setUpScene(state);
    std::vector<Point2d> curve, pairs;
    sampleBezierCurve(scene.controlPoints, sceneLoop(), curve);
    for (auto _ : state) {
        sampleWaveCurve(scene.controlPoints, sceneWave(), sceneLoop(), curve, pairs);
        benchmark::DoNotOptimize(pairs.data());
    }
}

// All four passes with their GL calls going nowhere.
void wholeFrame(benchmark::State& state, void (*draw)()) {
    setUpScene(state);
    for (auto _ : state) draw();
}

// The fast frame with "warning :" lines: P1 on P0 prints one a frame (t = 0.000), all four corners on
// one spot one for every wave point. They go to /dev/null through the block-buffered stream, as
// into a file or a pipe.
void frameWithWarnings(benchmark::State& state, bool everyPoint) {
    setUpScene(state);
    ControlPoints& p = scene.controlPoints;
    p[1] = p[0];
    if (everyPoint) p[3] = p[2] = p[0];
    std::fflush(stdout);
    const int console = dup(STDOUT_FILENO);
    const int sink = open("/dev/null", O_WRONLY);
    dup2(sink, STDOUT_FILENO);
    for (auto _ : state) display();
    std::fflush(stdout);
    dup2(console, STDOUT_FILENO);
    close(sink);
    close(console);
}

}  // namespace

BENCHMARK_CAPTURE(markerPass, straightforward, referenceMarkerPass)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(markerPass, fast, drawIntersectionMarkers)->Arg(101)->Arg(513);
BENCHMARK(straightforwardCrossingSearch)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(crossingSearch, portable, SideClassifier::Portable)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(crossingSearch, avx2, SideClassifier::Avx2)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(bezierPass, straightforward, referenceBezierSamples)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(bezierPass, fast, sampleBezierCurve)->Arg(101)->Arg(513);
BENCHMARK(wavePassStraightforward)->Arg(101)->Arg(513);
BENCHMARK(wavePassFast)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(wholeFrame, straightforward, referenceDisplay)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(wholeFrame, fast, display)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(frameWithWarnings, oneLine, false)->Arg(101)->Arg(513);
BENCHMARK_CAPTURE(frameWithWarnings, everyPoint, true)->Arg(101)->Arg(513);

int main(int argc, char** argv) {
    // Standard output as the program has it in a file or a pipe, also when the report goes to a terminal.
    std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

// Opening a project whose image is an 8000 x 6000 PNG (48 megapixels) through the Open command
// of the real main window, up to the first frame the view paints of it. Reference: the bare
// decode of the same PNG by the program's own decoder.
#include "bench/BenchWindow.h"
#include "images/ImageLoading.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

using namespace kvx;
using namespace kvx::bench;

constexpr int kOpenWidth = 8000;
constexpr int kOpenHeight = 6000;
constexpr int kFrameTimeoutMs = 120000;

const std::string& LargePngPath() {
    static const std::string path = CachedPng(kOpenWidth, kOpenHeight);
    return path;
}

const std::string& LargeProject() {
    static const std::string path =
        LargePngPath().empty()
            ? std::string()
            : WriteProject("gross48.kvx", LargePngPath(), kOpenWidth, kOpenHeight, 100);
    return path;
}

void BM_OpenProject48MP(benchmark::State& state) {
    if (LargeProject().empty()) {
        state.SkipWithError("the project could not be written");
        return;
    }
    TBenchWindow window;
    for (auto _ : state) {
        // Each open starts from an empty window, as the first open of a session does.
        state.PauseTiming();
        window.Main().ResetEditor();
        QApplication::processEvents();
        const int frames = window.Frames();
        state.ResumeTiming();
        window.Open(LargeProject());
        if (!window.WaitForFrame(frames, kFrameTimeoutMs)) {
            state.SkipWithError("no frame of the opened project was painted");
            break;
        }
    }
}

void BM_OpenReferenceDecode(benchmark::State& state) {
    if (LargePngPath().empty()) {
        state.SkipWithError("the image could not be written");
        return;
    }
    std::optional<QImage> image;
    for (auto _ : state) {
        // The previous image goes outside the timing, as the window's map does above.
        state.PauseTiming();
        image.reset();
        state.ResumeTiming();
        image = DecodePng(LargePngPath());
        if (!image) {
            state.SkipWithError("the image could not be decoded");
            break;
        }
        benchmark::DoNotOptimize(image->constBits());
    }
}

} // namespace

BENCHMARK(BM_OpenProject48MP)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenReferenceDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// RenderView in the real main window (offscreen): the copy of the image, the drawing of the
// areas and the copy or stretch into a view of 1200 x 800. Reference: one memcpy of the
// image's pixels plus one memcpy of the view's pixels.
#include "editor/DisplayView.h"
#include "editor/FrmMain.h"
#include "model/AreaFromCoordinates.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstring>
#include <random>

namespace {

using namespace kvx;

constexpr int kViewWidth = 1200;
constexpr int kViewHeight = 800;

QImage PhotoLikeImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
        }
    }
    return image;
}

const QImage& Image(int width) {
    static QImage small = PhotoLikeImage(4000, 3000);
    static QImage large = PhotoLikeImage(8000, 6000);
    return width == 4000 ? small : large;
}

// A main window whose view shows 1200 x 800 window pixels, with a map of `areas` areas of all
// three shapes scattered over the image, some selected, some in contrast mode.
std::unique_ptr<TfrmMain> MakeWindow(const QImage& image, int areas, int zoomPercent) {
    auto window = std::make_unique<TfrmMain>();
    TMapDocument& document = window->Document();
    document.CurrentMap = std::make_unique<TImageMap>();
    document.CurrentMap->Name = "karte";
    document.CurrentMap->ImageFile = "bild.png";
    document.SourceBitmap = image;
    window->SetUpEditorForMap();
    std::mt19937 random(42);
    std::uniform_int_distribution<int> x(0, image.width() - 200);
    std::uniform_int_distribution<int> y(0, image.height() - 200);
    TImageMap& map = *document.CurrentMap;
    for (int i = 0; i < areas; ++i) {
        const int kind = 1 + i % 3;
        const int left = x(random);
        const int top = y(random);
        const std::vector<std::int32_t> coords[] = {
            {left, top, left + 150, top + 120},
            {left, top, 150},
            {left, top, left + 150, top + 120, left, top + 180}};
        AddAreaFromCoordinates(map, static_cast<std::uint8_t>(kind), coords[kind - 1]);
        TLinkAreaProperties props;
        map.GetSelectedProperties(props);
        props.Contrast = i % 2 == 0;
        props.Color = 0x0000FF;
        map.SetSelectedProperties(props);
    }
    // The window's layout decides the viewport; size it so the view gets 1200 x 800.
    window->resize(kViewWidth + 400, kViewHeight + 200);
    window->show();
    const QSize viewport = window->State().ViewportSize;
    window->resize(window->width() + kViewWidth - viewport.width(),
                   window->height() + kViewHeight - viewport.height());
    window->State().ZoomFactor = static_cast<float>(zoomPercent) / 100.0f;
    window->AdjustView();
    return window;
}

void BM_RenderView(benchmark::State& state) {
    const QImage& image = Image(static_cast<int>(state.range(0)));
    const auto window =
        MakeWindow(image, static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    for (auto _ : state) {
        window->RenderView();
        benchmark::DoNotOptimize(window->pbxDisplay->BackBuffer().constBits());
    }
    state.counters["view_w"] = window->pbxDisplay->width();
    state.counters["view_h"] = window->pbxDisplay->height();
}

void BM_RenderReference(benchmark::State& state) {
    const QImage& image = Image(static_cast<int>(state.range(0)));
    QImage work(image.size(), QImage::Format_RGB32);
    QImage view(kViewWidth, kViewHeight, QImage::Format_RGB32);
    QImage viewSource(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        std::memcpy(work.bits(), image.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
        std::memcpy(view.bits(), viewSource.constBits(),
                    static_cast<std::size_t>(view.sizeInBytes()));
        benchmark::DoNotOptimize(work.constBits());
        benchmark::DoNotOptimize(view.constBits());
    }
}

void RenderCases(benchmark::internal::Benchmark* b) {
    for (const int width : {4000, 8000}) {
        for (const int areas : {0, 100, 1000}) {
            for (const int zoom : {25, 100, 400}) {
                b->Args({width, areas, zoom});
            }
        }
    }
    b->ArgNames({"image", "areas", "zoom"})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_RenderView)->Apply(RenderCases);
BENCHMARK(BM_RenderReference)
    ->Arg(4000)
    ->Arg(8000)
    ->ArgName("image")
    ->Unit(benchmark::kMillisecond);

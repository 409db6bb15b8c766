// Editing in the real main window (offscreen, 1200 x 800, zoom 100 %, scrolled to the middle of
// a 4000 x 3000 image): from the mouse event sent to the view to the finished frame. Reference:
// the same view with the same map and selection rendered and painted, no event handling.
#include "bench/BenchWindow.h"
#include "editor/DisplayView.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

using namespace kvx;
using namespace kvx::bench;

// Pointer offset of a drag step: the pointer goes there and back, so the area stays in place.
constexpr QPoint kDragStep{4, 3};

// The editing project of `areas` areas open in a window, area A selected by a click.
std::unique_ptr<TBenchWindow> OpenEditingWindow(benchmark::State& state) {
    const std::string& project = EditingProject(static_cast<int>(state.range(0)));
    auto window = std::make_unique<TBenchWindow>();
    if (project.empty()) {
        state.SkipWithError("the project could not be written");
        return nullptr;
    }
    window->Open(project);
    if (!window->Main().HasMap()) {
        state.SkipWithError("the project did not open");
        return nullptr;
    }
    window->ScrollToMiddle();
    window->Press(TEditingMap::RectangleCentre);
    window->Release(TEditingMap::RectangleCentre);
    window->Repaint();
    if (window->Main().Document().CurrentMap->SelectedId() == 0) {
        state.SkipWithError("the click did not select the rectangle");
        return nullptr;
    }
    const QSize view = window->Main().pbxDisplay->size();
    state.counters["view_w"] = view.width();
    state.counters["view_h"] = view.height();
    return window;
}

void BM_WindowSelect(benchmark::State& state) {
    const auto window = OpenEditingWindow(state);
    if (!window) {
        return;
    }
    const TImageMap& map = *window->Main().Document().CurrentMap;
    const QPoint targets[] = {TEditingMap::CircleCentre, TEditingMap::RectangleCentre};
    std::size_t next = 0;
    std::int32_t last = map.SelectedId();
    bool changed = true;
    for (auto _ : state) {
        const QPoint p = targets[next];
        next ^= 1;
        window->Press(p);
        window->Release(p);
        window->Repaint();
        changed = changed && map.SelectedId() != last && map.SelectedId() != 0;
        last = map.SelectedId();
    }
    if (!changed) {
        state.SkipWithError("a click did not change the selection");
    }
}

// One mouse move with the button held per iteration, after a press at grip on area A.
void DragSteps(benchmark::State& state, QPoint grip, std::uint8_t expectedDrag) {
    const auto window = OpenEditingWindow(state);
    if (!window) {
        return;
    }
    window->Press(grip);
    if (window->Main().State().DragState != expectedDrag) {
        state.SkipWithError("the press did not grab the area as intended");
        return;
    }
    bool out = false;
    for (auto _ : state) {
        out = !out;
        window->MoveTo(out ? grip + kDragStep : grip, true);
        window->Repaint();
    }
    window->Release(out ? grip + kDragStep : grip);
}

void BM_WindowDragMove(benchmark::State& state) {
    DragSteps(state, TEditingMap::RectangleCentre, dsMoving);
}

void BM_WindowHandleDrag(benchmark::State& state) {
    DragSteps(state, TEditingMap::RectangleCorner, dsHandle);
}

void BM_WindowBareRender(benchmark::State& state) {
    const auto window = OpenEditingWindow(state);
    if (!window) {
        return;
    }
    for (auto _ : state) {
        window->Main().RenderView();
        window->Repaint();
    }
}

void EditingCases(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->ArgName("areas")->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_WindowSelect)->Apply(EditingCases);
BENCHMARK(BM_WindowDragMove)->Apply(EditingCases);
BENCHMARK(BM_WindowHandleDrag)->Apply(EditingCases);
BENCHMARK(BM_WindowBareRender)->Apply(EditingCases);

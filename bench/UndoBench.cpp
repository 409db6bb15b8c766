// The undo history's memory: 1,000 steps of every kind on a map of 1,000 areas. The heap the
// steps hold is set beside the heap of the map itself (target: under 10 MB beyond the map).
#include "editor/MapEdits.h"
#include "model/AreaFromCoordinates.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <random>

namespace {

using namespace kvx;

double HeapBytes() {
    return static_cast<double>(mallinfo2().uordblks);
}

// 1,000 areas of all three shapes, polygons of eight vertices, each with a link.
void FillMap(TImageMap& map, std::mt19937& random) {
    std::uniform_int_distribution<int> at(0, 3800);
    for (int i = 0; i < 1000; ++i) {
        const auto kind = static_cast<std::uint8_t>(1 + i % 3);
        std::vector<std::int32_t> coords;
        for (int n = kind == akCircle ? 3 : kind == akRectangle ? 4 : 16; n > 0; --n) {
            coords.push_back(at(random));
        }
        AddAreaFromCoordinates(map, kind, coords);
        TLinkAreaProperties props;
        map.GetSelectedProperties(props);
        props.Href = "seiten/bereich" + std::to_string(i) + ".htm";
        props.Alt = "Bereich " + std::to_string(i);
        map.SetSelectedProperties(props);
    }
    map.ClearSelection();
}

// One step of each kind in turn: a move, a panel store, a duplicate, a delete, to front.
void MakeStep(TMapEdits& edits, std::mt19937& random, int step) {
    TImageMap& map = edits.Map();
    const auto& entry = map.Entries()[std::uniform_int_distribution<std::size_t>(
        0, map.Entries().size() - 1)(random)];
    edits.Select(entry.Id);
    TLinkAreaProperties props;
    map.GetSelectedProperties(props);
    std::string status;
    switch (step % 5) {
    case 0: {
        const QPoint p(std::stoi(props.Coords[1]), std::stoi(props.Coords[3]));
        const THitResult grip = edits.Grab(TPointer::AtPixel(p.x(), p.y()), status);
        edits.DragGrabbed(grip, p, p + QPoint(7, 5), status);
        edits.FinishGesture();
        break;
    }
    case 1:
        props.Href += "?neu";
        edits.StoreArea(props);
        break;
    case 2:
        edits.DuplicateSelected();
        break;
    case 3:
        edits.DeleteSelected();
        break;
    default:
        edits.BringSelectedToFront();
        break;
    }
}

void BM_UndoHistoryMemory(benchmark::State& state) {
    double mapBytes = 0;
    double historyBytes = 0;
    double steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::mt19937 random(11);
        TMapDocument document;
        const double empty = HeapBytes();
        document.CurrentMap = std::make_unique<TImageMap>();
        FillMap(*document.CurrentMap, random);
        mapBytes = HeapBytes() - empty;
        TMapEdits edits(document, nullptr);
        const double before = HeapBytes();
        state.ResumeTiming();
        // A move by a bring-to-front of the first area changes nothing and leaves no step.
        for (int step = 0; edits.Stack().count() < 1000; ++step) {
            MakeStep(edits, random, step);
        }
        state.PauseTiming();
        historyBytes = HeapBytes() - before;
        steps = edits.Stack().count();
        state.ResumeTiming();
    }
    state.counters["map_MB"] = mapBytes / 1e6;
    state.counters["history_MB"] = historyBytes / 1e6;
    state.counters["steps"] = steps;
}

} // namespace

BENCHMARK(BM_UndoHistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

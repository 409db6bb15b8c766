// Reading generated pages: the three passes and the area creation (the image is 1 x 1 pixel,
// so its load does not count). Reference: one memchr pass for "<" over the same text.
#include "bench/GeneratedPage.h"
#include "formats/MapDefinitionReader.h"
#include "formats/MapReaderHost.h"
#include "images/ImageFiles.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <map>

namespace {

using namespace kvx;

class BenchHost : public TMapReaderHost {
public:
    void ShowMessage(TMessageKind, const std::string& text, int) override { Message = text; }
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>&) override { return 0; }
    std::optional<std::string> ChooseImageFile(const std::string&, const std::string&,
                                               const std::string&) override {
        return std::nullopt;
    }
    std::string Message;
};

struct PageFixture {
    QTemporaryDir Folder;
    std::string Source;
    std::string Text;
};

// Pages are generated once per size and kept for all repetitions.
const PageFixture& Page(std::size_t megabytes, int areas) {
    static std::map<std::pair<std::size_t, int>, std::unique_ptr<PageFixture>> pages;
    auto& slot = pages[{megabytes, areas}];
    if (!slot) {
        slot = std::make_unique<PageFixture>();
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(slot->Folder.filePath("bild.png"));
        slot->Source = slot->Folder.filePath("seite.htm").toStdString();
        slot->Text = bench::GeneratePage(megabytes << 20, areas, "bild.png");
    }
    return *slot;
}

void BM_ReadMapDefinition(benchmark::State& state) {
    const PageFixture& page = Page(state.range(0), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        BenchHost host;
        const TMapReadResult read = ReadMapDefinition(page.Text, page.Source, host, TImageFiles());
        if (!read || read.Map->Entries().size() != static_cast<std::size_t>(state.range(1))) {
            state.SkipWithError(("reading failed: " + host.Message).c_str());
            break;
        }
        benchmark::DoNotOptimize(read.Map.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.Text.size()));
}

void BM_ReadReferenceMemchr(benchmark::State& state) {
    const PageFixture& page = Page(state.range(0), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::size_t count = 0;
        const char* p = page.Text.data();
        const char* end = p + page.Text.size();
        while ((p = static_cast<const char*>(std::memchr(p, '<', end - p))) != nullptr) {
            ++count;
            ++p;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.Text.size()));
}

void PageSizes(benchmark::internal::Benchmark* b) {
    b->Args({1, 1000})->Args({10, 10000})->Args({50, 50000})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ReadMapDefinition)->Apply(PageSizes);
BENCHMARK(BM_ReadReferenceMemchr)->Apply(PageSizes);

namespace {

// Hostile pages: every "<" opens a tag that never closes, a quote opened early never closes,
// or map start tags follow each other without ever closing. Time must stay linear.
void BM_ReadHostilePage(benchmark::State& state) {
    static const char* const patterns[] = {"<a ", "x=\"a<b ", "<map name=\"m\"<area "};
    const std::string pattern = patterns[state.range(0)];
    std::string text;
    text.reserve(20u << 20);
    while (text.size() < (20u << 20)) {
        text += pattern;
    }
    for (auto _ : state) {
        BenchHost host;
        const TMapReadResult read =
            ReadMapDefinition(text, "/nirgends/seite.htm", host, TImageFiles());
        benchmark::DoNotOptimize(read.Map.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

} // namespace

BENCHMARK(BM_ReadHostilePage)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

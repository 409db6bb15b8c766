// Checking the generated 50 MB page of 50,000 areas against reading it alone (what
// "kvxtool info" does before its JSON), on an image the areas overlap heavily.
#include "bench/GeneratedPage.h"
#include "checks/MapCheck.h"
#include "formats/MapDefinitionReader.h"
#include "formats/MapReaderHost.h"
#include "images/ImageFiles.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace kvx;

class SilentHost : public TMapReaderHost {
public:
    void ShowMessage(TMessageKind, const std::string&, int) override {}
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>&) override { return 0; }
    std::optional<std::string> ChooseImageFile(const std::string&, const std::string&,
                                               const std::string&) override {
        return std::nullopt;
    }
};

struct CheckPage {
    QTemporaryDir Folder;
    std::string Source;
    std::string Text;

    CheckPage() {
        // Wide enough that every rectangle, circle and polygon of the page lies on it.
        QImage image(10000, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(Folder.filePath("bild.png"));
        Source = Folder.filePath("seite.htm").toStdString();
        Text = bench::GeneratePage(50u << 20, 50000, "bild.png");
    }
};

const CheckPage& Page() {
    static const CheckPage page;
    return page;
}

void BM_CheckGeneratedPage(benchmark::State& state) {
    const CheckPage& page = Page();
    for (auto _ : state) {
        SilentHost host;
        const TMapReadResult read = ReadMapDefinition(page.Text, page.Source, host, TImageFiles());
        if (!read) {
            state.SkipWithError("reading failed");
            break;
        }
        const TCheckImage image{
            TImageSize{read.Bitmaps.SourceBitmap.width(), read.Bitmaps.SourceBitmap.height()},
            read.Map->ImageFile,
            {}};
        benchmark::DoNotOptimize(CheckMap(*read.Map, image, page.Folder.path().toStdString()));
    }
}

void BM_CheckReferenceRead(benchmark::State& state) {
    const CheckPage& page = Page();
    for (auto _ : state) {
        SilentHost host;
        benchmark::DoNotOptimize(
            ReadMapDefinition(page.Text, page.Source, host, TImageFiles()).Map.get());
    }
}

} // namespace

BENCHMARK(BM_CheckGeneratedPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckReferenceRead)->Unit(benchmark::kMillisecond);

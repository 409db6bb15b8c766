#pragma once
// The work a JPEG's scans may cost. A progressive file may hold any number of scans, and each
// one walks every block of its components, however few bytes it takes: 600 KB can keep the
// decoder busy for a minute. Each scan is charged before its data is decoded; once the sum
// passes the budget, the file is refused.
//
// Work is counted in units of 3 to 5 ns of libjpeg-turbo 2.1 on a two-core machine; per block,
// an AC first scan costs 2 of them, the other kinds more (see ScanWork).

#include <cstdint>

namespace kvx {

struct TJpegScan {
    int SpectralStart = 0;     // Ss: 0 for a DC scan (and a sequential one)
    int SpectralEnd = 0;       // Se
    int ApproximationHigh = 0; // Ah: not 0 for a refinement scan
    std::int64_t Blocks = 0;   // the blocks of the components in the scan
};

class TJpegScanBudget {
public:
    // Any file whose scans are at most this many, each as dear as a scan can be, fits...
    static constexpr std::int64_t FullScans = 100;
    // ...unless that passes this limit, under a second of scans: only images of several
    // million pixels reach it; they still take a hundred scans of the cheaper kinds, and the
    // ten of libjpeg's standard progression even in full colour at the pixel limit.
    static constexpr std::int64_t MaxWork = 180'000'000;

    // imageBlocks: the blocks of all components of the image.
    explicit TJpegScanBudget(std::int64_t imageBlocks);

    // Charges the scan; false once the work so far is beyond the budget.
    bool Admit(const TJpegScan& scan);

    std::int64_t Budget() const { return FBudget; }
    // The units one scan costs.
    static std::int64_t ScanWork(const TJpegScan& scan);

private:
    std::int64_t FBudget;
    std::int64_t FWork = 0;
};

} // namespace kvx

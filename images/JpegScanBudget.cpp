#include "images/JpegScanBudget.h"

#include <algorithm>

namespace kvx {

namespace {

// A scan's fixed cost (its markers, the pass set-up), so that masses of scans of a tiny
// image count too.
constexpr std::int64_t ScanOverhead = 64;
// Per block: a DC value (or a sequential scan's, with its AC values after it).
constexpr std::int64_t DcWork = 5;
constexpr std::int64_t AcFirstWork = 2;
constexpr std::int64_t DcRefinementWork = 2;
// An AC refinement walks every coefficient of its band in every block, zero or not.
constexpr std::int64_t AcRefinementWork = 6;
constexpr std::int64_t AcRefinementCoefficientsPerUnit = 8;
// The dearest scan per block: a refinement of the whole AC band.
constexpr std::int64_t DearestWork =
    AcRefinementWork + (63 + AcRefinementCoefficientsPerUnit - 1) / AcRefinementCoefficientsPerUnit;

} // namespace

TJpegScanBudget::TJpegScanBudget(std::int64_t imageBlocks)
    : FBudget(std::min(MaxWork, FullScans * (ScanOverhead + std::max<std::int64_t>(imageBlocks, 0) *
                                                                DearestWork))) {}

std::int64_t TJpegScanBudget::ScanWork(const TJpegScan& scan) {
    std::int64_t perBlock = 0;
    if (scan.ApproximationHigh != 0) {
        const std::int64_t band = std::max(scan.SpectralEnd - scan.SpectralStart + 1, 1);
        perBlock = scan.SpectralStart == 0
                       ? DcRefinementWork
                       : AcRefinementWork + (band + AcRefinementCoefficientsPerUnit - 1) /
                                                AcRefinementCoefficientsPerUnit;
    } else {
        perBlock =
            (scan.SpectralStart == 0 ? DcWork : 0) + (scan.SpectralEnd > 0 ? AcFirstWork : 0);
    }
    return ScanOverhead + std::max<std::int64_t>(scan.Blocks, 0) * perBlock;
}

bool TJpegScanBudget::Admit(const TJpegScan& scan) {
    FWork += ScanWork(scan);
    return FWork <= FBudget;
}

} // namespace kvx

#include "platform/BitmapMemory.h"

#include <algorithm>
#include <cstdlib>
#include <sys/mman.h>
#include <system_error>

namespace kvx {

namespace {

// Mapped a piece at a time, so that stopping waits for no more than one of them.
constexpr std::size_t MappingPiece = std::size_t{8} << 20;

} // namespace

TBitmapMemory::TBitmapMemory(std::size_t size, bool mapAhead)
    : FSize(size), FData(std::aligned_alloc(HugePageSize, size)) {
    if (FData == nullptr) {
        return;
    }
    ::madvise(FData, FSize, MADV_HUGEPAGE);
    if (mapAhead) {
        try {
            FMapper = std::thread([this] { MapAhead(); });
        } catch (const std::system_error&) {
            // No thread to spare: the decoder's own writes map the pages, only later.
        }
    }
}

TBitmapMemory::~TBitmapMemory() {
    FStop = true;
    if (FMapper.joinable()) {
        FMapper.join();
    }
    std::free(FData);
}

void TBitmapMemory::Delete(void* memory) {
    delete static_cast<TBitmapMemory*>(memory);
}

void TBitmapMemory::MapAhead() {
    auto* const data = static_cast<char*>(FData);
    for (std::size_t offset = 0; offset < FSize && !FStop; offset += MappingPiece) {
        // A kernel without MADV_POPULATE_WRITE refuses it; the writes then map the pages.
        if (::madvise(data + offset, std::min(MappingPiece, FSize - offset), MADV_POPULATE_WRITE) !=
            0) {
            return;
        }
    }
}

} // namespace kvx

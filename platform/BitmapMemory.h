#pragma once
// Memory for a large bitmap, on huge pages. The kernel clears every page on its first write,
// which for a freshly decoded 24-megapixel image costs about a tenth of the decoding; for a
// bitmap a decoder is about to fill, a second thread has the pages mapped (cleared, content
// untouched) ahead of the decoder, on another core.

#include <QtGlobal>

#include <atomic>
#include <cstddef>
#include <thread>

namespace kvx {

class TBitmapMemory {
public:
    // size bytes, a multiple of HugePageSize; Data() is null when they cannot be had.
    TBitmapMemory(std::size_t size, bool mapAhead);
    // Stops the mapping after its current piece, so a bitmap given up early (a file that
    // breaks off) never maps the rest of a size its header claimed.
    ~TBitmapMemory();
    TBitmapMemory(const TBitmapMemory&) = delete;
    TBitmapMemory& operator=(const TBitmapMemory&) = delete;

    uchar* Data() const { return static_cast<uchar*>(FData); }

    // QImage's clean-up function for a bitmap on this memory, the TBitmapMemory as its info.
    static void Delete(void* memory);

    static constexpr std::size_t HugePageSize = std::size_t{2} << 20;

private:
    void MapAhead();

    std::size_t FSize;
    void* FData;
    std::atomic<bool> FStop{false};
    std::thread FMapper;
};

} // namespace kvx

#pragma once
// An image file opened for the C decoders, which read from a FILE*.

#include <cstdio>
#include <string>

namespace kvx {

class TImageFile {
public:
    // Opens path for reading; only regular files are opened (TInputFile), so a folder, a pipe
    // or a device fails at once instead of blocking or reading without end.
    explicit TImageFile(const std::string& path);
    ~TImageFile();
    TImageFile(const TImageFile&) = delete;
    TImageFile& operator=(const TImageFile&) = delete;

    bool IsOpen() const { return FHandle != nullptr; }
    std::FILE* Handle() const { return FHandle; }

private:
    std::FILE* FHandle = nullptr;
};

} // namespace kvx

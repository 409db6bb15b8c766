#pragma once
// Opening a file the user named as an input. Only regular files are read: a pipe would block
// for ever, a device such as /dev/zero never ends. The type is checked on the open descriptor,
// which was opened without blocking, so neither can stall the check itself.

#include <cstdint>
#include <string>

namespace kvx {

class TInputFile {
public:
    // Opens path for reading (links followed). Throws TFileError: the system's error, EISDIR
    // for a folder, a refusal naming the kind of file for anything else that is not regular.
    explicit TInputFile(const std::string& path);
    ~TInputFile();
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;

    // A blocking descriptor of the regular file; -1 once released.
    int Descriptor() const { return FDescriptor; }
    // The file's size when it was opened.
    std::int64_t Size() const { return FSize; }
    // Hands the descriptor over to the caller, who closes it from now on.
    int Release();

private:
    int FDescriptor = -1;
    std::int64_t FSize = 0;
};

// The largest text file the program reads (a page or a project file): far beyond any real one,
// yet a forgotten disk image or log file named by mistake is refused before it fills memory.
inline constexpr std::int64_t MaxTextFileBytes = std::int64_t{512} << 20;

// The refusal of a text file of the given size, which names it.
std::string TextFileTooLargeMessage(std::int64_t bytes);

} // namespace kvx

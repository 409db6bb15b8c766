#pragma once
// A failed file operation with the system's message and error code, as the commands report it:
// "<fixed sentence>Genauer Fehler: " + SystemMessage + " (" + Code + ")".

#include <stdexcept>
#include <string>
#include <utility>

namespace kvx {

class TFileError : public std::runtime_error {
public:
    TFileError(std::string systemMessage, int code)
        : std::runtime_error(systemMessage), SystemMessage(std::move(systemMessage)), Code(code) {}

    std::string SystemMessage;
    int Code;

    // "message (code)", the tail of every file error box.
    std::string Detail() const { return SystemMessage + " (" + std::to_string(Code) + ")"; }
};

} // namespace kvx

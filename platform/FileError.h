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

    // The failure the system reported as code (errno), in German words.
    static TFileError FromSystem(int code);
    // A refusal of the program's own (a pipe as input, a file too large): no system code.
    static TFileError Refusal(std::string message) { return TFileError(std::move(message), 0); }

    std::string SystemMessage;
    // 0 for the program's own refusals.
    int Code;

    // "message (code)", the tail of every file error box; the message alone for a refusal.
    std::string Detail() const {
        return Code == 0 ? SystemMessage : SystemMessage + " (" + std::to_string(Code) + ")";
    }
};

// Throws TFileError::FromSystem(code).
[[noreturn]] void ThrowSystemError(int code);

} // namespace kvx

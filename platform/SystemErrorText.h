#pragma once
// The system's error codes in German words, for the window's messages and kvxtool alike.

#include <string>

namespace kvx {

// The German text of an errno value; codes without one get the system's own text.
std::string SystemErrorText(int code);

} // namespace kvx

#pragma once
// 24-megapixel images written once per run with the libraries' own encoders.

#include <string>

namespace kvx::bench {

constexpr int kLargeWidth = 6000;
constexpr int kLargeHeight = 4000;

// Writes a width x height RGB PNG of the photo-like pattern, with noise as much as a photo
// has; false when it cannot be written.
bool WritePngFile(const std::string& path, int width, int height, bool noisy = false);

// Paths of the generated files (created on first use in a temporary folder).
const std::string& LargeJpeg();
const std::string& LargePng();
const std::string& LargeGif();

} // namespace kvx::bench

#pragma once
// Helpers for checking what was drawn on an image, pixel by pixel.

#include "platform/QtCanvas.h"

#include <QImage>
#include <QRandomGenerator>

#include <functional>
#include <set>
#include <utility>

namespace kvx::test {

using TPixelSet = std::set<std::pair<int, int>>;

inline QImage FilledImage(int width, int height, QRgb color = qRgb(255, 255, 255)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Every pixel a different-looking colour, the same for the same seed.
inline QImage NoisyImage(int width, int height, quint32 seed = 7) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, 0xFF000000U | (random.generate() & 0xFFFFFFU));
        }
    }
    return image;
}

// The pixels where two images of the same size differ.
inline TPixelSet ChangedPixels(const QImage& before, const QImage& after) {
    TPixelSet changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                changed.insert({x, y});
            }
        }
    }
    return changed;
}

inline TPixelSet PixelsOfColor(const QImage& image, QRgb color) {
    TPixelSet pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == color) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

// What draw leaves on a white image: a black pen of the given style, copying, clear brush.
inline QImage Drawn(int width, int height, const std::function<void(TCanvas&)>& draw,
                    TPenStyle style = TPenStyle::psSolid) {
    QImage image = FilledImage(width, height);
    TQtCanvas canvas(image);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenStyle(style);
    canvas.SetPenColor(clBlack);
    draw(canvas);
    return image;
}

// The border pixels of the box [left, right) x [top, bottom).
inline TPixelSet BoxOutline(int left, int top, int right, int bottom) {
    TPixelSet pixels;
    for (int x = left; x < right; ++x) {
        pixels.insert({x, top});
        pixels.insert({x, bottom - 1});
    }
    for (int y = top; y < bottom; ++y) {
        pixels.insert({left, y});
        pixels.insert({right - 1, y});
    }
    return pixels;
}

} // namespace kvx::test

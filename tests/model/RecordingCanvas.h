#pragma once
// A canvas that writes down every call, for checking what an area draws and in which order.

#include "model/Canvas.h"

#include <string>
#include <vector>

namespace kvx::test {

class TRecordingCanvas : public TCanvas {
public:
    std::vector<std::string> Calls;

    void SetPenStyle(TPenStyle style) override {
        Calls.push_back(style == TPenStyle::psDot ? "pen dot" : "pen solid");
    }
    void SetPenWidth(int width) override { Calls.push_back("width " + std::to_string(width)); }
    void SetPenColor(TColor color) override { Calls.push_back("color " + std::to_string(color)); }
    void SetPenMode(TPenMode mode) override {
        Calls.push_back(mode == TPenMode::pmNot ? "mode not" : "mode copy");
    }
    void SetBrushStyle(TBrushStyle style) override {
        Calls.push_back(style == TBrushStyle::bsClear ? "brush clear" : "brush solid");
    }
    void SetBrushColor(TColor color) override {
        Calls.push_back("brush color " + std::to_string(color));
    }
    void Rectangle(int x1, int y1, int x2, int y2) override {
        Calls.push_back("rect " + Box(x1, y1, x2, y2));
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Calls.push_back("ellipse " + Box(x1, y1, x2, y2));
    }
    void MoveTo(int x, int y) override {
        Calls.push_back("move " + std::to_string(x) + " " + std::to_string(y));
    }
    void LineTo(int x, int y) override {
        Calls.push_back("line " + std::to_string(x) + " " + std::to_string(y));
    }

    // Only the shape calls, without the pen and brush settings.
    std::vector<std::string> Shapes() const {
        std::vector<std::string> shapes;
        for (const std::string& call : Calls) {
            if (call.starts_with("rect") || call.starts_with("ellipse") ||
                call.starts_with("move") || call.starts_with("line")) {
                shapes.push_back(call);
            }
        }
        return shapes;
    }

private:
    static std::string Box(int x1, int y1, int x2, int y2) {
        return std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
               std::to_string(y2);
    }
};

} // namespace kvx::test

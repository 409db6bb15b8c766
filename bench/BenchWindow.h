#pragma once
// The real main window, shown offscreen at a usual size, with a project opened through the
// Open command (the map and its image come from files the benchmark writes), and mouse
// events sent to its view as the user causes them.

#include "editor/FrmMain.h"

#include <QPoint>
#include <QString>
#include <memory>
#include <string>

namespace kvx::bench {

// The window's size: the view gets what the left column and the bars leave of it.
constexpr int kWindowWidth = 1200;
constexpr int kWindowHeight = 800;

// The map of the editing benchmarks on a 4000 x 3000 image: `areas` areas of all three
// shapes scattered over the image, among them (in the middle of the list) the two targets
// near the image's centre that no other area covers.
struct TEditingMap {
    static constexpr int Width = 4000;
    static constexpr int Height = 3000;
    // Rectangle A and circle B; points in image pixels.
    static constexpr QPoint RectangleCentre{1900, 1500};
    static constexpr QPoint RectangleCorner{1950, 1550}; // bottom-right handle of A
    static constexpr QPoint CircleCentre{2100, 1500};
};

// A project of `areas` areas on the editing image, written once per run into a temporary
// folder; its path.
const std::string& EditingProject(int areas);
// A project of `areas` scattered areas on the image at imagePath (width x height), written
// into the run's temporary folder under name; its path.
std::string WriteProject(const std::string& name, const std::string& imagePath, int width,
                         int height, int areas);
// A photo-like PNG (with noise) of width x height, kept between runs in the system's temporary
// folder because a large one takes seconds to write; its path, empty when it cannot be written.
std::string CachedPng(int width, int height);

class TBenchWindow {
public:
    TBenchWindow();
    ~TBenchWindow();

    TfrmMain& Main() { return *FMain; }
    // Opens the project through the Open command of the menu, without its file dialog.
    void Open(const std::string& projectPath);
    // Runs the event loop until the view has painted a frame of an open map beyond the first
    // framesBefore (see Frames); false when none came within timeoutMs.
    bool WaitForFrame(int framesBefore, int timeoutMs);
    // Scrolls both bars to their middle.
    void ScrollToMiddle();
    // An image point in view pixels at the current zoom and scroll position.
    QPoint ViewPoint(QPoint imagePoint) const;

    // Mouse events on the view, at image points.
    void Press(QPoint imagePoint);
    void MoveTo(QPoint imagePoint, bool leftHeld);
    void Release(QPoint imagePoint);
    // Paints the view now, as its next frame.
    void Repaint();
    // Paint events the view has received so far while a map was open.
    int Frames() const;

private:
    struct TImpl;
    std::unique_ptr<TfrmMain> FMain;
    std::unique_ptr<TImpl> FImpl;
};

} // namespace kvx::bench

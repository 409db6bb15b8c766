#pragma once
// A main window with a map on an image made in the test, and mouse and key events sent to
// its controls as the user would cause them.

#include "editor/FrmMain.h"
#include "support/QtPrinters.h"

#include <QColor>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace kvx {

using Strings = std::vector<std::string>;

// The value texts of props.Coords (label, value, label, value, ...).
Strings Values(const TLinkAreaProperties& props);

class TEditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TfrmMain& Main() { return *FMain; }
    TImageMap& Map() { return *FMain->Document().CurrentMap; }
    TEditorState& State() { return FMain->State(); }

    // Opens a map named "karte" on a width x height image of one colour, as a loader would:
    // bitmaps, SetUpEditorForMap, AdjustView.
    void OpenMap(int width, int height, QColor fill = Qt::white);
    // Sets the view's room directly and adjusts the view, without resizing the window.
    void SetViewport(int width, int height);
    // Shows the window and makes it active, so that focus changes behave as on a desktop.
    void ShowAndActivate();

    // An area made through the map like a loader does (finished, selected, node added).
    void AddRectangle(int x1, int y1, int x2, int y2);
    void AddCircle(int cx, int cy, int radius);
    // points: x, y, x, y, ...
    void AddPolygon(const std::vector<int>& points);
    TLinkAreaProperties SelectedProperties();
    // The selected area's outline in colour, without contrast drawing.
    void SetSelectedColor(TColor colour);

    // Mouse events on the view, in view pixels.
    void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    void MoveTo(int x, int y, Qt::MouseButtons held = Qt::LeftButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Release(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    void Drag(QPoint from, QPoint to);
    // A double-click with the left button: click, then the second press and its release.
    void DoubleClick(int x, int y);

    // A key press (and release) sent to widget; text is what the key types.
    static void TypeKey(QWidget* widget, int key, const QString& text = {},
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Each character of text as a key press.
    static void TypeText(QWidget* widget, const QString& text);

private:
    std::unique_ptr<TfrmMain> FMain;
};

} // namespace kvx

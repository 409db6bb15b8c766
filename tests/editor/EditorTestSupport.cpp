#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "model/AreaFromCoordinates.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kvx {

Strings Values(const TLinkAreaProperties& props) {
    Strings values;
    for (std::size_t i = 1; i < props.Coords.size(); i += 2) {
        values.push_back(props.Coords[i]);
    }
    return values;
}

void TEditorTest::SetUp() {
    FMain = std::make_unique<TfrmMain>();
}

void TEditorTest::TearDown() {
    FMain.reset();
}

void TEditorTest::OpenMap(int width, int height, QColor fill) {
    FMain->ResetEditor();
    TMapDocument& document = FMain->Document();
    document.CurrentMap = std::make_unique<TImageMap>();
    document.CurrentMap->Name = "karte";
    document.SourceBitmap = QImage(width, height, QImage::Format_RGB32);
    document.SourceBitmap.fill(fill);
    FMain->SetUpEditorForMap();
    FMain->AdjustView();
}

void TEditorTest::SetViewport(int width, int height) {
    State().ViewportSize = QSize(width, height);
    FMain->AdjustView();
}

void TEditorTest::ShowAndActivate() {
    FMain->show();
    QApplication::setActiveWindow(FMain.get());
    FMain->activateWindow();
    QApplication::processEvents();
}

void TEditorTest::AddRectangle(int x1, int y1, int x2, int y2) {
    AddAreaFromCoordinates(Map(), akRectangle, {x1, y1, x2, y2});
    FMain->AddAreaTreeNode();
}

void TEditorTest::AddCircle(int cx, int cy, int radius) {
    AddAreaFromCoordinates(Map(), akCircle, {cx, cy, radius});
    FMain->AddAreaTreeNode();
}

void TEditorTest::AddPolygon(const std::vector<int>& points) {
    AddAreaFromCoordinates(Map(), akPolygon, points);
    FMain->AddAreaTreeNode();
}

TLinkAreaProperties TEditorTest::SelectedProperties() {
    TLinkAreaProperties props;
    Map().GetSelectedProperties(props);
    return props;
}

void TEditorTest::SetSelectedColor(TColor colour) {
    TLinkAreaProperties props = SelectedProperties();
    props.Contrast = false;
    props.Color = colour;
    Map().SetSelectedProperties(props);
}

namespace {

void SendMouse(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, buttons,
                      modifiers);
    QApplication::sendEvent(view, &event);
}

} // namespace

void TEditorTest::Press(int x, int y, Qt::MouseButton button) {
    SendMouse(FMain->pbxDisplay, QEvent::MouseButtonPress, {x, y}, button, button);
}

void TEditorTest::MoveTo(int x, int y, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers) {
    SendMouse(FMain->pbxDisplay, QEvent::MouseMove, {x, y}, Qt::NoButton, held, modifiers);
}

void TEditorTest::Release(int x, int y, Qt::MouseButton button) {
    SendMouse(FMain->pbxDisplay, QEvent::MouseButtonRelease, {x, y}, button, Qt::NoButton);
}

void TEditorTest::Click(int x, int y, Qt::MouseButton button) {
    Press(x, y, button);
    Release(x, y, button);
}

void TEditorTest::DoubleClick(int x, int y) {
    Click(x, y);
    SendMouse(FMain->pbxDisplay, QEvent::MouseButtonDblClick, {x, y}, Qt::LeftButton,
              Qt::LeftButton);
    Release(x, y);
}

void TEditorTest::Drag(QPoint from, QPoint to) {
    Press(from.x(), from.y());
    MoveTo(to.x(), to.y());
    Release(to.x(), to.y());
}

void TEditorTest::TypeKey(QWidget* widget, int key, const QString& text,
                          Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void TEditorTest::TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.isDigit()    ? Qt::Key_0 + (c.unicode() - '0')
                        : c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                                       : c.unicode();
        TypeKey(widget, key, QString(c));
    }
}

} // namespace kvx

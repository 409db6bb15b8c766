#include "editor/DisplayView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace kvx {

namespace {

QPoint EventPoint(const QMouseEvent* event) {
    // Whole view pixels, rounded down so that positions left of the view stay left of it.
    return {qFloor(event->position().x()), qFloor(event->position().y())};
}

} // namespace

TDisplayView::TDisplayView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pbxDisplay"));
    setCursor(Qt::CrossCursor);
    // Idle movements show the position and the handle cursors.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The right button belongs to polygon drawing, not to a context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TDisplayView::paintEvent(QPaintEvent* event) {
    emit Painting();
    QPainter painter(this);
    if (FBackBuffer.isNull()) {
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        return;
    }
    painter.drawImage(event->rect().topLeft(), FBackBuffer, event->rect());
}

void TDisplayView::mousePressEvent(QMouseEvent* event) {
    FModifiers = event->modifiers();
    const QPoint p = EventPoint(event);
    emit MouseDown(event->button(), p.x(), p.y());
}

void TDisplayView::mouseMoveEvent(QMouseEvent* event) {
    FModifiers = event->modifiers();
    const QPoint p = EventPoint(event);
    emit MouseMove(p.x(), p.y());
}

void TDisplayView::mouseReleaseEvent(QMouseEvent* event) {
    FModifiers = event->modifiers();
    const QPoint p = EventPoint(event);
    emit MouseUp(event->button(), p.x(), p.y());
}

void TDisplayView::mouseDoubleClickEvent(QMouseEvent* event) {
    // A second click in quick succession is a press like any other (polygon vertices).
    mousePressEvent(event);
}

} // namespace kvx

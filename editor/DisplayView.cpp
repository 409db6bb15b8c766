#include "editor/DisplayView.h"

#include <QContextMenuEvent>
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
    // The handler shows the menu only while the right button does not end a polygon.
    setContextMenuPolicy(Qt::DefaultContextMenu);
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
    // The handler decides: a vertex into a polygon's edge, or a press like any other.
    FModifiers = event->modifiers();
    const QPoint p = EventPoint(event);
    emit DoubleClick(event->button(), p.x(), p.y());
}

void TDisplayView::contextMenuEvent(QContextMenuEvent* event) {
    // Accepted in any case, so that no other menu of the window opens in its place.
    event->accept();
    emit ContextMenu(event->pos().x(), event->pos().y(), event->globalPos());
}

} // namespace kvx

#include "editor/FocusControl.h"

#include <QPainter>

namespace kvx {

TVxFocusControl::TVxFocusControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FocusControl"));
    // Takes the focus when given it, but is no tab stop.
    setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void TVxFocusControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Light), 1));
    const QPoint highlight[] = {{0, h - 1}, {0, 0}, {w - 1, 0}};
    painter.drawPolyline(highlight, 3);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    const QPoint shadow[] = {{0, h - 1}, {w - 1, h - 1}, {w - 1, 0}};
    painter.drawPolyline(shadow, 3);
}

} // namespace kvx

#pragma once
// The image view (pbxDisplay): a plain paint surface that shows the composed picture held in
// its back buffer and reports mouse presses, movements and releases in view pixels.

#include <QImage>
#include <QWidget>

namespace kvx {

class TDisplayView : public QWidget {
    Q_OBJECT
public:
    explicit TDisplayView(QWidget* parent = nullptr);

    // What the view shows, one pixel per window pixel; RenderView composes into it.
    QImage& BackBuffer() { return FBackBuffer; }
    const QImage& BackBuffer() const { return FBackBuffer; }
    // The keys held at the last mouse event (Shift squares a rectangle being drawn).
    Qt::KeyboardModifiers Modifiers() const { return FModifiers; }

signals:
    // The view is about to be painted: a handler may compose the back buffer first.
    void Painting();
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);
    // The second press of a double-click.
    void DoubleClick(Qt::MouseButton button, int x, int y);
    // The context menu is asked for at (x, y), to be shown at global.
    void ContextMenu(int x, int y, QPoint global);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage FBackBuffer;
    Qt::KeyboardModifiers FModifiers;
};

} // namespace kvx

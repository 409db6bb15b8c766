#pragma once
// The focus sink: a small raised square in the corner between the view's scroll bars. It takes
// the keyboard focus whenever the view is used, so that an edit field or the coordinates grid
// that had it commits its text through its exit handler.

#include <QWidget>

namespace kvx {

class TVxFocusControl : public QWidget {
    Q_OBJECT
public:
    explicit TVxFocusControl(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kvx

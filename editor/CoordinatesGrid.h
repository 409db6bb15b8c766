#pragma once
// The coordinates grid (strgrCoords): a fixed label column and a value column whose cell
// editor is shown whenever the grid has the focus. Only digits, Backspace and Enter reach a
// cell; Ctrl+C and Ctrl+V copy and paste coordinate values through the panel's own buffer.

#include <QTableWidget>
#include <string>
#include <vector>

namespace kvx {

// A value as the grid stores it: FilterNumber of the text, and a text that still is no 32-bit
// integer (a lone "-", too many digits) brought to the nearest valid value.
std::string CleanCoordinateValue(const std::string& text);

class TCoordinatesGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TCoordinatesGrid(QWidget* parent = nullptr);

    // One row per label/value pair of coords (label, value, label, value, ...).
    void SetCoords(const std::vector<std::string>& coords);
    QString LabelText(int row) const;
    QString ValueText(int row) const;
    void SetValueText(int row, const QString& text);
    // Top and bottom row of the current selection (the current row when nothing is
    // selected); first > second when the grid has no rows.
    std::pair<int, int> SelectedRows() const;

    // Runs a key press through the grid's rules as if typed into the cell editor; true when
    // the key was consumed (discarded, or handled as Enter or a coordinate shortcut).
    bool FilterKey(const QKeyEvent& event);

    // A drag with the left button selects the rows it passes, from the row pressed to the row
    // under the pointer (a point of the viewport); the cell being edited stays current. The
    // cell editor passes on the drags that start in it.
    void StartRowDrag(int row);
    // True when a drag is under way and took the move.
    bool DragRowsTo(QPoint viewportPoint);
    void EndRowDrag() { FDragAnchor = -1; }

signals:
    // Any character typed into a cell, passed on or discarded.
    void CharacterTyped();
    void EnterPressed();
    void CopyRequested();
    void PasteRequested();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The row where the drag started; -1 when no drag is under way.
    int FDragAnchor = -1;
};

} // namespace kvx

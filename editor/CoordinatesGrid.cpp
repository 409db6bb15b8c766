#include "editor/CoordinatesGrid.h"

#include "formats/HtmlTextRoutines.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>
#include <limits>

namespace kvx {

namespace {

bool IsCoordinateShortcut(const QKeyEvent& event) {
    return (event.modifiers() & Qt::ControlModifier) &&
           (event.key() == Qt::Key_C || event.key() == Qt::Key_V);
}

bool IsControlLetter(const QKeyEvent& event) {
    return (event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
           event.key() <= Qt::Key_Z;
}

bool AllDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// The cell editor: commits every change at once, so the cells always hold what the user
// sees, and runs every key through the grid's filter first.
class TCoordsCellDelegate : public QStyledItemDelegate {
public:
    explicit TCoordsCellDelegate(TCoordinatesGrid* grid) : QStyledItemDelegate(grid), FGrid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& /*index*/) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        connect(editor, &QLineEdit::textEdited, this, [this, editor] {
            emit const_cast<TCoordsCellDelegate*>(this)->commitData(editor);
        });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        // Only a different text is written, so the cursor stays where the user types.
        if (line != nullptr && line->text() != text) {
            line->setText(text);
        }
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (IsCoordinateShortcut(key)) {
                event->accept();
                return true;
            }
            if (IsControlLetter(key)) {
                // Not the editor's own shortcut: the window's commands keep theirs.
                event->ignore();
                return true;
            }
        }
        if (event->type() == QEvent::KeyPress &&
            FGrid->FilterKey(static_cast<const QKeyEvent&>(*event))) {
            return true;
        }
        if (auto* editor = qobject_cast<QWidget*>(object);
            editor && PassOnRowDrag(*editor, *event)) {
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    // A press in the editor with the left button may become a drag over the rows: it is the
    // grid's once the pointer leaves the editor's row; inside it the editor selects text.
    bool PassOnRowDrag(const QWidget& editor, const QEvent& event) const {
        switch (event.type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton) {
                FGrid->StartRowDrag(FGrid->rowAt(editor.geometry().center().y()));
            }
            return false;
        case QEvent::MouseMove: {
            const auto& move = static_cast<const QMouseEvent&>(event);
            const QPoint point = FGrid->viewport()->mapFromGlobal(move.globalPosition().toPoint());
            const int top = editor.geometry().top();
            const bool inEditorRow = point.y() >= top && point.y() < top + editor.height();
            return (move.buttons() & Qt::LeftButton) && !inEditorRow && FGrid->DragRowsTo(point);
        }
        case QEvent::MouseButtonRelease:
            FGrid->EndRowDrag();
            return false;
        default:
            return false;
        }
    }

    TCoordinatesGrid* FGrid;
};

} // namespace

std::string CleanCoordinateValue(const std::string& text) {
    std::string value = FilterNumber(text);
    try {
        StrToInt(value);
        return value;
    } catch (const EConvertError&) {
        if (value == "-") {
            return "0";
        }
        // Only digits with an optional leading minus are left: the value is out of range.
        return value.front() == '-' ? IntToStr(std::numeric_limits<std::int32_t>::min())
                                    : IntToStr(std::numeric_limits<std::int32_t>::max());
    }
}

TCoordinatesGrid::TCoordinatesGrid(QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(QStringLiteral("strgrCoords"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(18);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // The current cell's editor is always open while the grid has the focus (see edit()).
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(true);
    setItemDelegate(new TCoordsCellDelegate(this));
}

void TCoordinatesGrid::SetCoords(const std::vector<std::string>& coords) {
    const int rows = static_cast<int>(coords.size() / 2);
    setRowCount(rows);
    for (int i = 0; i < rows * 2; ++i) {
        const int row = i / 2;
        const int column = i % 2;
        QTableWidgetItem* cell = item(row, column);
        if (cell == nullptr) {
            cell = new QTableWidgetItem;
            cell->setFlags(column == 0
                               ? Qt::ItemIsEnabled
                               : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            setItem(row, column, cell);
        }
        cell->setText(QString::fromStdString(coords[static_cast<std::size_t>(i)]));
    }
}

QString TCoordinatesGrid::LabelText(int row) const {
    const QTableWidgetItem* cell = item(row, 0);
    return cell ? cell->text() : QString();
}

QString TCoordinatesGrid::ValueText(int row) const {
    const QTableWidgetItem* cell = item(row, 1);
    return cell ? cell->text() : QString();
}

void TCoordinatesGrid::SetValueText(int row, const QString& text) {
    if (QTableWidgetItem* cell = item(row, 1)) {
        cell->setText(text);
    }
}

std::pair<int, int> TCoordinatesGrid::SelectedRows() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        const int row = currentRow() >= 0 ? currentRow() : 0;
        return rowCount() > 0 ? std::pair{row, row} : std::pair{0, -1};
    }
    int top = ranges.first().topRow();
    int bottom = ranges.first().bottomRow();
    for (const auto& range : ranges) {
        top = std::min(top, range.topRow());
        bottom = std::max(bottom, range.bottomRow());
    }
    return {top, bottom};
}

bool TCoordinatesGrid::FilterKey(const QKeyEvent& event) {
    if (event.modifiers() & Qt::ControlModifier) {
        if (event.key() == Qt::Key_C) {
            emit CopyRequested();
            return true;
        }
        if (event.key() == Qt::Key_V) {
            emit PasteRequested();
            return true;
        }
        // Control characters never reach a cell.
        return IsControlLetter(event);
    }
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit CharacterTyped();
        emit EnterPressed();
        return true;
    case Qt::Key_Backspace:
        emit CharacterTyped();
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front() < QLatin1Char(' ') || text.front() == QChar(0x7f)) {
        return false; // a key that types nothing: cursor movement and the like
    }
    emit CharacterTyped();
    return !AllDigits(text);
}

QModelIndex TCoordinatesGrid::moveCursor(CursorAction cursorAction,
                                         Qt::KeyboardModifiers modifiers) {
    const int rows = rowCount();
    if (rows == 0) {
        return {};
    }
    const int row = currentRow() >= 0 ? currentRow() : 0;
    switch (cursorAction) {
    case MoveNext:
        return model()->index((row + 1) % rows, 1);
    case MovePrevious:
        return model()->index((row - 1 + rows) % rows, 1);
    case MoveLeft:
    case MoveRight:
        return model()->index(row, 1);
    default: {
        // Only the value column takes the cursor; the label column is fixed.
        const QModelIndex moved = QTableWidget::moveCursor(cursorAction, modifiers);
        return moved.isValid() ? model()->index(moved.row(), 1) : moved;
    }
    }
}

bool TCoordinatesGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A change of the current cell by the program must not pull the focus into the grid.
    if (trigger == CurrentChanged && !hasFocus()) {
        return false;
    }
    return QTableWidget::edit(index, trigger, event);
}

void TCoordinatesGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    const QModelIndex index = currentIndex();
    if (index.isValid() && index.column() == 1) {
        edit(index, CurrentChanged, nullptr);
    }
}

void TCoordinatesGrid::keyPressEvent(QKeyEvent* event) {
    if (FilterKey(*event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TCoordinatesGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton &&
        !(event->modifiers() & Qt::ShiftModifier)) {
        StartRowDrag(index.row());
    }
    if (index.isValid() && index.column() == 0) {
        // A click on a label goes to the value of its row.
        setCurrentCell(index.row(), 1);
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void TCoordinatesGrid::mouseMoveEvent(QMouseEvent* event) {
    // Qt's own drag selection stops at the cell editor that the press opened.
    if ((event->buttons() & Qt::LeftButton) && DragRowsTo(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

void TCoordinatesGrid::mouseReleaseEvent(QMouseEvent* event) {
    EndRowDrag();
    QTableWidget::mouseReleaseEvent(event);
}

void TCoordinatesGrid::StartRowDrag(int row) {
    FDragAnchor = row >= 0 && row < rowCount() ? row : -1;
}

bool TCoordinatesGrid::DragRowsTo(QPoint viewportPoint) {
    if (FDragAnchor < 0 || FDragAnchor >= rowCount()) {
        return false;
    }
    int row = rowAt(viewportPoint.y());
    if (row < 0) {
        // Beyond the rows shown: one row further that way, so the grid scrolls along.
        const int bottom = rowAt(viewport()->height() - 1);
        row = viewportPoint.y() < 0 ? std::max(0, rowAt(0) - 1)
              : bottom < 0          ? rowCount() - 1
                                    : std::min(rowCount() - 1, bottom + 1);
    }
    const QModelIndex from = model()->index(std::min(FDragAnchor, row), 1);
    const QModelIndex to = model()->index(std::max(FDragAnchor, row), 1);
    selectionModel()->select(QItemSelection(from, to), QItemSelectionModel::ClearAndSelect);
    scrollTo(model()->index(row, 1));
    return true;
}

} // namespace kvx

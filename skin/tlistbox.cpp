#include "skin/tlistbox.h"

#include "shell/errorreport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Every row is exactly the list's item height, whatever the font asks for.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(const TListBox* list) : QStyledItemDelegate(nullptr), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(list_->ItemHeight());
        return size;
    }

private:
    const TListBox* list_;
};

} // namespace

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
    auto* delegate = new FixedHeightDelegate(this);
    delegate->setParent(this);
    setItemDelegate(delegate);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
}

void TListBox::SetItemHeight(int height) {
    itemHeight_ = height;
    // Makes the view ask the delegate again.
    doItemsLayout();
}

int TListBox::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TListBox::SelectRow(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void TListBox::Clear() {
    clear();
}

void TListBox::AddRow(const QString& text) {
    addItem(text);
}

QString TListBox::Row(int row) const {
    const QListWidgetItem* rowItem = item(row);
    return rowItem ? rowItem->text() : QString();
}

void TListBox::FireClick() {
    if (OnClick)
        RunHandler(OnClick);
}

void TListBox::keyPressEvent(QKeyEvent* event) {
    // Nothing may unwind through the toolkit's event delivery: it would leak its bookkeeping.
    RunHandler([&] {
        int key = event->key();
        if (OnKeyDown)
            RunHandler([&] { OnKeyDown(key, event->modifiers()); });
        if (key == 0) {
            event->accept();
            return;
        }
        const int before = SelectedRow();
        QListWidget::keyPressEvent(event);
        if (SelectedRow() != before)
            FireClick();
    });
}

void TListBox::UserPress(QMouseEvent* event) {
    // Only the left button selects; the others leave the list alone.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const int before = SelectedRow();
    QListWidget::mousePressEvent(event);
    const int after = SelectedRow();
    const bool onRow = indexAt(event->position().toPoint()).isValid();
    if (after != before || (onRow && after >= 0))
        FireClick();
}

void TListBox::mousePressEvent(QMouseEvent* event) {
    RunHandler([&] { UserPress(event); });
}

// The second press of a double click selects like any other press.
void TListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    RunHandler([&] { UserPress(event); });
}

void TListBox::mouseMoveEvent(QMouseEvent* event) {
    // A press acts on the row pressed. A finger always drifts, and the press may have rebuilt
    // the rows under it (the back row), so movement with a button held selects nothing.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

QItemSelectionModel::SelectionFlags TListBox::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
    // Control-click and Control-Space would leave the list without a selected row; here the
    // user can only move the selection, never remove it.
    QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & QItemSelectionModel::Deselect)
        command = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

#pragma once
// The title list: a borderless list of one-line rows of a fixed height, one row selected at
// most. OnClick tells about selections the user makes; the program's own changes through
// SelectRow, Clear and AddRow stay silent, so a handler can move the selection freely.

#include <QListWidget>
#include <functional>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent = nullptr);

    // Every selection the user makes by mouse or keyboard, also a click on the selected row.
    std::function<void()> OnClick;
    // Runs before the list sees a key (a Qt::Key value); setting key to 0 swallows it.
    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown;

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    // -1 when no row is selected.
    int SelectedRow() const;
    // -1 selects no row.
    void SelectRow(int row);
    void Clear();
    void AddRow(const QString& text);
    int RowCount() const { return count(); }
    QString Row(int row) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void UserPress(QMouseEvent* event);
    void FireClick();

    int itemHeight_ = 13;
};

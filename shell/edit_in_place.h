#pragma once

// In-place editing of a list's highlighted row: a one-line entry over the
// cell, Tab/Shift+Tab between the editable columns, Enter to complete the
// row, Esc to abandon it, Down/Up to complete it and go on in the next or
// previous row, and completing when the entry loses the focus. A completed
// row is written through the relation manager only when something changed;
// the list is then read again with the row highlighted.

#include "shell/browse_list.h"

#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <vector>

namespace kv {

struct EditSettings {
    std::vector<int> editableColumns; // in column order
    bool tabContinues = false; // Tab in the last column goes on in the next row
    // Runs on every event of the cell editor, after its text was taken into
    // the row: the list's own rule (capitals, the "X" and "-" marks).
    std::function<void(Record& row, int column)> normalise;
};

class CellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit CellEditor(QWidget* parent);

signals:
    void action(int key, Qt::KeyboardModifiers modifiers); // Tab, Backtab, Return, Escape, Down, Up
    void focusLost();

protected:
    bool event(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

class EditInPlace : public QObject {
    Q_OBJECT
public:
    EditInPlace(BrowseList& list, EditSettings settings);

    bool isEditing() const { return editor_ != nullptr; }
    int editedColumn() const { return column_; }
    CellEditor* editor() const { return editor_; }

    // The change button: the highlighted row, first editable column.
    void startFirst();
    // A double-click: the clicked column if editable, else the nearest
    // editable one to its left, else the first to its right.
    void startAt(int row, int column);
    // Completes the row being edited (saved when changed); true unless the write failed.
    bool complete();
    void abandon();

signals:
    void finished(); // editing ended
    void saved(); // a row was written

private:
    void begin(int row, int column);
    void moveTo(int column);
    void takeText();
    void showColumn();
    bool save();
    void end();
    void onAction(int key, Qt::KeyboardModifiers modifiers);
    int nextEditable(int column, int step) const;

    BrowseList& list_;
    EditSettings settings_;
    QPointer<CellEditor> editor_;
    int row_ = -1;
    int column_ = -1;
    std::optional<Record> edited_;
    bool moving_ = false;
};

} // namespace kv

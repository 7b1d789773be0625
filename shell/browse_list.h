#pragma once

// A list over one record file: the model, the view it drives (a table, or
// the drop-down of a combo box), the file's record buffer kept in step with
// the highlighted row, re-reading when the range moves, and the step locator.

#include "data/dictionary.h"
#include "shell/browse_delegate.h"
#include "shell/browse_model.h"

#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QComboBox;
class QTableView;

namespace kv {

struct BrowseSetup {
    int key = 0;
    QString format; // the list's format string
    QStringList sources; // per column, the field or memo label shown
    QStringList rowFields; // fields the row holds: cleared in the buffer when the list is empty
    int locatorField = -1;
    bool locatorIgnoresCase = true;
};

class BrowseList : public QObject {
    Q_OBJECT
public:
    BrowseList(DataFile& file, QTableView* view, const DialogUnits& du, const BrowseSetup& setup);
    BrowseList(DataFile& file, QComboBox* combo, const DialogUnits& du, const BrowseSetup& setup);

    DataFile& file() const { return file_; }
    BrowseModel& model() { return model_; }
    QAbstractItemView* view() const { return view_; }

    void setRange(std::function<void(Record& probe)> fill, int components)
    {
        model_.setRange(std::move(fill), components);
    }
    void setFilter(std::function<bool(const Record&)> accept) { model_.setFilter(std::move(accept)); }

    // Reads from the start and highlights the first row.
    void fill();
    // Reads again from the start when the range value moved; true when it did.
    bool refreshIfRangeChanged();
    // Reads again around the highlighted record (kept highlighted when it is still there).
    void resetFromFile();
    // Reads again and highlights the record at `position`.
    void reloadAt(std::int64_t position);

    int rowCount() const { return model_.rowCount(); }
    bool hasRows() const { return model_.rowCount() > 0; }
    int currentRow() const;
    void setCurrentRow(int row);
    // The highlighted record read again from the file into the buffer.
    void updateViewRecord();

    // Moves the highlight to the next row whose locator field begins with `ch`.
    void locate(QChar ch);

signals:
    // The highlighted row changed (the buffer holds it now).
    void highlightChanged();
    void rowsChanged(bool hasRows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpTable(QTableView* view, const DialogUnits& du);
    void loadHighlighted();

    DataFile& file_;
    BrowseSetup setup_;
    BrowseModel model_;
    QAbstractItemView* view_ = nullptr;
    QComboBox* combo_ = nullptr;
    std::vector<int> rowFields_;
    bool filling_ = false;
};

} // namespace kv

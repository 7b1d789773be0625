#include "shell/edit_in_place.h"

#include "data/cp1252.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace kv {
namespace {

// Refuses characters the record files cannot hold.
class Windows1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return cp1252::encode(input) ? Acceptable : Invalid;
    }
};

} // namespace

CellEditor::CellEditor(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new Windows1252Validator(this));
    setFrame(false);
}

bool CellEditor::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Down:
        case Qt::Key_Up:
            emit action(k->key() == Qt::Key_Enter ? int(Qt::Key_Return) : k->key(), k->modifiers());
            return true;
        default:
            break;
        }
    }
    return QLineEdit::event(e);
}

void CellEditor::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason) {
        emit focusLost();
    }
}

EditInPlace::EditInPlace(BrowseList& list, EditSettings settings)
    : QObject(&list)
    , list_(list)
    , settings_(std::move(settings))
{
}

int EditInPlace::nextEditable(int column, int step) const
{
    const auto& cols = settings_.editableColumns;
    for (int i = step > 0 ? 0 : static_cast<int>(cols.size()) - 1;
         i >= 0 && i < static_cast<int>(cols.size()); i += step) {
        if ((step > 0 && cols[i] > column) || (step < 0 && cols[i] < column)) {
            return cols[i];
        }
    }
    return -1;
}

void EditInPlace::startFirst()
{
    if (list_.hasRows() && !settings_.editableColumns.empty()) {
        begin(std::max(0, list_.currentRow()), settings_.editableColumns.front());
    }
}

void EditInPlace::startAt(int row, int column)
{
    if (row < 0 || row >= list_.rowCount() || settings_.editableColumns.empty()) {
        return;
    }
    int target = -1;
    for (int c : settings_.editableColumns) {
        if (c <= column) {
            target = c; // the clicked one, or the nearest to its left
        }
    }
    if (target < 0) {
        target = settings_.editableColumns.front();
    }
    begin(row, target);
}

void EditInPlace::begin(int row, int column)
{
    if (editor_) {
        complete();
    }
    list_.setCurrentRow(row);
    row_ = row;
    edited_ = list_.model().record(row);
    list_.model().setEditedRecord(row, &*edited_);
    editor_ = new CellEditor(list_.view()->viewport());
    connect(editor_, &CellEditor::action, this, &EditInPlace::onAction);
    connect(editor_, &CellEditor::focusLost, this, [this] {
        if (!moving_ && editor_) {
            complete();
        }
    });
    moveTo(column);
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void EditInPlace::moveTo(int column)
{
    column_ = column;
    const BrowseColumn& c = list_.model().columns()[column];
    const int width = c.picture.width > 0 ? c.picture.width : 255;
    moving_ = true;
    editor_->setMaxLength(width);
    const QModelIndex index = list_.model().index(row_, column);
    list_.view()->scrollTo(index);
    editor_->setGeometry(list_.view()->visualRect(index));
    moving_ = false;
    // Receiving the focus is an event of the cell like any other.
    if (settings_.normalise) {
        settings_.normalise(*edited_, column_);
    }
    showColumn();
}

void EditInPlace::showColumn()
{
    const BrowseColumn& c = list_.model().columns()[column_];
    QString value;
    if (c.field >= 0) {
        value = edited_->text(c.field);
    } else if (c.memo >= 0) {
        value = edited_->memo(c.memo);
    }
    editor_->setText(value.left(editor_->maxLength()));
    editor_->selectAll();
    list_.model().setEditedRecord(row_, &*edited_);
}

void EditInPlace::takeText()
{
    const BrowseColumn& c = list_.model().columns()[column_];
    const QString typed = editor_->text();
    if (c.field >= 0) {
        edited_->setTextCut(c.field, typed);
    } else if (c.memo >= 0) {
        // The cell edits the start of the memo; the rest is kept.
        const QString whole = edited_->memo(c.memo);
        edited_->setMemoCut(c.memo, typed + whole.mid(editor_->maxLength()));
    }
    if (settings_.normalise) {
        settings_.normalise(*edited_, column_);
    }
}

void EditInPlace::onAction(int key, Qt::KeyboardModifiers modifiers)
{
    if (!editor_) {
        return;
    }
    takeText();
    showColumn();
    const int column = column_;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
        const int next = nextEditable(column, back ? -1 : 1);
        if (next >= 0) {
            moveTo(next);
        } else if (!back) {
            const int row = row_;
            if (complete() && settings_.tabContinues && row + 1 < list_.rowCount()) {
                begin(row + 1, settings_.editableColumns.front());
            }
        }
        break;
    }
    case Qt::Key_Return:
        complete();
        break;
    case Qt::Key_Escape:
        abandon();
        break;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const int row = row_ + (key == Qt::Key_Down ? 1 : -1);
        if (complete() && row >= 0 && row < list_.rowCount()) {
            begin(row, column);
        }
        break;
    }
    default:
        break;
    }
}

bool EditInPlace::save()
{
    const int row = row_;
    const Record& asRead = list_.model().record(row);
    const std::int64_t position = list_.model().position(row);
    if (*edited_ == asRead) {
        return true; // nothing changed: nothing is written
    }
    DataFile& file = list_.file();
    file.access.adopt(position, asRead);
    file.buffer = *edited_;
    const bool ok = file.relate.update() == Status::Ok;
    if (ok) {
        emit saved();
    }
    return ok;
}

bool EditInPlace::complete()
{
    if (!editor_) {
        return true;
    }
    takeText();
    const std::int64_t position = list_.model().position(row_);
    const bool ok = save();
    end();
    // Read again, the saved row highlighted (after a failure: as the file holds it now).
    list_.reloadAt(position);
    return ok;
}

void EditInPlace::abandon()
{
    if (!editor_) {
        return;
    }
    end();
    list_.view()->viewport()->update();
    list_.setCurrentRow(row_);
}

void EditInPlace::end()
{
    moving_ = true;
    CellEditor* e = editor_;
    editor_ = nullptr;
    list_.model().setEditedRecord(-1, nullptr);
    if (e) {
        e->hide();
        e->deleteLater();
    }
    edited_.reset();
    moving_ = false;
    list_.view()->setFocus();
    emit finished();
}

} // namespace kv

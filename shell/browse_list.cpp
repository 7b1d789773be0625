#include "shell/browse_list.h"

#include "shell/browse_combo.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

namespace kv {
namespace {

std::vector<int> fieldIndexes(const FileDef& def, const QStringList& labels)
{
    std::vector<int> out;
    for (const QString& l : labels) {
        const QByteArray b = l.toLatin1();
        const int f = def.fieldIndex(std::string_view(b.constData(), b.size()));
        if (f >= 0) {
            out.push_back(f);
        }
    }
    return out;
}

} // namespace

BrowseList::BrowseList(DataFile& file, QTableView* view, const DialogUnits& du, const BrowseSetup& setup)
    : QObject(view)
    , file_(file)
    , setup_(setup)
    , model_(file.access, setup.key, browseColumns(file.access.def(), setup.format, setup.sources), this)
    , view_(view)
    , rowFields_(fieldIndexes(file.access.def(), setup.rowFields))
{
    setUpTable(view, du);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!filling_) {
            loadHighlighted();
        }
    });
    view->installEventFilter(this);
}

BrowseList::BrowseList(DataFile& file, QComboBox* combo, const DialogUnits& du, const BrowseSetup& setup)
    : QObject(combo)
    , file_(file)
    , setup_(setup)
    , model_(file.access, setup.key, browseColumns(file.access.def(), setup.format, setup.sources), this)
    , combo_(combo)
    , rowFields_(fieldIndexes(file.access.def(), setup.rowFields))
{
    auto* table = new QTableView(combo);
    combo->setModel(&model_);
    combo->setView(table);
    setUpTable(table, du);
    view_ = table;
    if (auto* columns = dynamic_cast<BrowseComboBox*>(combo)) {
        std::vector<int> widths;
        for (int c = 0; c < model_.columnCount(); ++c) {
            widths.push_back(table->columnWidth(c));
        }
        columns->setColumnWidths(std::move(widths));
    }
    // The drop-down is as wide as the box and shows whole rows.
    table->horizontalHeader()->hide();
    connect(combo, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_) {
            loadHighlighted();
        }
    });
    combo->installEventFilter(this);
}

void BrowseList::setUpTable(QTableView* view, const DialogUnits& du)
{
    if (!combo_) {
        view->setModel(&model_);
    }
    auto* delegate = new BrowseDelegate(model_, du, view);
    view->setItemDelegate(delegate);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    const auto& columns = model_.columns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        view->setColumnWidth(c, du.xToPixels(columns[c].format.width));
    }
}

int BrowseList::currentRow() const
{
    if (combo_) {
        return combo_->currentIndex();
    }
    const QModelIndex i = view_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void BrowseList::setCurrentRow(int row)
{
    if (combo_) {
        combo_->setCurrentIndex(row);
        return;
    }
    if (row < 0 || row >= model_.rowCount()) {
        view_->setCurrentIndex({});
        return;
    }
    const QModelIndex i = model_.index(row, 0);
    view_->setCurrentIndex(i);
    view_->selectionModel()->select(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(i);
}

void BrowseList::loadHighlighted()
{
    const int row = currentRow();
    Record& buffer = file_.buffer;
    if (row >= 0 && row < model_.rowCount()) {
        buffer = model_.record(row);
        file_.access.adopt(model_.position(row), model_.record(row));
    } else if (model_.rowCount() == 0) {
        for (int f : rowFields_) {
            buffer.clearField(f);
        }
    }
    emit highlightChanged();
}

void BrowseList::fill()
{
    filling_ = true;
    model_.reload();
    setCurrentRow(model_.rowCount() > 0 ? 0 : -1);
    filling_ = false;
    loadHighlighted();
    emit rowsChanged(hasRows());
}

bool BrowseList::refreshIfRangeChanged()
{
    if (!model_.rangeChanged()) {
        return false;
    }
    fill();
    return true;
}

void BrowseList::reloadAt(std::int64_t position)
{
    filling_ = true;
    model_.reload(position);
    const int row = model_.rowOfPosition(position);
    setCurrentRow(row >= 0 ? row : (model_.rowCount() > 0 ? 0 : -1));
    filling_ = false;
    loadHighlighted();
    emit rowsChanged(hasRows());
}

void BrowseList::resetFromFile()
{
    const int row = currentRow();
    if (row >= 0 && row < model_.rowCount()) {
        reloadAt(model_.position(row));
    } else {
        fill();
    }
}

void BrowseList::updateViewRecord()
{
    const int row = currentRow();
    if (row >= 0 && row < model_.rowCount()) {
        file_.access.reget(model_.position(row));
    }
}

void BrowseList::locate(QChar ch)
{
    if (setup_.locatorField < 0 || model_.rowCount() == 0) {
        return;
    }
    model_.fetchAll();
    const FieldDef& fd = file_.access.def().fields[setup_.locatorField];
    const Qt::CaseSensitivity cs = setup_.locatorIgnoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const int start = std::max(0, currentRow());
    const int n = model_.rowCount();
    // From the row after the highlighted one, around to the top.
    for (int k = 1; k <= n; ++k) {
        const int row = (start + k) % n;
        const Record& r = model_.record(row);
        const QString value = fd.type == FieldType::Text ? r.text(setup_.locatorField)
                                                         : QString::number(r.integer(setup_.locatorField));
        if (value.startsWith(ch, cs)) {
            setCurrentRow(row);
            return;
        }
    }
}

bool BrowseList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString t = key->text();
        if (t.size() == 1 && t[0].isPrint() && !t[0].isSpace()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            locate(t[0]);
            return true;
        }
        if (key->key() == Qt::Key_End && !combo_) {
            model_.fetchAll();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kv

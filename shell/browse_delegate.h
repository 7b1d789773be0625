#pragma once

// Paints list cells as their format asks: fixed colours, indent, a border
// line at the column's right edge, underlining, the highlighted row's colours.

#include "shell/browse_model.h"
#include "shell/dialog_units.h"

#include <QStyledItemDelegate>

namespace kv {

class BrowseDelegate : public QStyledItemDelegate {
public:
    BrowseDelegate(const BrowseModel& model, const DialogUnits& du, QObject* parent);

    void setHighlight(const QColor& text, const QColor& background);
    void paint(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const BrowseModel& model_;
    DialogUnits du_;
    QColor highlightText_ = Qt::white;
    QColor highlightBackground_ = QColor(0, 128, 255);
};

} // namespace kv

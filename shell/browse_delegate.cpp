#include "shell/browse_delegate.h"

#include <QPainter>

namespace kv {

BrowseDelegate::BrowseDelegate(const BrowseModel& model, const DialogUnits& du, QObject* parent)
    : QStyledItemDelegate(parent)
    , model_(model)
    , du_(du)
{
}

void BrowseDelegate::setHighlight(const QColor& text, const QColor& background)
{
    highlightText_ = text;
    highlightBackground_ = background;
}

void BrowseDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ListColumnFormat& f = model_.columns()[index.column()].format;
    const bool selected = option.state & QStyle::State_Selected;
    QColor background = option.palette.color(QPalette::Base);
    QColor text = option.palette.color(QPalette::Text);
    if (selected) {
        background = f.selectedBackground.value_or(highlightBackground_);
        text = f.selectedText.value_or(highlightText_);
    } else {
        background = f.background.value_or(background);
        text = f.text.value_or(text);
    }
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, background);
    painter->setPen(text);
    painter->setFont(option.font);
    const int indent = du_.xToPixels(f.indent) + 1;
    const QRect textRect = r.adjusted(indent, 0, -indent, 0);
    const QString shown = index.data(Qt::DisplayRole).toString();
    painter->drawText(textRect, static_cast<int>(f.align | Qt::AlignVCenter),
        option.fontMetrics.elidedText(shown, Qt::ElideNone, textRect.width()));
    painter->setPen(QColor(160, 160, 160));
    if (f.border) {
        painter->drawLine(r.topRight(), r.bottomRight());
    }
    if (f.underline) {
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    }
    painter->restore();
}

} // namespace kv

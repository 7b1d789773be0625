#include "shell/browse_combo.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace kv {

void BrowseComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = {};
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field
        = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int row = currentIndex();
    if (row < 0 || !model()) {
        return;
    }
    painter.setClipRect(field);
    int x = field.left();
    for (int c = 0; c < model()->columnCount() && x < field.right(); ++c) {
        const int w = c < static_cast<int>(widths_.size()) ? widths_[c] : 80;
        const QModelIndex i = model()->index(row, c);
        const auto align = Qt::Alignment(model()->data(i, Qt::TextAlignmentRole).toInt());
        painter.drawText(QRect(x + 3, field.top(), w - 6, field.height()),
            static_cast<int>(align | Qt::AlignVCenter), model()->data(i, Qt::DisplayRole).toString());
        x += w;
    }
}

} // namespace kv

#pragma once

// A drop-down list whose closed box shows the highlighted row as the list
// does, column by column, not only its first column.

#include <QComboBox>

namespace kv {

class BrowseComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    // Column widths in pixels, as the drop-down's columns.
    void setColumnWidths(std::vector<int> widths) { widths_ = std::move(widths); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<int> widths_;
};

} // namespace kv

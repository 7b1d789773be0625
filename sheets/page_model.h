#pragma once

// The finished pages of a sheet, computed from the data before anything is
// drawn: texts, boxes and lines in report units (1/25 inch) from the paper's
// top-left corner, in drawing order (later items are drawn over earlier
// ones). The painter draws them on a preview, a printer or a PDF.

#include "sheets/report_layout.h"

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

namespace kv::sheets {

struct PageText {
    QRectF box; // the text is clipped to it
    QString text;
    FontSpec font;
    Qt::Alignment align;
    int rotation = 0; // tenths of a degree, counter-clockwise, about the box
    bool wrap = false;
};

struct PageBox {
    QRectF rect;
    QColor border;
    QColor fill; // invalid: not filled
};

struct PageLine {
    QLineF line;
    QColor colour;
};

using PageItem = std::variant<PageText, PageBox, PageLine>;

struct Page {
    std::vector<PageItem> items;

    // The items of one kind, in drawing order.
    template <class T> std::vector<const T*> all() const
    {
        std::vector<const T*> out;
        for (const PageItem& item : items) {
            if (const T* t = std::get_if<T>(&item)) {
                out.push_back(t);
            }
        }
        return out;
    }
    std::vector<const PageText*> texts() const { return all<PageText>(); }
    std::vector<const PageBox*> boxes() const { return all<PageBox>(); }
    std::vector<const PageLine*> lines() const { return all<PageLine>(); }
};

// What the preview and the PDF writer receive.
struct SheetDocument {
    PageSetup setup;
    std::vector<Page> pages;
    int rows = 0; // detail rows printed
};

} // namespace kv::sheets

#pragma once

// A sheet's layout as data: the page set-up, the bands and their controls.
// Positions are in report units, 1/25 inch (the report engine's
// "millimetre", 1.016 mm), as x, y, width, height relative to the band.
// The report writer turns a layout and the records into pages; nothing about
// a particular sheet lives in code outside its layout table.

#include <QColor>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace kv::sheets {

inline constexpr double kUnitsPerInch = 25.0;
inline constexpr double kMmPerUnit = 25.4 / kUnitsPerInch;

// Width or height of a text control that takes the size of its text.
inline constexpr double kAuto = -1.0;

struct FontSpec {
    QString face = QStringLiteral("Calibri");
    double points = 10.0;
    bool bold = false;

    bool operator==(const FontSpec&) const = default;
};

// Where a text control's value comes from.
struct Source {
    enum class Kind {
        Literal, // `literal`
        RowField, // field `index` of the record being printed, through `picture`
        RowMemo, // memo `index` of the record being printed
        SubjectField, // field `index` of the caller's subject record, through `picture`
        RowCount, // detail rows printed since the start of the sheet, through `picture`
    };
    Kind kind = Kind::Literal;
    int index = -1;
    QString picture;
    QString literal;
};

struct Control {
    enum class Kind {
        Text, // one line, clipped to its box
        MultiLineText, // wrapped within its box, clipped
        Box, // border and fill
        Line, // from (x, y) to (x + width, y + height)
    };
    Kind kind = Kind::Text;
    QRectF rect; // width/height kAuto: the size of the text
    // Texts
    Source source;
    std::optional<FontSpec> font; // none: the band's font
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    double indent = 0; // distance from the aligned edge
    int rotation = 0; // tenths of a degree, counter-clockwise
    bool framed = false; // multi-line text with a thin frame around its box
    // Boxes and lines
    QColor border = Qt::black;
    QColor fill; // invalid: not filled
};

struct Band {
    QString name;
    // Page form, header and footer stand at a fixed place on the page;
    // break and detail bands flow in the detail area and use only the height.
    QRectF rect;
    std::optional<FontSpec> font; // none: the report's font
    std::vector<Control> controls;

    double height() const { return rect.height(); }
};

// A band printed before the first record of every run of records with the
// same value of a text field.
struct BreakBand {
    int field = -1;
    Band band;
};

struct PageSetup {
    QString documentName;
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
};

struct ReportLayout {
    PageSetup page;
    FontSpec font; // the report's font
    QRectF detailArea;
    Band form; // printed on every page, behind everything else
    Band header;
    std::optional<BreakBand> breakOn;
    Band detail;
    Band footer;
};

} // namespace kv::sheets

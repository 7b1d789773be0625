#pragma once

// Turns records into pages following a layout's band flow:
//  - when a band is about to print at the top of a page, the page form and
//    the page header are printed first (the header shows the record being
//    printed and the caller's subject record as they are at that moment);
//  - bands follow one another down from the top of the detail area;
//  - a band that does not fit in the rest of the detail area starts a new
//    page, after the full page's footer;
//  - after the last record, the last page's footer.
// With a break band, it is printed before every record whose break field
// differs (case-sensitively) from that of the record printed before it.

#include "data/record.h"
#include "sheets/page_model.h"
#include "sheets/report_layout.h"

#include <QByteArray>
#include <optional>

namespace kv::sheets {

class ReportWriter {
public:
    // `subject` is read whenever a header is printed; it must outlive the writer.
    ReportWriter(const ReportLayout& layout, const Record& subject);

    // Prints the bands of one record.
    void take(const Record& row);
    // Prints the last page's footer and hands the pages over.
    SheetDocument finish();

    int rows() const { return rows_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }

private:
    void printFlowing(const Band& band, const Record& row);
    void printBand(const Band& band, QPointF origin, const Record& row);
    void printControl(const Control& control, const FontSpec& font, QPointF origin, const Record& row);
    void printText(const Control& control, const FontSpec& font, QRectF box, const Record& row);
    void closePage(const Record& row);
    QString valueOf(const Source& source, const Record& row) const;

    const ReportLayout& layout_;
    const Record& subject_;
    std::vector<Page> pages_;
    bool pageOpen_ = false;
    double cursor_ = 0; // where the next flowing band starts
    int rows_ = 0; // detail rows printed
    std::optional<QByteArray> lastBreak_;
    std::optional<Record> lastRow_; // for the last page's footer
};

} // namespace kv::sheets

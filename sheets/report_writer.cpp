#include "sheets/report_writer.h"

#include "sheets/text_measure.h"
#include "shell/picture.h"

#include <algorithm>

namespace kv::sheets {
namespace {

// Room between a boxed text and its frame.
constexpr double kFrameInset = 0.5;

// A band that ends exactly at the bottom of the detail area fits; decimal
// band heights must not miss that by a rounding error.
constexpr double kFitTolerance = 1e-6;

} // namespace

ReportWriter::ReportWriter(const ReportLayout& layout, const Record& subject)
    : layout_(layout)
    , subject_(subject)
{
}

void ReportWriter::take(const Record& row)
{
    if (layout_.breakOn) {
        const QByteArray value = row.rawText(layout_.breakOn->field);
        if (!lastBreak_ || *lastBreak_ != value) {
            printFlowing(layout_.breakOn->band, row);
            lastBreak_ = value;
        }
    }
    printFlowing(layout_.detail, row);
    ++rows_;
    lastRow_ = row;
}

SheetDocument ReportWriter::finish()
{
    if (pageOpen_) {
        closePage(*lastRow_);
    }
    return {layout_.page, std::move(pages_), rows_};
}

void ReportWriter::printFlowing(const Band& band, const Record& row)
{
    const QRectF& area = layout_.detailArea;
    if (pageOpen_ && cursor_ + band.height() > area.bottom() + kFitTolerance) {
        closePage(row);
    }
    if (!pageOpen_) {
        pages_.emplace_back();
        pageOpen_ = true;
        printBand(layout_.form, layout_.form.rect.topLeft(), row);
        printBand(layout_.header, layout_.header.rect.topLeft(), row);
        cursor_ = area.top();
    }
    printBand(band, {area.left(), cursor_}, row);
    cursor_ += band.height();
}

void ReportWriter::closePage(const Record& row)
{
    printBand(layout_.footer, layout_.footer.rect.topLeft(), row);
    pageOpen_ = false;
}

void ReportWriter::printBand(const Band& band, QPointF origin, const Record& row)
{
    const FontSpec& font = band.font ? *band.font : layout_.font;
    for (const Control& control : band.controls) {
        printControl(control, font, origin, row);
    }
}

void ReportWriter::printControl(
    const Control& control, const FontSpec& font, QPointF origin, const Record& row)
{
    Page& page = pages_.back();
    const QRectF rect = control.rect.translated(origin);
    switch (control.kind) {
    case Control::Kind::Box:
        page.items.emplace_back(PageBox {rect, control.border, control.fill});
        return;
    case Control::Kind::Line:
        page.items.emplace_back(PageLine {QLineF(rect.topLeft(), rect.bottomRight()), control.border});
        return;
    case Control::Kind::Text:
    case Control::Kind::MultiLineText:
        printText(control, control.font ? *control.font : font, rect, row);
        return;
    }
}

void ReportWriter::printText(const Control& control, const FontSpec& font, QRectF box, const Record& row)
{
    Page& page = pages_.back();
    if (control.framed) {
        page.items.emplace_back(PageBox {box, Qt::black, QColor()});
        box.adjust(kFrameInset, kFrameInset, -kFrameInset, -kFrameInset);
    }
    const QString text = valueOf(control.source, row);
    if (text.isEmpty()) {
        return; // blank values print nothing; lines and frames stand regardless
    }

    Qt::Alignment align = control.align;
    if (control.rect.width() < 0 || control.rect.height() < 0) {
        const QSizeF natural = textSize(font, text);
        double width = natural.width();
        // A number keeps the room of its positions and stands at their right.
        const Picture picture = Picture::parse(control.source.picture);
        if (picture.kind == Picture::Kind::Number && picture.width > 0) {
            width = std::max(width, digitsWidth(font, picture.width));
            align = (align & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight;
        }
        if (control.rect.width() < 0) {
            box.setWidth(width);
        }
        if (control.rect.height() < 0) {
            box.setHeight(natural.height());
        }
    }
    if (control.indent != 0) {
        if (align & Qt::AlignRight) {
            box.setRight(box.right() - control.indent);
        } else if (align & Qt::AlignLeft) {
            box.setLeft(box.left() + control.indent);
        }
    }
    page.items.emplace_back(
        PageText {box, text, font, align, control.rotation, control.kind == Control::Kind::MultiLineText});
}

QString ReportWriter::valueOf(const Source& source, const Record& row) const
{
    switch (source.kind) {
    case Source::Kind::Literal:
        return source.literal;
    case Source::Kind::RowField:
        return formatField(row, source.index, Picture::parse(source.picture));
    case Source::Kind::RowMemo:
        return formatMemo(row, source.index, Picture::parse(source.picture));
    case Source::Kind::SubjectField:
        return formatField(subject_, source.index, Picture::parse(source.picture));
    case Source::Kind::RowCount:
        return Picture::parse(source.picture).number(rows_);
    }
    return {};
}

} // namespace kv::sheets

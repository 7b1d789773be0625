#include "sheets/page_painter.h"

#include "sheets/text_measure.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace kv::sheets {
namespace {

// The thinnest rule that still shows on paper and at preview zoom.
constexpr double kRuleWidth = 0.12;

class Units {
public:
    Units(double dpiX, double dpiY)
        : x_(dpiX / kUnitsPerInch)
        , y_(dpiY / kUnitsPerInch)
    {
    }
    QPointF point(QPointF p) const { return {p.x() * x_, p.y() * y_}; }
    QRectF rect(const QRectF& r) const { return {point(r.topLeft()), point(r.bottomRight())}; }
    double width(double units) const { return units * x_; }

private:
    double x_;
    double y_;
};

void paintBox(QPainter& painter, const Units& u, const PageBox& box)
{
    QPen pen(box.border, u.width(kRuleWidth));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(box.border.isValid() ? pen : QPen(Qt::NoPen));
    painter.setBrush(box.fill.isValid() ? QBrush(box.fill) : QBrush(Qt::NoBrush));
    painter.drawRect(u.rect(box.rect));
}

void paintLine(QPainter& painter, const Units& u, const PageLine& line)
{
    painter.setPen(QPen(line.colour, u.width(kRuleWidth), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(u.point(line.line.p1()), u.point(line.line.p2()));
}

void paintText(QPainter& painter, const Units& u, const PageText& text)
{
    const QRectF box = u.rect(text.box);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(fontFor(text.font));
    painter.setPen(Qt::black);
    // Rotated about the box's centre; a quarter turn lays the text along the
    // box's height.
    painter.translate(box.center());
    const int quarterTurns = ((text.rotation / 900) % 4 + 4) % 4;
    painter.rotate(-text.rotation / 10.0);
    const bool across = quarterTurns % 2 == 1;
    const double w = across ? box.height() : box.width();
    const double h = across ? box.width() : box.height();
    const int flags = static_cast<int>(text.align) | (text.wrap ? Qt::TextWordWrap : 0);
    painter.drawText(QRectF(-w / 2, -h / 2, w, h), flags, text.text);
    painter.restore();
}

} // namespace

QPageLayout pageLayoutFor(const PageSetup& setup)
{
    return QPageLayout(
        QPageSize(setup.paper), setup.orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void paintPage(QPainter& painter, const Page& page, double dpiX, double dpiY)
{
    const Units u(dpiX, dpiY);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PageItem& item : page.items) {
        std::visit(
            [&](const auto& it) {
                using T = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<T, PageBox>) {
                    paintBox(painter, u, it);
                } else if constexpr (std::is_same_v<T, PageLine>) {
                    paintLine(painter, u, it);
                } else {
                    paintText(painter, u, it);
                }
            },
            item);
    }
    painter.restore();
}

bool paintDocument(QPagedPaintDevice& device, const SheetDocument& document, int fromPage, int toPage)
{
    const int count = static_cast<int>(document.pages.size());
    const int first = std::max(fromPage, 1);
    const int last = toPage > 0 ? std::min(toPage, count) : count;
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int n = first; n <= last; ++n) {
        if (n > first) {
            device.newPage();
        }
        paintPage(painter, document.pages[static_cast<std::size_t>(n - 1)], device.logicalDpiX(),
            device.logicalDpiY());
    }
    return painter.end();
}

} // namespace kv::sheets

// The painter draws the page model where it says, at any resolution, and
// turns rotated texts to read from bottom to top.

#include "sheets/page_painter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace kv::sheets {
namespace {

constexpr double kDpi = 100; // 4 pixels to the report unit

QImage paint(const Page& page)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, kDpi, kDpi);
    return image;
}

// The bounding rectangle of everything not white, in pixels.
QRect ink(const QImage& image, const QRect& within)
{
    QRect found;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

TEST(SheetPainter, DrawsBoxesAndLinesAtTheirPositions)
{
    Page page;
    page.items.emplace_back(PageBox {{10, 10, 5, 5}, QColor(128, 128, 128), QColor(0, 0, 255)});
    page.items.emplace_back(PageLine {{QPointF(40, 10), QPointF(40, 30)}, Qt::red});
    const QImage image = paint(page);

    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 255)); // inside the box, 12.5 units
    EXPECT_EQ(image.pixel(36, 50), qRgb(255, 255, 255)); // left of it
    EXPECT_NEAR(ink(image, {0, 0, 150, 300}).left(), 40, 1); // 10 units
    const QRect rule = ink(image, {150, 0, 50, 300});
    EXPECT_NEAR(rule.left(), 160, 1);
    EXPECT_LE(rule.width(), 2) << "a thin rule";
    EXPECT_NEAR(rule.top(), 40, 1);
    EXPECT_NEAR(rule.bottom(), 120, 1);
}

TEST(SheetPainter, TurnsTextsAQuarterCounterClockwise)
{
    Page page;
    PageText text {{20, 10, 8, 40}, QStringLiteral("Pendiente"), {QStringLiteral("Calibri"), 14, true},
        Qt::AlignLeft | Qt::AlignBottom, 900, false};
    page.items.emplace_back(text);
    const QImage turned = paint(page);
    const QRect box(80, 40, 32, 160);
    const QRect drawn = ink(turned, {0, 0, 400, 300});

    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(box.contains(drawn)) << "clipped to its box";
    EXPECT_GT(drawn.height(), 2 * drawn.width()) << "runs along the box's height";
    // Read from bottom to top, the text starts at the bottom of the box (a
    // clockwise turn would start it at the top) and its line stands at the
    // box's right, which is the bottom edge of the turned box.
    EXPECT_GT(drawn.bottom(), box.bottom() - 8);
    EXPECT_GT(drawn.top(), box.top() + 40);
    EXPECT_GT(drawn.right(), box.center().x());
}

} // namespace
} // namespace kv::sheets

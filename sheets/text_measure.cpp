#include "sheets/text_measure.h"

#include "shell/dialog_units.h"

#include <QFontMetricsF>
#include <QImage>
#include <map>
#include <memory>
#include <tuple>

namespace kv::sheets {
namespace {

constexpr double kMeasureDpi = 1200.0;
constexpr double kUnitsPerPixel = kUnitsPerInch / kMeasureDpi;

// A device at printer resolution, only for its metrics.
const QImage& measureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = static_cast<int>(kMeasureDpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// Metrics are built once per font: a sheet measures the same few fonts on
// every page.
const QFontMetricsF& metricsFor(const FontSpec& style)
{
    static std::map<std::tuple<QString, double, bool>, std::unique_ptr<QFontMetricsF>> cache;
    auto& slot = cache[{style.face, style.points, style.bold}];
    if (!slot) {
        slot = std::make_unique<QFontMetricsF>(fontFor(style), &measureDevice());
    }
    return *slot;
}

} // namespace

QFont fontFor(const FontSpec& style)
{
    QFont font = kvFont(style.face, style.points, style.bold);
    // No ligatures: with them "ti" became one glyph that PDF readers cannot
    // turn back into text ("Matemática" was found as "Matemá ca").
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QSizeF textSize(const FontSpec& style, const QString& text)
{
    const QFontMetricsF& m = metricsFor(style);
    return {m.horizontalAdvance(text) * kUnitsPerPixel, m.height() * kUnitsPerPixel};
}

double digitsWidth(const FontSpec& style, int count)
{
    return metricsFor(style).horizontalAdvance(QString(count, QLatin1Char('0'))) * kUnitsPerPixel;
}

} // namespace kv::sheets

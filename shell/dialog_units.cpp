#include "shell/dialog_units.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace kv {
namespace {

// A font without metrics (none installed) still gives usable units.
double positiveOr(double value, double fallback)
{
    return value > 0 ? value : fallback;
}

int roundClamped(double value)
{
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::round(value), kMin, kMax));
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    xUnit_ = positiveOr(metrics.averageCharWidth() / 4.0, 1.0);
    yUnit_ = positiveOr(metrics.height() / 8.0, 1.0);
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const
{
    return QRect(xToPixels(x), yToPixels(y), xToPixels(width), yToPixels(height));
}

int DialogUnits::xToPixels(int units) const
{
    return roundClamped(units * xUnit_);
}
int DialogUnits::yToPixels(int units) const
{
    return roundClamped(units * yUnit_);
}
int DialogUnits::xFromPixels(int pixels) const
{
    return roundClamped(pixels / xUnit_);
}
int DialogUnits::yFromPixels(int pixels) const
{
    return roundClamped(pixels / yUnit_);
}

void installFontSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
        QFont::insertSubstitution(QStringLiteral("Consolas"), QStringLiteral("DejaVu Sans Mono"));
        return true;
    }();
    (void)installed;
}

QFont kvFont(const QString& face, double pointSize, bool bold)
{
    installFontSubstitutions();
    QFont font(face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace kv

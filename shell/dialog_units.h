#pragma once

// Dialog units, the unit of window layouts: horizontally a quarter of the
// average character width of the window's font, vertically an eighth of its
// character height. Pixel values are rounded; out-of-range results stop at
// the int limits.

#include <QFont>
#include <QRect>
#include <QString>

namespace kv {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect toPixels(int x, int y, int width, int height) const;
    int xToPixels(int units) const;
    int yToPixels(int units) const;
    int xFromPixels(int pixels) const;
    int yFromPixels(int pixels) const;

    double pixelsPerXUnit() const { return xUnit_; }
    double pixelsPerYUnit() const { return yUnit_; }

private:
    double xUnit_;
    double yUnit_;
};

// A font of the layouts by face, size and weight. Faces the desktop may
// lack are replaced by installed twins: "Calibri" by "Carlito" (same metrics)
// and "Consolas" by "DejaVu Sans Mono" (fixed pitch).
QFont kvFont(const QString& face, double pointSize, bool bold = false);

// Registers those replacements with Qt; done by kvFont on first use.
void installFontSubstitutions();

} // namespace kv

#pragma once

// Draws finished pages on any paint device: the preview, a printer, a PDF.
// The painter knows nothing of a sheet's layout; it converts report units to
// device pixels and draws the page model's items in their order.

#include "sheets/page_model.h"

#include <QPageLayout>

class QPainter;
class QPagedPaintDevice;

namespace kv::sheets {

// The paper of a sheet, without margins: positions count from its corner.
QPageLayout pageLayoutFor(const PageSetup& setup);

// Draws one page on a painter whose device has the given resolution.
void paintPage(QPainter& painter, const Page& page, double dpiX, double dpiY);

// Draws pages `fromPage` to `toPage` (1-based; 0 for "from the first" or
// "to the last"), one device page each. False when the device cannot be
// painted on.
bool paintDocument(
    QPagedPaintDevice& device, const SheetDocument& document, int fromPage = 0, int toPage = 0);

} // namespace kv::sheets

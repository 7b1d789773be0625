#include "sheets/sheet_pdf.h"

#include "sheets/page_painter.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace kv::sheets {
namespace {

// Printer resolution, so that rules and text positions keep their precision.
constexpr int kPdfResolution = 1200;

} // namespace

bool writeSheetPdf(const SheetDocument& document, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.setup.documentName);
        writer.setCreator(QStringLiteral("KVAPP"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(pageLayoutFor(document.setup));
        if (!paintDocument(writer, document)) {
            *error = QStringLiteral("the PDF could not be drawn");
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace kv::sheets

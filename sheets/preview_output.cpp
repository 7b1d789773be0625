#include "sheets/page_painter.h"
#include "sheets/sheet_output.h"
#include "shell/window_placement.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace kv::sheets {
namespace {

const QString kPlacementSection = QStringLiteral("_PreviewWindow_");

// Large enough that the toolbar shows every action, Print included.
constexpr QSize kDesignedSize(1120, 800);

void setUpPrinter(QPrinter& printer, AppState& app, const PageSetup& setup)
{
    printer.setDocName(setup.documentName);
    printer.setFullPage(true); // positions count from the paper's corner
    printer.setPageLayout(pageLayoutFor(setup));
    // Without a printer the dialog can only print to a file, and its own
    // suggestion is a folder; offer a file beside the data instead.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFileName(
            QDir(app.directory()).filePath(setup.documentName + QStringLiteral(".pdf")));
    }
}

// The dialog's "fit" buttons start checked; at a zoom of our own they must
// not claim that the page is fitted.
void clearFitButtons(QPrintPreviewDialog& dialog)
{
    for (const char* name : {"fitPageAction", "fitWidthAction"}) {
        QAction* fit = dialog.findChild<QAction*>(QLatin1String(name));
        if (!fit || !fit->isChecked()) {
            continue;
        }
        QActionGroup* group = fit->actionGroup();
        const auto policy = group ? group->exclusionPolicy() : QActionGroup::ExclusionPolicy::None;
        if (group) {
            group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
        }
        fit->setChecked(false);
        if (group) {
            group->setExclusionPolicy(policy);
        }
    }
}

QSize designedSize()
{
    QSize size = kDesignedSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    }
    return size;
}

} // namespace

void PreviewOutput::show(AppState& app, const SheetDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, app, document.setup);

    QPrintPreviewDialog dialog(&printer);
    dialog.setWindowTitle(QStringLiteral("Report Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&document](QPrinter* target) {
        paintDocument(*target, document, target->fromPage(), target->toPage());
    });
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
        view->setViewMode(QPrintPreviewWidget::SinglePageView);
        view->setZoomFactor(1.0);
        view->setCurrentPage(1);
        clearFitButtons(dialog);
    }
    dialog.resize(designedSize());
    restorePlacement(app.ini, kPlacementSection, &dialog, true);
    dialog.exec();
    savePlacement(app.ini, kPlacementSection, &dialog, true);
}

} // namespace kv::sheets

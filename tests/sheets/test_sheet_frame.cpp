// The report frame: the progress window's run, "No Records", "Cancel", and
// the preview it opens.

#include "sheets/progress_window.h"
#include "sheets/sheet_procedures.h"
#include "tests/sheets/sheet_fixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace kv::sheets::test {
namespace {

using SheetFrame = SheetFixture;

// Calls `script` with the first modal window of type W, from inside its
// event loop; closes whatever is left open after a while so that a failing
// test cannot hang.
template <class W> void whenModal(const std::function<void(W*)>& script)
{
    auto* poll = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, script] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            script(w);
        } else if (++*tries > 500) {
            poll->deleteLater();
            poll->stop();
            ADD_FAILURE() << "the window never opened";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                other->reject();
            }
        }
    });
    poll->start(20);
}

TEST_F(SheetFrame, ACompletedRunHandsThePagesOverOnceAndClosesItsFiles)
{
    for (int n = 1; n <= 28; ++n) {
        addGrade(3, QStringLiteral("ALUMNO %1").arg(n, 2, 10, QLatin1Char('0')));
    }
    selectSubject(progressSheet(), 3);
    app.globalRequest = ChangeRecord;
    RecordingOutput output;
    runSheet(app, progressSheet(), output);

    ASSERT_EQ(output.shown.size(), 1u);
    EXPECT_EQ(output.shown[0].pages.size(), 2u);
    EXPECT_EQ(output.shown[0].setup.documentName, QStringLiteral("Planilla"));
    EXPECT_EQ(app.globalResponse, RequestCompleted);
    EXPECT_EQ(app.globalRequest, 0);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(app.dict.kvlibreta.relate.useCount(), 0);
    EXPECT_EQ(app.dict.kvmaterias.relate.useCount(), 0);
    EXPECT_FALSE(app.dict.kvlibreta.access.quickScan());
    EXPECT_TRUE(app.ini.fetch(QStringLiteral("Imprimir_Planilla_Informe_Progreso"), false).has_value());
}

TEST_F(SheetFrame, AnEmptyRangeShowsNoRecordsAndNoPreview)
{
    addGrade(3, QStringLiteral("SOSA, Mía"));
    addTracking(3, QStringLiteral("SOSA, Mía"));
    for (const SheetDefinition* sheet : {&progressSheet(), &contentsSheet()}) {
        SCOPED_TRACE(sheet->procedure.toStdString());
        recorder.clear();
        selectSubject(*sheet, 4);
        RecordingOutput output;
        runSheet(app, *sheet, output);

        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].title, QStringLiteral("No Records"));
        EXPECT_EQ(recorder.messages[0].text, QStringLiteral("There are no records available to process."));
        EXPECT_TRUE(output.shown.empty());
        EXPECT_EQ(app.globalResponse, RequestCancelled);
    }
}

TEST_F(SheetFrame, CancelDropsThePagesWithoutPreview)
{
    for (int n = 1; n <= 40; ++n) {
        addTracking(8, QStringLiteral("ALUMNO %1").arg(n, 2, 10, QLatin1Char('0')));
    }
    selectSubject(contentsSheet(), 8);
    RecordingOutput output;
    int printedAtCancel = -1;
    QString shownPercent;
    whenModal<ProgressWindow>([&](ProgressWindow* w) {
        // The first tick prints one record; "Cancel" lands before the next.
        ASSERT_TRUE(QTest::qWaitFor([w] { return w->printed() >= 1; }, 5000));
        printedAtCancel = w->printed();
        shownPercent = w->percentText()->text();
        QTest::mouseClick(w->cancelButton(), Qt::LeftButton);
    });
    runSheet(app, contentsSheet(), output);

    EXPECT_TRUE(output.shown.empty());
    EXPECT_EQ(app.globalResponse, RequestCancelled);
    EXPECT_GE(printedAtCancel, 1);
    EXPECT_LT(printedAtCancel, 40);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{1,3}% Complete$")).match(shownPercent).hasMatch())
        << shownPercent.toStdString();
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(SheetFrame, ThePreviewOpensAtPageOneActualSizeOnA4Landscape)
{
    for (int n = 1; n <= 28; ++n) {
        addGrade(3, QStringLiteral("ALUMNO %1").arg(n, 2, 10, QLatin1Char('0')));
    }
    selectSubject(progressSheet(), 3);
    bool inspected = false;
    whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        inspected = true;
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_TRUE(view);
        EXPECT_EQ(view->pageCount(), 2);
        EXPECT_EQ(view->currentPage(), 1);
        EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.0);
        const QPrinter* printer = preview->printer();
        EXPECT_EQ(printer->docName(), QStringLiteral("Planilla"));
        EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Landscape);
        EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            EXPECT_EQ(printer->outputFileName(), QDir(dir.path()).filePath(QStringLiteral("Planilla.pdf")));
        }
        preview->reject();
    });
    runProgressSheet(app);

    EXPECT_TRUE(inspected);
    EXPECT_EQ(app.globalResponse, RequestCompleted); // leaving the preview does not cancel the run
    EXPECT_TRUE(app.ini.fetch(QStringLiteral("_PreviewWindow_"), true).has_value());
}

} // namespace
} // namespace kv::sheets::test

#pragma once

// The report frame of both sheets: a small modal progress window that reads
// the sheet's records on its timer, a batch per tick, and prints their bands;
// "Cancel" is handled between batches. When the records are done the window
// closes and the finished pages go to the output (the preview); with no
// record at all GlobalErrors shows "No Records" and nothing is shown.
// Response: RequestCompleted when the run ended by itself, RequestCancelled
// on an empty range or "Cancel".

#include "sheets/record_process.h"
#include "sheets/report_writer.h"
#include "sheets/sheet_definition.h"
#include "sheets/sheet_output.h"
#include "shell/procedure_window.h"

#include <QTimer>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kv::sheets {

class ProgressWindow : public ProcedureWindow {
    Q_OBJECT
public:
    ProgressWindow(
        AppState& app, const SheetDefinition& sheet, SheetOutput& output, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    QProgressBar* thermometer() const { return bar_; }
    QLabel* userString() const { return userString_; }
    QLabel* percentText() const { return pctText_; }
    QPushButton* cancelButton() const { return cancel_; }
    // Records printed so far.
    int printed() const { return writer_ ? writer_->rows() : 0; }

public slots:
    void reject() override;

protected:
    void prepare() override;
    void finish() override;

private:
    void openReport();
    void processBatch();
    void showProgress();
    DataFile& readFile() const;

    const SheetDefinition& sheet_;
    SheetOutput& output_;
    QProgressBar* bar_;
    QLabel* userString_;
    QLabel* pctText_;
    QPushButton* cancel_;
    QTimer timer_;
    std::unique_ptr<RecordProcess> process_;
    std::unique_ptr<ReportWriter> writer_;
    int thermometer_ = 0; // per cent shown
    int batch_ = 1; // records per tick
};

} // namespace kv::sheets

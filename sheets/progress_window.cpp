#include "sheets/progress_window.h"

#include "shell/layout_helpers.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace kv::sheets {
namespace {

constexpr int kTickMs = 100;
// Each tick works for at most about a tenth of the one-second time slice, so
// the window repaints and hears "Cancel" between batches.
constexpr qint64 kTickBudgetMs = 100;
constexpr int kMaxBatch = 1 << 16;

std::vector<DataFile*> filesOf(AppState& app, const SheetDefinition& sheet)
{
    std::vector<DataFile*> files;
    for (DataFile Dictionary::*f : sheet.files) {
        files.push_back(&(app.dict.*f));
    }
    return files;
}

QLabel* centredLine(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow(
    AppState& app, const SheetDefinition& sheet, SheetOutput& output, QWidget* parent)
    : ProcedureWindow(app, {sheet.procedure, filesOf(app, sheet), false}, parent)
    , sheet_(sheet)
    , output_(output)
    , bar_(new QProgressBar(this))
    , userString_(centredLine(this))
    , pctText_(centredLine(this))
    , cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    // No system menu and no close box: "Cancel" is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Progress..."));
    const DialogUnits du(font());
    setFixedSize(du.xToPixels(142), du.yToPixels(59));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    place(bar_, du, 15, 15, 111, 12);
    place(userString_, du, 0, 3, 141, 10);
    place(pctText_, du, 0, 30, 141, 10);
    place(cancel_, du, 45, 42, 50, 15);
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::reject);

    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &ProgressWindow::processBatch);
}

ProgressWindow::~ProgressWindow() = default;

DataFile& ProgressWindow::readFile() const
{
    return app().dict.*sheet_.read;
}

void ProgressWindow::prepare()
{
    userString_->setText(QString());
    readFile().relate.setQuickScan(true);
    // The report opens once the window is up, so that "No Records" shows
    // over it.
    QTimer::singleShot(0, this, &ProgressWindow::openReport);
}

void ProgressWindow::openReport()
{
    if (!isVisible() || writer_) {
        return; // closed before it could start
    }
    process_ = std::make_unique<RecordProcess>(readFile().access, sheet_.key, sheet_.progressField);
    if (!process_->open()) {
        app().errors.throwMessage(Msg::NoRecords);
        reject();
        return;
    }
    writer_ = std::make_unique<ReportWriter>(sheet_.layout, app().dict.kvmaterias.buffer);
    showProgress();
    timer_.start();
}

void ProgressWindow::processBatch()
{
    QElapsedTimer clock;
    clock.start();
    DataFile& file = readFile();
    for (int i = 0; i < batch_; ++i) {
        writer_->take(file.buffer);
        if (!process_->next()) {
            timer_.stop();
            setResponse(RequestCompleted);
            accept();
            return;
        }
        showProgress();
    }
    // Grow the batch while ticks are short, shrink it when one ran long.
    const qint64 spent = clock.elapsed();
    if (spent < kTickBudgetMs / 2) {
        batch_ = std::min(batch_ * 2, kMaxBatch);
    } else if (spent > kTickBudgetMs) {
        batch_ = std::max(batch_ / 2, 1);
    }
}

void ProgressWindow::showProgress()
{
    const int pct = std::min(process_->percent(), 100);
    if (pct == thermometer_ && !pctText_->text().isEmpty()) {
        return;
    }
    thermometer_ = pct;
    bar_->setValue(pct);
    pctText_->setText(QStringLiteral("%1% Complete").arg(pct));
    update();
}

void ProgressWindow::reject()
{
    timer_.stop();
    setResponse(RequestCancelled);
    ProcedureWindow::reject();
}

void ProgressWindow::finish()
{
    timer_.stop();
    readFile().relate.setQuickScan(false);
    if (response() == RequestCompleted && writer_) {
        const SheetDocument document = writer_->finish();
        writer_.reset();
        output_.show(app(), document);
    }
    // Cancelled: the pages made so far are dropped unseen.
    writer_.reset();
    process_.reset();
}

} // namespace kv::sheets

#include "tracking/tracking_window.h"

#include "catalogue/content_sync.h"
#include "data/files/kvaluap.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "shell/browse_combo.h"
#include "shell/layout_helpers.h"
#include "shell/picture.h"
#include "shell/text_rules.h"
#include "tracking/tracking_lists.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>

namespace kv {
namespace {

const QColor kGrey(230, 230, 230);
const QColor kBlue(0, 128, 255);
constexpr int kObservationLength = 1500;

QTableView* listView(QWidget* parent, const QFont& font)
{
    auto* v = new QTableView(parent);
    v->setFont(font);
    QPalette p = v->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Highlight, kBlue);
    p.setColor(QPalette::HighlightedText, Qt::white);
    v->setPalette(p);
    return v;
}

QPushButton* hiddenCommand(QWidget* parent, const QString& text, const QString& icon)
{
    QPushButton* b = flatButton(parent, text, icon);
    b->hide();
    b->setEnabled(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TrackingWindow::TrackingWindow(AppState& app, QWidget* parent)
    : ProcedureWindow(app,
        {QStringLiteral("Ventana_Seguimiento_Notas"),
            {&app.dict.kvaprende, &app.dict.kvaluap, &app.dict.kvlibreta, &app.dict.kvmaterias,
                &app.dict.kvseguir},
            false},
        parent)
{
    build();
}

TrackingWindow::~TrackingWindow() = default;

void TrackingWindow::build()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("MIRADEL - Nivel Divodade 2025"));
    setFont(kvFont(QStringLiteral("Calibri"), 8));
    setBackground(this, kGrey);
    const DialogUnits du(font());
    setFixedSize(du.xToPixels(900), du.yToPixels(440));

    const QString calibri = QStringLiteral("Calibri");
    docente_ = displayText(this, calibri, 14, kBlue);
    place(docente_, du, 8, 4, 432, 16);

    list_ = new BrowseComboBox(this);
    list_->setFont(kvFont(QStringLiteral("Calibri"), 9, true));
    list_->setMaxVisibleItems(20);
    place(list_, du, 8, 20, 432, 12);

    ciclo_ = displayText(this, calibri, 10);
    curso_ = displayText(this, calibri, 10, kBlue);
    division_ = displayText(this, calibri, 10, kBlue);
    especialidad_ = displayText(this, calibri, 10, kBlue);
    materia_ = displayText(this, calibri, 10, kBlue);
    place(materia_, du, 8, 52, 360, 12);

    // The sheet: a tab bar over a framed area; the controls of each tab
    // stand at their own places in the window and are shown per tab.
    sheet_ = new QWidget(this);
    sheet_->setGeometry(0, du.yToPixels(72), width(), height() - du.yToPixels(72));
    sheet_->setStyleSheet(QStringLiteral("border-top: 1px solid #a0a0a0;"));
    tabs_ = new QTabBar(this);
    tabs_->setFont(kvFont(QStringLiteral("Calibri"), 9));
    tabs_->addTab(QStringLiteral("Informe de Progreso"));
    tabs_->addTab(QStringLiteral("Contenidos"));
    tabs_->move(0, du.yToPixels(72));
    tabs_->adjustSize();
    sheet_->setGeometry(0, du.yToPixels(72) + tabs_->height() - 1, width(),
        height() - du.yToPixels(72) - tabs_->height() + 1);

    button3_ = flatButton(this, QStringLiteral("Salir"), QStringLiteral("SALIR"));
    place(button3_, du, 812, 8, 80, 24);
    change_ = flatButton(this, QStringLiteral("&Editar"), QStringLiteral("EDITAR"));
    place(change_, du, 724, 8, 80, 24);
    insert_ = hiddenCommand(this, QStringLiteral("&Insert"), QString());
    place(insert_, du, 392, 40, 44, 24);
    delete_ = hiddenCommand(this, QStringLiteral("&Delete"), QString());
    place(delete_, du, 344, 40, 44, 24);

    const QFont list9 = kvFont(QStringLiteral("Calibri"), 9);
    list2_ = listView(this, kvFont(QStringLiteral("consolas"), 9));
    place(list2_, du, 4, 88, 892, 348);
    button10_ = flatButton(this, QStringLiteral("Planilla"), QStringLiteral("IMPPREV"));
    place(button10_, du, 636, 8, 80, 24);

    list3_ = listView(this, list9);
    place(list3_, du, 4, 88, 248, 348);
    list4_ = listView(this, list9);
    place(list4_, du, 256, 120, 640, 212);
    auxppi_ = new StorableTextEdit(kObservationLength, QStringLiteral("La observación"), this);
    auxppi_->setFont(list9);
    auxppi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEntryColours(auxppi_);
    auxppi_->setFont(list9);
    place(auxppi_, du, 256, 336, 280, 52);
    auxppi_->hide();
    button11_ = flatButton(this, QStringLiteral("Grabar Observacion PPI"), QStringLiteral("OK01"));
    place(button11_, du, 256, 392, 92, 24);
    button11_->hide();
    button9_ = flatButton(this, QStringLiteral("Planilla"), QStringLiteral("IMPPREV"));
    place(button9_, du, 636, 8, 80, 24);
    string11_ = transparentLabel(
        this, QStringLiteral("Logrado, Pendiente, en Proceso, PPI: Colocar X done corresponda"), true);
    place(string11_, du, 651, 100);
    button5_ = flatButton(this, QStringLiteral("Contenidos"), QStringLiteral("BIBLIOTECA"));
    place(button5_, du, 256, 92, 80, 24);
    insert2_ = hiddenCommand(this, QStringLiteral("&Agregar"), QStringLiteral("AGREGAR"));
    place(insert2_, du, 520, 92, 80, 24);
    change2_ = flatButton(this, QStringLiteral("&Modificar"), QStringLiteral("EDITAR"));
    place(change2_, du, 344, 92, 80, 24);
    delete2_ = hiddenCommand(this, QStringLiteral("&Borrar"), QStringLiteral("BORRAR"));
    place(delete2_, du, 432, 92, 80, 24);

    // Tab order as the controls are numbered.
    QWidget* order[] = {list_, tabs_, list2_, button10_, list3_, list4_, auxppi_, button11_, button9_,
        button5_, change2_, button3_, change_};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    buildLists();

    connect(tabs_, &QTabBar::currentChanged, this, &TrackingWindow::showTab);
    connect(button3_, &QPushButton::clicked, this, [this] {
        commandFrame();
        accept();
    });
    connect(change_, &QPushButton::clicked, this, [this] {
        // "&Editar" edits the grade book: show it first when the other tab is up.
        tabs_->setCurrentIndex(0);
        eip2_->startFirst();
    });
    connect(change2_, &QPushButton::clicked, this, [this] { eip5_->startFirst(); });
    connect(button11_, &QPushButton::clicked, this, &TrackingWindow::storeObservationText);
    connect(button5_, &QPushButton::clicked, this, &TrackingWindow::contents);
    connect(button10_, &QPushButton::clicked, this, [this] { print(true); });
    connect(button9_, &QPushButton::clicked, this, [this] { print(false); });
    connect(auxppi_, &StorableTextEdit::refused, this,
        [this](const QString& why) { indicateRefusal(auxppi_, why); });
    showTab(0);
}

void TrackingWindow::buildLists()
{
    Dictionary& d = app().dict;
    const DialogUnits du(font());
    brw1_ = new BrowseList(d.kvmaterias, list_, du, subjectListSetup());
    brw1_->setRange(
        [&d](Record& probe) {
            probe.setInteger(KVM::DNI_DOCENTE, d.kvmaterias.buffer.integer(KVM::DNI_DOCENTE));
        },
        1);
    brw2_ = new BrowseList(d.kvlibreta, list2_, du, gradeBookSetup());
    brw2_->setRange(
        [&d](Record& probe) {
            probe.setInteger(KVL::COD_MATERIA, d.kvmaterias.buffer.integer(KVM::NRO_REGISTRO));
        },
        1);
    brw4_ = new BrowseList(d.kvaluap, list3_, du, studentListSetup());
    brw4_->setRange(
        [&d](
            Record& probe) { probe.setInteger(KVA::COD_CURSO, d.kvmaterias.buffer.integer(KVM::COD_CURSO)); },
        1);
    brw5_ = new BrowseList(d.kvseguir, list4_, du, trackingListSetup());
    brw5_->setRange(
        [&d](Record& probe) { probe.setInteger(KVG::NRO_LEGAJO, d.kvaluap.buffer.integer(KVA::LEGAJO)); }, 1);
    brw5_->setFilter([&d](const Record& g) {
        return g.integer(KVG::COD_MATERIA) == d.kvmaterias.buffer.integer(KVM::NRO_REGISTRO);
    });
    eip2_ = new EditInPlace(*brw2_, gradeBookEditing());
    eip5_ = new EditInPlace(*brw5_, trackingEditing());

    connect(brw1_, &BrowseList::highlightChanged, this, &TrackingWindow::subjectEvent);
    connect(brw4_, &BrowseList::highlightChanged, this, &TrackingWindow::studentEvent);
    connect(brw5_, &BrowseList::highlightChanged, this, &TrackingWindow::trackingEvent);
    connect(brw2_, &BrowseList::rowsChanged, change_, &QWidget::setEnabled);
    connect(brw5_, &BrowseList::rowsChanged, change2_, &QWidget::setEnabled);
    connect(list2_, &QTableView::doubleClicked, this,
        [this](const QModelIndex& i) { eip2_->startAt(i.row(), i.column()); });
    connect(list4_, &QTableView::doubleClicked, this,
        [this](const QModelIndex& i) { eip5_->startAt(i.row(), i.column()); });
}

void TrackingWindow::prepare()
{
    docente_->setText(Picture::parse(u"@s80").text(app().auxiliarDocente));
    // The lists fill in order: subjects, then what follows the first subject.
    refreshing_ = true;
    brw1_->fill();
    brw2_->fill();
    brw4_->fill();
    brw5_->fill();
    refreshing_ = false;
    evaluateObservationBox();
    redisplay();
}

void TrackingWindow::showTab(int index)
{
    const bool progress = index == 0;
    for (QWidget* w : {static_cast<QWidget*>(list2_), static_cast<QWidget*>(button10_)}) {
        w->setVisible(progress);
    }
    for (QWidget* w : {static_cast<QWidget*>(list3_), static_cast<QWidget*>(list4_),
             static_cast<QWidget*>(button9_), static_cast<QWidget*>(string11_),
             static_cast<QWidget*>(button5_), static_cast<QWidget*>(change2_)}) {
        w->setVisible(!progress);
    }
    if (progress) {
        auxppi_->hide();
        button11_->hide();
    } else {
        evaluateObservationBox();
    }
}

void TrackingWindow::redisplay()
{
    const Record& m = app().dict.kvmaterias.buffer;
    const DialogUnits du(font());
    showField(ciclo_, du, m, KVM::CICLO, u"@s11", 8, 36);
    showField(curso_, du, m, KVM::CURSO, u"@n3", 68, 36);
    showField(division_, du, m, KVM::DIVISION, u"@s4", 92, 36);
    showField(especialidad_, du, m, KVM::ESPECIALIDAD, u"@s40", 120, 36);
    materia_->setText(formatField(m, KVM::MATERIA, Picture::parse(u"@s60")));
}

void TrackingWindow::subjectEvent()
{
    if (refreshing_) {
        return;
    }
    refreshing_ = true;
    // The grade book and the students follow the subject through their
    // ranges; the tracking rows through their filter, so they are always read again.
    brw2_->refreshIfRangeChanged();
    brw4_->refreshIfRangeChanged();
    if (!brw5_->refreshIfRangeChanged()) {
        brw5_->resetFromFile();
    }
    refreshing_ = false;
    evaluateObservationBox();
    redisplay();
}

void TrackingWindow::studentEvent()
{
    if (refreshing_) {
        return;
    }
    refreshing_ = true;
    brw5_->refreshIfRangeChanged();
    refreshing_ = false;
    evaluateObservationBox();
}

void TrackingWindow::trackingEvent()
{
    if (!refreshing_) {
        evaluateObservationBox();
    }
}

void TrackingWindow::evaluateObservationBox()
{
    const Record& g = app().dict.kvseguir.buffer;
    const bool ppi = g.text(KVG::PPI) == QLatin1String("X") && tabs_->currentIndex() == 1;
    if (ppi) {
        auxppi_->setStoredText(g.memo(KVG::OBSPPI));
    }
    auxppi_->setVisible(ppi);
    button11_->setVisible(ppi);
}

void TrackingWindow::commandFrame()
{
    eip2_->complete();
    eip5_->complete();
    for (BrowseList* l : {brw1_, brw2_, brw4_, brw5_}) {
        l->updateViewRecord();
    }
}

void TrackingWindow::storeObservationText()
{
    commandFrame();
    if (!brw5_->hasRows()) {
        return; // no row to store it in
    }
    // The box takes only what the file can hold; its first 1000 characters are stored.
    Record& g = app().dict.kvseguir.buffer;
    g.setMemoCut(KVG::OBSPPI, auxppi_->storableText().left(1000));
    app().dict.kvseguir.access.update();
    brw5_->resetFromFile();
    evaluateObservationBox();
}

void TrackingWindow::contents()
{
    commandFrame();
    app().globalRequest = 0;
    if (app().procedures.contentList) {
        app().procedures.contentList(app());
    }
    const Record subject = app().dict.kvmaterias.buffer;
    const SyncResult result = synchroniseContents(app().dict, subject);
    if (!result.ok) {
        // Nothing of the synchronisation was kept: say so rather than go on silently.
        app().errors.throwMessage(Msg::UpdateFailed, {app().dict.kvseguir.access.name(), {}, result.error});
    }
    // The new rows are shown at once, the highlighted student kept.
    refreshing_ = true;
    brw4_->resetFromFile();
    brw5_->resetFromFile();
    refreshing_ = false;
    evaluateObservationBox();
    redisplay();
}

void TrackingWindow::print(bool progress)
{
    commandFrame();
    app().globalRequest = 0;
    auto& procedure = progress ? app().procedures.progressSheet : app().procedures.contentsSheet;
    if (procedure) {
        procedure(app());
    }
    // Refreshed without forcing: lists whose range moved are read again.
    refreshing_ = true;
    brw2_->refreshIfRangeChanged();
    brw4_->refreshIfRangeChanged();
    brw5_->refreshIfRangeChanged();
    refreshing_ = false;
    evaluateObservationBox();
    redisplay();
}

void TrackingWindow::keyPressEvent(QKeyEvent* e)
{
    // Esc never closes this window (only "Salir" does).
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    ProcedureWindow::keyPressEvent(e);
}

void TrackingWindow::closeEvent(QCloseEvent* e)
{
    // A close request from the desktop acts as "Salir", after completing the row being edited.
    commandFrame();
    ProcedureWindow::closeEvent(e);
}

void runTrackingWindow(AppState& app)
{
    TrackingWindow w(app);
    w.run();
}

} // namespace kv

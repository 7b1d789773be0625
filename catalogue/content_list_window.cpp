#include "catalogue/content_list_window.h"

#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "shell/browse_list.h"
#include "shell/layout_helpers.h"
#include "shell/picture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace kv {
namespace {

BrowseSetup catalogueSetup()
{
    BrowseSetup s;
    s.key = KVAP::CLAVE_LEGAJO_ORDEN_MATERIA;
    s.format = QStringLiteral(
        "200L(2)|_~CONTENIDO_PRIORIZADO~@s255@1020L(2)|_@s255@240L(2)|_~DOCENTE~@s60@240L(2)|_~"
        "MATERIAS~@s60@28R(2)|_~NRO_ORDEN~L@n-7@56R(2)|_~COD_DOCENTE~L@n-14@56R(2)|_~COD_CURSO~L@"
        "n-14@56R(2)|_~COD_MATERIA~L@n-14@56R(2)|_~NRO_REGISTRO~L@n-14@");
    s.sources = {QStringLiteral("KVAP:CONTENIDO_PRIORIZADO"), QStringLiteral("KVAP:APRENDIZAJE_TRABAJO"),
        QStringLiteral("KVAP:DOCENTE"), QStringLiteral("KVAP:MATERIAS"), QStringLiteral("KVAP:NRO_ORDEN"),
        QStringLiteral("KVAP:COD_DOCENTE"), QStringLiteral("KVAP:COD_CURSO"),
        QStringLiteral("KVAP:COD_MATERIA"), QStringLiteral("KVAP:NRO_REGISTRO")};
    s.rowFields = s.sources;
    s.locatorField = KVAP::NRO_ORDEN;
    return s;
}

} // namespace

ContentListWindow::ContentListWindow(AppState& app, QWidget* parent)
    : ProcedureWindow(
        app, {QStringLiteral("ABM_CONTENIDOS"), {&app.dict.kvaprende, &app.dict.kvmaterias}, false}, parent)
{
    build();
}

void ContentListWindow::build()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Caption"));
    setFont(kvFont(QStringLiteral("consolas"), 10));
    setBackground(this, QColor(230, 230, 230));
    const DialogUnits du(font());
    setFixedSize(du.xToPixels(700), du.yToPixels(360));

    const QString consolas = QStringLiteral("Consolas");
    materia_ = displayText(this, consolas, 14, QColor(0, 128, 255));
    place(materia_, du, 4, 4, 448, 16);
    ciclo_ = displayText(this, consolas, 12);
    curso_ = displayText(this, consolas, 12);
    division_ = displayText(this, consolas, 12);

    view_ = new QTableView(this);
    QPalette p = view_->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    view_->setPalette(p);
    place(view_, du, 4, 44, 692, 284);

    exit_ = flatButton(this, QStringLiteral("Salir"), QStringLiteral("SALIR"));
    exit_->setFlat(false);
    place(exit_, du, 604, 332, 92, 24);
    insert_ = flatButton(this, QStringLiteral("&Agregar"), QStringLiteral("AGREGAR"));
    insert_->setFlat(false);
    place(insert_, du, 4, 332, 92, 24);
    change_ = flatButton(this, QStringLiteral("&Modificar"), QStringLiteral("EDITAR"));
    change_->setFlat(false);
    place(change_, du, 104, 332, 92, 24);
    delete_ = flatButton(this, QStringLiteral("&Borrar"), QStringLiteral("BORRAR"));
    delete_->setFlat(false);
    place(delete_, du, 204, 332, 92, 24);
    setTabOrder(view_, exit_);
    setTabOrder(exit_, insert_);
    setTabOrder(insert_, change_);
    setTabOrder(change_, delete_);

    Dictionary& d = app().dict;
    brw1_ = new BrowseList(d.kvaprende, view_, du, catalogueSetup());
    // A filter, not a range: entries of other subjects are read past.
    brw1_->setFilter([&d](const Record& e) {
        return e.integer(KVAP::COD_MATERIA) == d.kvmaterias.buffer.integer(KVM::NRO_REGISTRO);
    });
    connect(brw1_, &BrowseList::rowsChanged, this, [this](bool rows) {
        change_->setEnabled(rows);
        delete_->setEnabled(rows);
    });
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
    connect(insert_, &QPushButton::clicked, this, &ContentListWindow::add);
    connect(change_, &QPushButton::clicked, this, &ContentListWindow::change);
    connect(delete_, &QPushButton::clicked, this, &ContentListWindow::remove);
    connect(view_, &QTableView::doubleClicked, this, &ContentListWindow::change);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, &ContentListWindow::popupMenu);
    view_->installEventFilter(this);
}

void ContentListWindow::prepare()
{
    const Record& m = app().dict.kvmaterias.buffer;
    const DialogUnits du(font());
    materia_->setText(formatField(m, KVM::MATERIA, Picture::parse(u"@s60")));
    showField(ciclo_, du, m, KVM::CICLO, u"@s10", 4, 24);
    showField(curso_, du, m, KVM::CURSO, u"@n2", 84, 24);
    showField(division_, du, m, KVM::DIVISION, u"@s2", 108, 24);
    brw1_->fill();
    view_->setFocus();
}

std::uint8_t ContentListWindow::callForm(std::uint8_t request)
{
    app().globalRequest = request;
    if (app().procedures.contentForm) {
        app().procedures.contentForm(app());
    } else {
        app().globalResponse = RequestCancelled;
    }
    return app().globalResponse;
}

void ContentListWindow::add()
{
    app().dict.kvaprende.buffer.clear();
    if (callForm(InsertRecord) == RequestCompleted) {
        brw1_->reloadAt(app().dict.kvaprende.access.position());
    } else {
        brw1_->resetFromFile();
    }
    view_->setFocus();
}

void ContentListWindow::change()
{
    if (!brw1_->hasRows()) {
        return;
    }
    brw1_->updateViewRecord();
    if (callForm(ChangeRecord) == RequestCompleted) {
        brw1_->reloadAt(app().dict.kvaprende.access.position());
    } else {
        brw1_->resetFromFile();
    }
    view_->setFocus();
}

void ContentListWindow::remove()
{
    if (!brw1_->hasRows()) {
        return;
    }
    const int row = brw1_->currentRow();
    brw1_->updateViewRecord();
    if (callForm(DeleteRecord) == RequestCompleted) {
        // The list closes up around the gap.
        brw1_->fill();
        brw1_->setCurrentRow(std::min(row, brw1_->rowCount() - 1));
    } else {
        brw1_->resetFromFile();
    }
    view_->setFocus();
}

void ContentListWindow::popupMenu(const QPoint& where)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Insert"), this, &ContentListWindow::add);
    menu.addAction(QStringLiteral("&Change"), this, &ContentListWindow::change)->setEnabled(brw1_->hasRows());
    menu.addAction(QStringLiteral("&Delete"), this, &ContentListWindow::remove)->setEnabled(brw1_->hasRows());
    menu.exec(view_->viewport()->mapToGlobal(where));
}

bool ContentListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Insert) {
            add();
            return true;
        }
        if (k->key() == Qt::Key_Delete) {
            remove();
            return true;
        }
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            && (k->modifiers() & Qt::ControlModifier)) {
            change();
            return true;
        }
    }
    return ProcedureWindow::eventFilter(watched, event);
}

void runContentList(AppState& app)
{
    ContentListWindow w(app);
    w.run();
}

} // namespace kv

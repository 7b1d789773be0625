#include "shell/login_window.h"

#include "data/files/kvmaterias.h"
#include "shell/layout_helpers.h"
#include "shell/typed_entry.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kv {
namespace {

const QString kNotFound = QStringLiteral("D.N.I. Docente No encontrado ..... ");

} // namespace

LoginWindow::LoginWindow(AppState& app, QWidget* parent)
    : ProcedureWindow(app, {QStringLiteral("Main"), {&app.dict.kvmaterias}, false}, parent)
{
    build();
}

void LoginWindow::build()
{
    // "P44$WINDOW": no caption, no system menu (so no close box), fixed size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QString());
    setFont(kvFont(QStringLiteral("Consolas"), 10));
    setBackground(this, QColor(230, 230, 230));
    const DialogUnits du(font());
    setFixedSize(du.xToPixels(400), du.yToPixels(106));

    string1_ = transparentLabel(this, QStringLiteral("Ingresa tu D.N.I.:"), true);
    place(string1_, du, 124, 20, -1, 12);

    dni_ = new NumberEntry(this);
    setEntryColours(dni_);
    place(dni_, du, 204, 20, 60, 12);

    docente_ = transparentLabel(this, QString(), true);
    QFont big = kvFont(QStringLiteral("Consolas"), 14, true);
    docente_->setFont(big);
    docente_->setAlignment(Qt::AlignCenter);
    setTextColour(docente_, QColor(0, 128, 255));
    docente_->setGeometry(
        du.xToPixels(4), du.yToPixels(56), du.xToPixels(392), docente_->sizeHint().height());
    docente_->hide();

    line1_ = new QFrame(this);
    line1_->setFrameShape(QFrame::HLine);
    line1_->setStyleSheet(QStringLiteral("color: black"));
    line1_->setGeometry(du.xToPixels(4), du.yToPixels(72), du.xToPixels(392), 1);

    button4_ = flatButton(this, QStringLiteral("Aceptar"), QStringLiteral("OK04"));
    place(button4_, du, 116, 76, 80, 24);

    string2_ = transparentLabel(this, QStringLiteral("Contraseña:"), true);
    place(string2_, du, 124, 36, -1, 12);
    string2_->hide();

    date_ = new DateEntry(this);
    setEntryColours(date_);
    place(date_, du, 204, 36, 60, 12);
    date_->hide();

    string4_ = transparentLabel(this, QStringLiteral(" (Fecha de Nacimiento):"));
    QFont small = font();
    small.setPointSizeF(9);
    string4_->setFont(small);
    place(string4_, du, 272, 38);
    string4_->hide();

    button2_ = flatButton(this, QStringLiteral("Aceptar"), QStringLiteral("OK04"));
    place(button2_, du, 28, 76, 80, 24);
    button2_->setDefault(true);

    button3_ = flatButton(this, QStringLiteral("Salir"), QStringLiteral("SALIR"));
    place(button3_, du, 204, 76, 80, 24);

    setTabOrder(dni_, button4_);
    setTabOrder(button4_, date_);
    setTabOrder(date_, button2_);
    setTabOrder(button2_, button3_);

    dni_->installEventFilter(this);
    connect(dni_, &NumberEntry::accepted, this, [this](std::int32_t v) {
        auxiliarDni_ = v;
        lookUpTeacher();
    });
    connect(button2_, &QPushButton::clicked, this, &LoginWindow::checkDate);
    connect(button3_, &QPushButton::clicked, this, [this] {
        if (const auto v = dni_->value()) {
            auxiliarDni_ = *v;
        }
        accept();
    });
}

void LoginWindow::prepare()
{
    auxiliarDni_ = 0;
    auxiliarFnac_ = {};
    dni_->setValue(0);
    date_->setValue({});
    button2_->hide();
    dni_->setFocus();
}

bool LoginWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The lookup also runs when the D.N.I. entry receives the focus.
    if (watched == dni_ && event->type() == QEvent::FocusIn) {
        lookUpTeacher();
    }
    return ProcedureWindow::eventFilter(watched, event);
}

void LoginWindow::showTeacherText(int y)
{
    const DialogUnits du(font());
    docente_->move(docente_->x(), du.yToPixels(y));
    docente_->setText(app().auxiliarDocente.trimmed());
    docente_->show();
}

void LoginWindow::lookUpTeacher()
{
    Record& subject = app().dict.kvmaterias.buffer;
    subject.setInteger(KVM::DNI_DOCENTE, auxiliarDni_);
    app().dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR);
    const std::int32_t found = subject.integer(KVM::DNI_DOCENTE);
    if (auxiliarDni_ == found && found != 0) {
        string1_->hide();
        dni_->hide();
        app().auxiliarDocente = subject.text(KVM::PROFESOR).leftJustified(80, QLatin1Char(' '));
        showTeacherText(16);
        button4_->hide();
        const DialogUnits du(font());
        button2_->move(du.xToPixels(116), button2_->y());
        button2_->show();
        for (QWidget* w : {static_cast<QWidget*>(string2_), static_cast<QWidget*>(string4_),
                 static_cast<QWidget*>(date_)}) {
            w->move(w->x(), du.yToPixels(44));
            w->show();
        }
        date_->setFocus();
    } else if (auxiliarDni_ != 0) {
        app().auxiliarDocente = kNotFound.leftJustified(80, QLatin1Char(' '));
        showTeacherText(56);
        button2_->hide();
    }
}

void LoginWindow::checkDate()
{
    const auto typed = date_->value();
    if (!typed) {
        // Not a date: nothing to compare; the entry keeps the focus.
        date_->setFocus();
        return;
    }
    auxiliarFnac_ = *typed;
    const Record& subject = app().dict.kvmaterias.buffer;
    const bool sameDay = subject.date(KVM::KVP_FECHANAC).dayNumber() == auxiliarFnac_.dayNumber();
    if (!sameDay || subject.integer(KVM::DNI_DOCENTE) == 0) {
        return;
    }
    app().globalRequest = 0;
    if (app().procedures.trackingWindow) {
        app().procedures.trackingWindow(app());
    }
    accept();
}

void runMain(AppState& app)
{
    LoginWindow window(app);
    window.run();
}

} // namespace kv

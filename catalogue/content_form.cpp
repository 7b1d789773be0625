#include "catalogue/content_form.h"

#include "catalogue/content_delete.h"
#include "catalogue/content_history.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "shell/layout_helpers.h"
#include "shell/text_rules.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace kv {
namespace {

const QString kContentName = QStringLiteral("El contenido priorizado");
const QString kLearningName = QStringLiteral("El aprendizaje");

bool isRecallKey(const QKeyEvent* key)
{
    return key->key() == Qt::Key_H && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

} // namespace

ContentForm::ContentForm(AppState& app, QWidget* parent)
    : ProcedureWindow(
        app, {kContentFormProcedure, {&app.dict.kvaprende, &app.dict.kvmaterias}, false}, parent)
    , snapshot_(app.dict.kvaprende.buffer.def())
{
    build();
}

void ContentForm::build()
{
    // "P28$FORMWINDOW": dialog frame, system menu with close box, no maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Actualización Aprendizajes ..."));
    setFont(kvFont(QStringLiteral("Consolas"), 10));
    setBackground(this, QColor(230, 230, 230));
    const DialogUnits du(font());
    setFixedSize(du.xToPixels(440), du.yToPixels(120));

    const int contentSize = kvaprendeFile().fields[KVAP::CONTENIDO_PRIORIZADO].size;
    const int learningSize = kvaprendeFile().memos[KVAP::APRENDIZAJE_TRABAJO].size;

    contentPrompt_ = transparentLabel(this, QStringLiteral("Contenido Priorizado:"), true);
    contentPrompt_->setObjectName(QStringLiteral("?KVAP:CONTENIDO_PRIORIZADO:PROMPT"));
    place(contentPrompt_, du, 8, 8);

    content_ = new QLineEdit(this);
    content_->setObjectName(QStringLiteral("?KVAP:CONTENIDO_PRIORIZADO"));
    setEditColours(content_);
    content_->setValidator(new StorableTextValidator(
        contentSize, kContentName, [this](const QString& why) { refused(content_, why); }, content_));
    place(content_, du, 136, 8, 300, 12);

    learning_ = new StorableTextEdit(learningSize, kLearningName, this);
    learning_->setObjectName(QStringLiteral("?KVAP:APRENDIZAJE_TRABAJO"));
    setEditColours(learning_);
    learning_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    learning_->setTabChangesFocus(true);
    connect(
        learning_, &StorableTextEdit::refused, this, [this](const QString& why) { refused(learning_, why); });
    place(learning_, du, 136, 24, 300, 56);

    learningPrompt_ = transparentLabel(this, QStringLiteral("Aprendizaje:"), true);
    learningPrompt_->setObjectName(QStringLiteral("?KVAP:CONTENIDO_PRIORIZADO:PROMPT:2"));
    place(learningPrompt_, du, 8, 24);

    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("?LINE1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setStyleSheet(QStringLiteral("color: black"));
    line1_->setGeometry(du.xToPixels(4), du.yToPixels(88), du.xToPixels(433), 1);

    ok_ = flatButton(this, QStringLiteral("Aceptar"), QStringLiteral("OK01"));
    ok_->setObjectName(QStringLiteral("?OK"));
    place(ok_, du, 244, 92, 92, 24);

    cancel_ = flatButton(this, QStringLiteral("Cancelar"), QStringLiteral("NO01"));
    cancel_->setObjectName(QStringLiteral("?CANCEL"));
    place(cancel_, du, 344, 92, 92, 24);

    setTabOrder(content_, learning_);
    setTabOrder(learning_, ok_);
    setTabOrder(ok_, cancel_);

    // Ctrl+H recalls from the history copy; taken before the edits see it.
    content_->installEventFilter(this);
    learning_->installEventFilter(this);

    connect(ok_, &QPushButton::clicked, this, &ContentForm::complete);
    // Leaving never asks and never writes.
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void ContentForm::prepare()
{
    // Centred on the screen, unless a saved placement says otherwise.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // The entry as it came from the list, before the form ties it to the subject.
    snapshot_ = app().dict.kvaprende.buffer;
    setSubjectFields();
    showRecord();
    content_->setFocus();
}

void ContentForm::setSubjectFields()
{
    Record& e = app().dict.kvaprende.buffer;
    const Record& m = app().dict.kvmaterias.buffer;
    e.setInteger(KVAP::COD_MATERIA, m.integer(KVM::NRO_REGISTRO));
    e.setInteger(KVAP::COD_CURSO, m.integer(KVM::COD_CURSO));
    e.setInteger(KVAP::COD_DOCENTE, m.integer(KVM::COD_PROFESOR));
    if (e.integer(KVAP::NRO_ORDEN) == 0) {
        // Entries of all subjects count; kept as a 16-bit number.
        const auto next = app().dict.kvaprende.access.recordCount() + 1;
        e.setInteger(KVAP::NRO_ORDEN, static_cast<std::int16_t>(next));
    }
    e.setRawText(KVAP::MATERIAS, m.rawText(KVM::MATERIA));
    e.setRawText(KVAP::DOCENTE, m.rawText(KVM::PROFESOR));
}

void ContentForm::showRecord()
{
    const Record& e = app().dict.kvaprende.buffer;
    content_->setText(e.text(KVAP::CONTENIDO_PRIORIZADO));
    content_->setCursorPosition(0);
    learning_->setStoredText(e.memo(KVAP::APRENDIZAJE_TRABAJO));
}

bool ContentForm::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == content_ || watched == learning_)
        && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && isRecallKey(static_cast<QKeyEvent*>(event))) {
        if (event->type() == QEvent::KeyPress) {
            recall(watched);
        }
        event->accept();
        return true;
    }
    return ProcedureWindow::eventFilter(watched, event);
}

void ContentForm::recall(QObject* field)
{
    // The history copy holds no memo: in the learning text the key does nothing.
    if (field == content_) {
        content_->setText(contentHistory().text(KVAP::CONTENIDO_PRIORIZADO));
    }
}

void ContentForm::refused(QWidget* field, const QString& why)
{
    indicateRefusal(field, why);
    emit inputRefused(why);
}

void ContentForm::backToContent()
{
    content_->setFocus();
}

bool ContentForm::acceptFields()
{
    Record& e = app().dict.kvaprende.buffer;
    // The fields refuse what cannot be stored, so this holds; should it not,
    // nothing is stored cut.
    if (!e.setText(KVAP::CONTENIDO_PRIORIZADO, content_->text())) {
        refused(content_,
            *refusalFor(content_->text(), e.def().fields[KVAP::CONTENIDO_PRIORIZADO].size, kContentName));
        return false;
    }
    const QString learning = learning_->storableText();
    if (!e.setMemo(KVAP::APRENDIZAJE_TRABAJO, learning)) {
        refused(
            learning_, *refusalFor(learning, e.def().memos[KVAP::APRENDIZAJE_TRABAJO].size, kLearningName));
        return false;
    }
    return true;
}

void ContentForm::complete()
{
    if (!acceptFields()) {
        return;
    }
    keepInContentHistory(app().dict.kvaprende.buffer);
    const bool done = request() == ChangeRecord ? changeEntry() : insertEntry();
    if (done) {
        accept();
    } else {
        backToContent();
    }
}

bool ContentForm::insertEntry()
{
    if (app().dict.kvaprende.access.insert() != Status::Ok) {
        return false; // reported; the user may correct or cancel
    }
    setResponse(RequestCompleted);
    return true;
}

bool ContentForm::changeEntry()
{
    FileManager& aprende = app().dict.kvaprende.access;
    Record& e = app().dict.kvaprende.buffer;
    if (e == snapshot_) {
        setResponse(RequestCompleted);
        return true;
    }
    for (;;) {
        const Status s = aprende.tryUpdate();
        if (s == Status::Ok) {
            setResponse(RequestCompleted);
            return true;
        }
        MsgArgs args {aprende.name(), {}, aprende.lastErrorText()};
        if (s == Status::Changed) {
            if (aprende.reget(aprende.position()) != Status::Ok) {
                // Deleted meanwhile: there is nothing left to change.
                app().errors.throwMessage(Msg::RecordChangedOrDeleted, args);
                setResponse(RequestCancelled);
                return true;
            }
            // The other station's record is shown; the user's content can be
            // recalled with Ctrl+H.
            app().errors.throwMessage(Msg::ChangedByOtherStation, args);
            snapshot_ = e;
            showRecord();
            return false;
        }
        if (s == Status::Duplicate && aprende.duplicateKey() >= 0) {
            const std::string_view label = e.def().keys[aprende.duplicateKey()].label;
            args.key = QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
        }
        app().errors.throwMessage(s == Status::Duplicate ? Msg::DuplicateKey : Msg::UpdateFailed, args);
        switch (app().errors.throwMessage(Msg::UpdateRetry)) {
        case Answer::Yes:
            continue;
        case Answer::No:
            setResponse(RequestCancelled);
            return true;
        default:
            return false;
        }
    }
}

void runContentForm(AppState& app)
{
    if (app.globalRequest == DeleteRecord) {
        runContentDelete(app);
        return;
    }
    ContentForm form(app);
    form.run();
}

} // namespace kv

#include "shell/text_rules.h"

#include "data/cp1252.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

namespace kv {

std::optional<QString> refusalFor(QStringView text, int maxChars, const QString& what)
{
    qsizetype bad = -1;
    if (!cp1252::encode(text, &bad)) {
        // A character outside the basic plane is two units: show it whole.
        const qsizetype n = text[bad].isHighSurrogate() && bad + 1 < text.size() ? 2 : 1;
        return QStringLiteral("Carácter no admitido: «%1». Solo se pueden guardar letras, números y signos "
                              "del juego de caracteres de los archivos.")
            .arg(text.mid(bad, n).toString());
    }
    if (text.size() > maxChars) {
        return QStringLiteral("%1 admite como máximo %2 caracteres.").arg(what).arg(maxChars);
    }
    return std::nullopt;
}

void indicateRefusal(QWidget* control, const QString& why)
{
    QApplication::beep();
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), why, control);
}

StorableTextValidator::StorableTextValidator(
    int maxChars, QString what, std::function<void(const QString&)> onRefused, QObject* parent)
    : QValidator(parent)
    , maxChars_(maxChars)
    , what_(std::move(what))
    , onRefused_(std::move(onRefused))
{
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    if (const auto why = refusalFor(input, maxChars_, what_)) {
        onRefused_(*why);
        return Invalid;
    }
    return Acceptable;
}

StorableTextEdit::StorableTextEdit(int maxChars, QString what, QWidget* parent)
    : QPlainTextEdit(parent)
    , maxChars_(maxChars)
    , what_(std::move(what))
{
    connect(this, &QPlainTextEdit::textChanged, this, &StorableTextEdit::check);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (storableText() == accepted_) {
            acceptedCursor_ = textCursor().position();
        }
    });
}

void StorableTextEdit::setStoredText(const QString& text)
{
    accepted_ = text;
    acceptedCursor_ = 0;
    const QSignalBlocker block(this);
    setPlainText(text);
}

QString StorableTextEdit::storableText() const
{
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void StorableTextEdit::check()
{
    const QString now = storableText();
    if (now == accepted_) {
        return;
    }
    if (const auto why = refusalFor(now, maxChars_, what_)) {
        {
            const QSignalBlocker block(this);
            setPlainText(accepted_);
            QTextCursor cursor = textCursor();
            cursor.setPosition(std::min(acceptedCursor_, static_cast<int>(accepted_.size())));
            setTextCursor(cursor);
        }
        emit refused(*why);
        return;
    }
    accepted_ = now;
    acceptedCursor_ = textCursor().position();
}

} // namespace kv

#include "shell/typed_entry.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace kv {

NumberEntry::NumberEntry(QWidget* parent)
    : QLineEdit(parent)
{
    // Fourteen positions: a sign and up to ten digits fit a 32-bit number.
    setMaxLength(14);
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(R"(\s*-?\d{0,10}\s*)")), this));
}

void NumberEntry::keyPressEvent(QKeyEvent* e)
{
    // Enter accepts this entry only; it must not also press the window's
    // default button, which accepting may just have shown.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        acceptTyped();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

std::optional<std::int32_t> NumberEntry::value() const
{
    const QString t = text().trimmed();
    if (t.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(v);
}

void NumberEntry::setValue(std::int32_t v)
{
    setText(v == 0 ? QString() : QString::number(v));
}

void NumberEntry::acceptTyped()
{
    if (const auto v = value()) {
        emit accepted(*v);
    } else {
        selectAll();
    }
}

void NumberEntry::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (!value()) {
        // Not a number: stay here until it is corrected.
        QTimer::singleShot(0, this, [this] {
            setFocus();
            selectAll();
        });
        return;
    }
    acceptTyped();
}

DateEntry::DateEntry(QWidget* parent)
    : QLineEdit(parent)
{
    // An input mask makes typing overwrite, position by position.
    setInputMask(QStringLiteral("99/99/9999"));
}

std::optional<Date> DateEntry::value() const
{
    const QStringList parts = text().split(QLatin1Char('/'));
    if (parts.size() != 3) {
        return std::nullopt;
    }
    if (parts[0].trimmed().isEmpty() && parts[1].trimmed().isEmpty() && parts[2].trimmed().isEmpty()) {
        return Date {};
    }
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].trimmed().toInt(&okDay);
    const int month = parts[1].trimmed().toInt(&okMonth);
    const int year = parts[2].trimmed().toInt(&okYear);
    if (!okDay || !okMonth || !okYear || parts[2].trimmed().size() != 4) {
        return std::nullopt;
    }
    const QDate d(year, month, day);
    if (!d.isValid()) {
        return std::nullopt;
    }
    return Date::fromQDate(d);
}

void DateEntry::setValue(const Date& d)
{
    setText(d.isNull() ? QString()
                       : QStringLiteral("%1/%2/%3")
                             .arg(d.day, 2, 10, QLatin1Char('0'))
                             .arg(d.month, 2, 10, QLatin1Char('0'))
                             .arg(d.year, 4, 10, QLatin1Char('0')));
}

void DateEntry::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (!value() && e->reason() != Qt::PopupFocusReason) {
        QTimer::singleShot(0, this, [this] { setFocus(); });
    }
}

} // namespace kv

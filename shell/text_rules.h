#pragma once

// What text fields that are stored in the record files take: characters of Windows-1252 only (the
// character set of the record files) and at most as many as the field holds.
// Anything else is refused whole, never stored cut, and the user is told why.

#include <QPlainTextEdit>
#include <QString>
#include <QValidator>
#include <functional>
#include <optional>

namespace kv {

// Why `text` cannot be stored in a field of `maxChars` characters, or nothing
// when it can. `what` names the field in the reason ("El contenido").
std::optional<QString> refusalFor(QStringView text, int maxChars, const QString& what);

// Shows a refusal beside the control and sounds the bell.
void indicateRefusal(QWidget* control, const QString& why);

// For a one-line entry: refuses every edit that would break the rule and
// calls `onRefused` with the reason.
class StorableTextValidator : public QValidator {
public:
    StorableTextValidator(
        int maxChars, QString what, std::function<void(const QString&)> onRefused, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    int maxChars_;
    QString what_;
    std::function<void(const QString&)> onRefused_;
};

// A multi-line text that keeps to the same rule: an edit that would break it
// (typing, pasting, dropping) is undone at once.
class StorableTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    StorableTextEdit(int maxChars, QString what, QWidget* parent = nullptr);

    void setStoredText(const QString& text);
    // The text as it is to be stored: line breaks as "\n" and every other
    // character as typed (the plain text of the editor would turn
    // non-breaking spaces into spaces).
    QString storableText() const;

signals:
    void refused(const QString& why);

private:
    void check();

    int maxChars_;
    QString what_;
    QString accepted_;
    int acceptedCursor_ = 0;
};

} // namespace kv

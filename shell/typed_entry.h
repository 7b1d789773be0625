#pragma once

// One-line entries that take a typed value, as the layouts' pictures ask:
// "@n-14" a signed whole number, "@d06" a date as dd/mm/yyyy. Text that is
// not a valid value is never taken: the entry keeps the focus so the user
// can correct it.

#include "data/field_codec.h"

#include <QLineEdit>
#include <cstdint>
#include <optional>

namespace kv {

class NumberEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEntry(QWidget* parent = nullptr);

    // The typed number; 0 when empty; nothing when the text is not a number
    // that fits in 32 bits.
    std::optional<std::int32_t> value() const;
    void setValue(std::int32_t v);

signals:
    // The user finished typing (Enter or leaving the entry) with a valid number.
    void accepted(std::int32_t value);

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void acceptTyped();
};

class DateEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEntry(QWidget* parent = nullptr);

    // The typed date; no date (all zero) when the entry is empty; nothing
    // when the text is not a calendar day.
    std::optional<Date> value() const;
    void setValue(const Date& d);

protected:
    void focusOutEvent(QFocusEvent* e) override;
};

} // namespace kv

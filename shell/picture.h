#pragma once

// Display pictures: how a value is shown in lists and printed on sheets.
//   "@sN"     the first N characters of a text
//   "@nN"     a whole number in N positions ("@n-N" with a minus sign for
//             negative values, "@n_N" likewise a whole number)
//   "@nW.DB"  a number with D decimals in W positions; "B" leaves it blank when zero
//   "@d06"    a date as dd/mm/yyyy, blank when there is none
// A number that does not fit its positions shows as '#' characters.

#include "data/field_codec.h"

#include <QString>
#include <QStringView>
#include <cstdint>

namespace kv {

struct Picture {
    enum class Kind { Text, Number, Date };
    Kind kind = Kind::Text;
    int width = 0; // characters or positions; 0 = unlimited
    int decimals = 0; // numbers with decimals
    bool sign = false; // "@n-": negative values keep their minus sign
    bool blankZero = false;

    static Picture parse(QStringView picture);

    QString text(const QString& value) const;
    QString number(std::int64_t value) const; // whole numbers
    QString hundredths(std::int64_t hundredths) const; // decimals stored in hundredths
    QString date(const Date& value) const;
};

} // namespace kv

namespace kv {

class Record;

// A field of a record shown through a picture.
QString formatField(const Record& record, int field, const Picture& picture);
// A memo shown through a text picture.
QString formatMemo(const Record& record, int memo, const Picture& picture);

} // namespace kv

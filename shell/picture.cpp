#include "shell/picture.h"

namespace kv {

Picture Picture::parse(QStringView picture)
{
    Picture p;
    QStringView rest = picture;
    if (rest.startsWith(QLatin1Char('@'))) {
        rest = rest.mid(1);
    }
    if (rest.isEmpty()) {
        return p;
    }
    const QChar kind = rest[0].toLower();
    rest = rest.mid(1);
    if (kind == QLatin1Char('d')) {
        p.kind = Kind::Date;
        return p;
    }
    if (kind == QLatin1Char('s')) {
        p.kind = Kind::Text;
        p.width = rest.toInt();
        return p;
    }
    p.kind = Kind::Number;
    while (!rest.isEmpty() && !rest[0].isDigit()) {
        if (rest[0] == QLatin1Char('-')) {
            p.sign = true;
        }
        rest = rest.mid(1);
    }
    if (rest.endsWith(QLatin1Char('B')) || rest.endsWith(QLatin1Char('b'))) {
        p.blankZero = true;
        rest.chop(1);
    }
    const qsizetype point = rest.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        p.width = rest.left(point).toInt();
        p.decimals = rest.mid(point + 1).toInt();
        p.sign = true;
    } else {
        p.width = rest.toInt();
    }
    return p;
}

QString Picture::text(const QString& value) const
{
    QString shown = width > 0 ? value.left(width) : value;
    while (shown.endsWith(QLatin1Char(' '))) {
        shown.chop(1);
    }
    return shown;
}

namespace {

QString fitted(QString shown, int width)
{
    if (width > 0 && shown.size() > width) {
        return QString(width, QLatin1Char('#'));
    }
    return shown;
}

} // namespace

QString Picture::number(std::int64_t value) const
{
    if (decimals > 0) {
        return hundredths(value * 100);
    }
    if (value == 0 && blankZero) {
        return {};
    }
    if (value < 0 && !sign) {
        value = -value;
    }
    return fitted(QString::number(value), width);
}

QString Picture::hundredths(std::int64_t hundredths) const
{
    if (hundredths == 0 && blankZero) {
        return {};
    }
    if (decimals == 0) {
        // Whole-number picture on a decimal: rounded half away from zero.
        const std::int64_t whole = (hundredths >= 0 ? hundredths + 50 : hundredths - 50) / 100;
        return number(whole);
    }
    QString shown = codec::formatHundredths(hundredths);
    if (decimals == 1) {
        shown.chop(1);
    }
    return fitted(shown, width);
}

QString Picture::date(const Date& value) const
{
    if (value.isNull()) {
        return {};
    }
    return QStringLiteral("%1/%2/%3")
        .arg(value.day, 2, 10, QLatin1Char('0'))
        .arg(value.month, 2, 10, QLatin1Char('0'))
        .arg(value.year, 4, 10, QLatin1Char('0'));
}

} // namespace kv

#include "data/record.h"

namespace kv {

QString formatField(const Record& record, int field, const Picture& picture)
{
    switch (record.def().fields[field].type) {
    case FieldType::Text:
        return picture.text(record.text(field));
    case FieldType::Long:
    case FieldType::Short:
        return picture.number(record.integer(field));
    case FieldType::Decimal:
        return picture.hundredths(record.decimal(field));
    case FieldType::Date:
        return picture.date(record.date(field));
    }
    return {};
}

QString formatMemo(const Record& record, int memo, const Picture& picture)
{
    return picture.text(record.memo(memo));
}

} // namespace kv

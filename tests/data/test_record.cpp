// Record buffers: exact byte layout and the typed accessors.

#include "data/cp1252.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/record.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Record, NewBufferIsBlankTextsAndZeroNumbers)
{
    Record r(kvmateriasFile());
    ASSERT_EQ(r.bytes().size(), 523);
    EXPECT_EQ(r.rawText(KVM::MATERIA), QByteArray(60, ' '));
    EXPECT_EQ(r.bytes().mid(0, 4), QByteArray(4, '\0'));
    EXPECT_TRUE(r.date(KVM::KVP_FECHANAC).isNull());
    EXPECT_EQ(r.memo(0), QString());
}

TEST(Record, IntegersAndDatesAreLittleEndianAtTheirOffsets)
{
    Record r(kvmateriasFile());
    r.setInteger(KVM::DNI_DOCENTE, 0x01020304);
    r.setInteger(KVM::NRO_ORDEN, -2);
    r.setDate(KVM::KVP_FECHANAC, {31, 12, 1975});
    EXPECT_EQ(r.bytes().mid(515, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(r.bytes().mid(4, 2), QByteArray("\xFE\xFF", 2));
    EXPECT_EQ(r.bytes().mid(519, 4), QByteArray("\x1F\x0C\xB7\x07", 4));
    EXPECT_EQ(r.integer(KVM::NRO_ORDEN), -2);
    EXPECT_EQ(r.date(KVM::KVP_FECHANAC), (Date {31, 12, 1975}));
}

TEST(Record, PackedDecimalsHoldTheirFullRange)
{
    struct Case {
        int field;
        std::int64_t hundredths;
        bool fits;
    };
    // KVM:HORAS has 3 bytes (5 digits), KVL:ETAPA1 and KVL:PRONOSTICO2 4 bytes (7 digits).
    const Case cases[] = {
        {KVM::HORAS, 99999, true},
        {KVM::HORAS, -99999, true},
        {KVM::HORAS, 100000, false},
        {KVM::HORAS, 1, true},
        {KVM::HORAS, -1, true},
        {KVM::HORAS, 0, true},
    };
    Record m(kvmateriasFile());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hundredths);
        m.setDecimal(c.field, 12345);
        EXPECT_EQ(m.setDecimal(c.field, c.hundredths), c.fits);
        EXPECT_EQ(m.decimal(c.field), c.fits ? c.hundredths : 12345);
    }
    Record l(kvlibretaFile());
    for (std::int64_t v : {9999999LL, -9999999LL, 750LL, -1234567LL}) {
        ASSERT_TRUE(l.setDecimal(KVL::PRONOSTICO2, v));
        EXPECT_EQ(l.decimal(KVL::PRONOSTICO2), v);
    }
    EXPECT_FALSE(l.setDecimal(KVL::ETAPA1, 10000000));
    // Zero is all zero bytes, like a fresh record.
    l.setDecimal(KVL::ETAPA1, 0);
    EXPECT_EQ(l.bytes().mid(120, 4), QByteArray(4, '\0'));
}

TEST(Record, TextsAreWindows1252PaddedWithSpaces)
{
    Record r(kvseguirFile());
    // Characters of Windows-1252 without a Latin-1 twin, and Spanish letters.
    const QString name = QStringLiteral("Peña Ñandú “€” Œuvre š™");
    ASSERT_TRUE(r.setText(KVG::ALUMNO, name));
    EXPECT_EQ(r.text(KVG::ALUMNO), name);
    const QByteArray raw = r.rawText(KVG::ALUMNO);
    EXPECT_EQ(raw.size(), 60);
    EXPECT_EQ(raw.left(4),
        QByteArray("Pe\xF1"
                   "a"));
    EXPECT_EQ(raw.at(name.indexOf(QChar(0x20AC))), '\x80');
    EXPECT_TRUE(raw.endsWith("   "));
}

TEST(Record, OverlongOrForeignValuesAreRefusedNotCut)
{
    Record r(kvseguirFile());
    ASSERT_TRUE(r.setText(KVG::LOGRADO, QStringLiteral("X")));
    EXPECT_FALSE(r.setText(KVG::LOGRADO, QStringLiteral("12345678901")));
    EXPECT_FALSE(r.setText(KVG::LOGRADO, QStringLiteral("日本")));
    EXPECT_EQ(r.text(KVG::LOGRADO), QStringLiteral("X"));
    // Trailing spaces are padding, so they never make a value too long.
    EXPECT_TRUE(r.setText(KVG::LOGRADO, QStringLiteral("-          ")));

    EXPECT_FALSE(r.setMemo(KVG::OBSPPI, QString(1001, QLatin1Char('a'))));
    EXPECT_TRUE(r.setMemo(KVG::OBSPPI, QString(1000, QLatin1Char('a'))));
    // Where the program cuts on purpose, it keeps the first characters.
    r.setMemoCut(KVG::OBSPPI, QString(1200, QLatin1Char('b')));
    EXPECT_EQ(r.memo(KVG::OBSPPI), QString(1000, QLatin1Char('b')));
    r.setTextCut(KVG::OPERADOR, QStringLiteral("GONZÁLEZ FERNÁNDEZ, MARÍA"));
    EXPECT_EQ(r.text(KVG::OPERADOR), QStringLiteral("GONZÁLEZ FERNÁNDEZ,"));
}

TEST(Cp1252, EveryByteRoundTripsAndCapitalsFold)
{
    for (int b = 0; b < 256; ++b) {
        const char16_t u = cp1252::toUnicode(static_cast<unsigned char>(b));
        ASSERT_EQ(cp1252::fromUnicode(u), static_cast<unsigned char>(b)) << b;
        std::string utf8;
        const char c = static_cast<char>(b);
        cp1252::toUtf8(&c, 1, utf8, false);
        ASSERT_EQ(cp1252::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), QByteArray(1, c)) << b;
    }
    EXPECT_EQ(cp1252::toUpper(0xF1), 0xD1); // ñ
    EXPECT_EQ(cp1252::toUpper(0xE1), 0xC1); // á
    EXPECT_EQ(cp1252::toUpper(0x9C), 0x8C); // œ
    EXPECT_EQ(cp1252::toUpper(0xFF), 0x9F); // ÿ
    EXPECT_EQ(cp1252::toUpper(0xF7), 0xF7); // ÷ is not a letter
    EXPECT_EQ(cp1252::toUpper(0xDF), 0xDF); // ß has no single capital
}

} // namespace
} // namespace kv

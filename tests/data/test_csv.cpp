#include "data/csv.h"
#include "data/csv_export.h"
#include "data/csv_import.h"
#include "data/files/kvaluap.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

struct ParsedRow {
    int line;
    std::vector<QString> cells;
    bool operator==(const ParsedRow&) const = default;
};

void PrintTo(const ParsedRow& r, std::ostream* os)
{
    *os << "line " << r.line << ":";
    for (const QString& c : r.cells) {
        *os << " [" << c.toStdString() << "]";
    }
}

std::vector<ParsedRow> readAll(const QString& text, std::optional<csv::SyntaxError>* error = nullptr)
{
    csv::Reader reader(text);
    std::vector<ParsedRow> rows;
    csv::Row row;
    while (reader.next(row)) {
        rows.push_back({row.line, row.cells});
    }
    if (error) {
        *error = reader.error();
    }
    return rows;
}

} // namespace

TEST(CsvReader, ReadsRowsAsWritten)
{
    struct Case {
        const char* name;
        QString text;
        std::vector<ParsedRow> rows;
    };
    const Case cases[] = {
        {"no final line end", "a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"final LF", "a,b\n", {{1, {"a", "b"}}}},
        {"CRLF", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"lone CR", "a\rb", {{1, {"a"}}, {2, {"b"}}}},
        {"byte order mark", QStringLiteral("\uFEFFKVA:DNI,x\n1,2"), {{1, {"KVA:DNI", "x"}}, {2, {"1", "2"}}}},
        {"quoted comma and doubled quote", R"("x,y","say ""hi""",)", {{1, {"x,y", R"(say "hi")", ""}}}},
        {"line ends kept inside quotes", "\"l1\r\nl2\nl3\",z\nnext",
            {{1, {"l1\r\nl2\nl3", "z"}}, {4, {"next"}}}},
        {"empty cells", ",,\n", {{1, {"", "", ""}}}},
        {"blank lines skipped", "a\n\r\n\nb\n\n", {{1, {"a"}}, {4, {"b"}}}},
        {"quoted empty cell is a row", "\"\"\nb", {{1, {""}}, {2, {"b"}}}},
        {"spaces kept", " a , b ", {{1, {" a ", " b "}}}},
        {"empty text", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<csv::SyntaxError> error;
        EXPECT_EQ(readAll(c.text, &error), c.rows);
        EXPECT_FALSE(error.has_value());
    }
}

TEST(CsvReader, ReportsSyntaxErrorsWithTheirLine)
{
    struct Case {
        const char* name;
        QString text;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"quote never closed", "a\nb,\"open\nstill open", 2, "not closed"},
        {"text after closing quote", "a\n\"x\"y,z", 2, "after a closing quote"},
        {"quote inside a plain cell", "a\n\nab\"c", 3, "quote inside"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<csv::SyntaxError> error;
        readAll(c.text, &error);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->line, c.line);
        EXPECT_TRUE(error->reason.contains(QLatin1String(c.reason))) << error->reason.toStdString();
    }
}

TEST(CsvText, DecodesUtf8AndNamesTheLineOfBadBytes)
{
    EXPECT_EQ(csv::decodeUtf8("\xEF\xBB\xBF\xC3\x91u\xC3\xB1o \xE2\x82\xAC"), QStringLiteral("Ñuño €"));
    int badLine = 0;
    EXPECT_FALSE(csv::decodeUtf8("a,b\r\nok\nN\xF1o\n", &badLine).has_value()); // Windows-1252, not UTF-8
    EXPECT_EQ(badLine, 3);
}

TEST(CsvText, WritesRowsThatReadBackUnchanged)
{
    EXPECT_EQ(csv::formatRow({"a,b", "q\"", "", "x"}), QByteArray("\"a,b\",\"q\"\"\",,x\r\n"));
    EXPECT_EQ(csv::formatRow({""}), QByteArray("\"\"\r\n"));

    const std::vector<std::vector<QString>> rows {
        {QStringLiteral("Núñez, José €"), "line\r\nbreak\nand \"quotes\"", " padded "},
        {""},
        {"", "", ""},
    };
    QByteArray bytes;
    for (const auto& r : rows) {
        bytes += csv::formatRow(r);
    }
    const auto back = readAll(*csv::decodeUtf8(bytes));
    ASSERT_EQ(back.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(back[i].cells, rows[i]);
    }
}

TEST(CsvCells, ConvertsValuesBothWays)
{
    struct Case {
        const FileDef& def;
        const char* field;
        QString in;
        QString out; // as exported
    };
    const Case cases[] = {
        {kvlibretaFile(), "KVL:ETAPA1", "12.5", "12.50"},
        {kvlibretaFile(), "KVL:ETAPA1", "-0.25", "-0.25"},
        {kvlibretaFile(), "KVL:ETAPA1", "", "0.00"},
        {kvlibretaFile(), "KVL:ETAPA1", "99999.99", "99999.99"},
        {kvlibretaFile(), "KVL:FECHA1", "2024-02-29", "2024-02-29"},
        {kvlibretaFile(), "KVL:FECHA1", "", ""},
        {kvaluapFile(), "KVA:DNI", " -2147483648 ", "-2147483648"},
        {kvaluapFile(), "KVA:DNI", "", "0"},
        {kvseguirFile(), "KVG:NRO_ORDEN", "32767", "32767"},
        {kvaluapFile(), "KVA:APELLIDO_NOMBRE", QStringLiteral("  Ñandú €   "), QStringLiteral("  Ñandú €")},
        {kvaluapFile(), "KVA:APELLIDO_NOMBRE", QString(50, QLatin1Char('x')) + "   ",
            QString(50, QLatin1Char('x'))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + c.in.toStdString());
        Record record(c.def);
        const int field = c.def.fieldIndex(c.field);
        EXPECT_EQ(csv::setFieldFromText(record, field, c.in), std::nullopt);
        EXPECT_EQ(csv::fieldText(record, field), c.out);
    }
}

TEST(CsvCells, RefusedValuesNameTheirField)
{
    struct Case {
        const FileDef& def;
        QString header;
        QString cell;
        const char* reason;
    };
    const Case cases[] = {
        {kvaluapFile(), "KVA:APELLIDO_NOMBRE", QString(51, QLatin1Char('x')), "too long"},
        {kvaluapFile(), "kva:apellido_nombre", QStringLiteral("Ωmega"), "U+03A9"},
        {kvaluapFile(), "KVA:E_MAIL", QStringLiteral("a\U0001F600"), "U+1F600"},
        {kvaluapFile(), "KVA:DNI", "12x", "not a whole number"},
        {kvaluapFile(), "KVA:DNI", "1.0", "not a whole number"},
        {kvaluapFile(), "KVA:DNI", "-", "not a whole number"},
        {kvaluapFile(), "KVA:DNI", "2147483648", "out of range"},
        {kvaluapFile(), "KVA:DNI", "99999999999999999999", "out of range"},
        {kvseguirFile(), "KVG:NRO_ORDEN", "32768", "out of range"},
        {kvseguirFile(), "KVG:NRO_ORDEN", "-32769", "out of range"},
        {kvlibretaFile(), "KVL:ETAPA1", "1.234", "more than two decimals"},
        {kvlibretaFile(), "KVL:ETAPA1", "100000", "too many digits"},
        {kvlibretaFile(), "KVL:PRONOSTICO1", "-1000.00", "too many digits"},
        {kvlibretaFile(), "KVL:ETAPA1", "1,5", "not a decimal"},
        {kvlibretaFile(), "KVL:ETAPA1", "x", "not a decimal"},
        {kvmateriasFile(), "KVM:KVP_FECHANAC", "2023-02-29", "not a date"},
        {kvmateriasFile(), "KVM:KVP_FECHANAC", "29/02/2024", "not a date"},
        {kvmateriasFile(), "KVM:KVP_FECHANAC", "2024-2-9", "not a date"},
        {kvseguirFile(), "KVG:OBSPPI", QString(1001, QLatin1Char('m')), "too long"},
        {kvseguirFile(), "KVG:OBSPPI", QStringLiteral("→"), "not in Windows-1252"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header.toStdString() + " <- " + c.cell.left(20).toStdString());
        csv::FieldError error;
        const auto columns = csv::ColumnMap::fromHeader(c.def, {c.header}, &error);
        ASSERT_TRUE(columns.has_value());
        Record record(c.def);
        const auto refused = columns->fill({c.cell}, record);
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->field, c.header.toUpper());
        EXPECT_TRUE(refused->reason.contains(QLatin1String(c.reason))) << refused->reason.toStdString();
    }
}

TEST(CsvCells, HeaderRefusesUnknownAndRepeatedColumns)
{
    csv::FieldError error;
    EXPECT_FALSE(csv::ColumnMap::fromHeader(kvaluapFile(), {"KVA:DNI", "KVA:EDAD"}, &error));
    EXPECT_EQ(csv::describe(1, error), "line 1, field KVA:EDAD: KVALUAP has no such field");
    EXPECT_FALSE(csv::ColumnMap::fromHeader(kvaluapFile(), {"KVA:DNI", "KVA:LEGAJO", "kva:dni"}, &error));
    EXPECT_EQ(error.field, "kva:dni");
    EXPECT_FALSE(csv::ColumnMap::fromHeader(kvaluapFile(), {"KVG:OBSPPI"}, &error)); // another file's memo

    const auto columns = csv::ColumnMap::fromHeader(kvseguirFile(), {"KVG:OBSPPI", " KVG:ALUMNO "}, &error);
    ASSERT_TRUE(columns.has_value());
    Record record(kvseguirFile());
    record.setInteger(KVG::NRO_REGISTRO, 9); // a fill starts from an empty record
    ASSERT_EQ(columns->fill({"memo\r\ntext", "Ana"}, record), std::nullopt);
    EXPECT_EQ(record.integer(KVG::NRO_REGISTRO), 0);
    EXPECT_EQ(record.memo(KVG::OBSPPI), "memo\r\ntext");
    EXPECT_EQ(record.text(KVG::ALUMNO), "Ana");
}

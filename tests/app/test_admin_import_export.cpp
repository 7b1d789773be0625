#include "app/admin/admin_commands.h"
#include "data/dictionary.h"
#include "data/files/kvaluap.h"
#include "tests/support/admin_runner.h"
#include "tests/support/test_support.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

using namespace kv;

namespace {

using Outcome = test::AdminOutcome;

Outcome kvadmin(const test::TempFolder& dir, const QStringList& args)
{
    return test::runAdmin(dir.path(), args);
}

QString writeCsv(const test::TempFolder& dir, const QByteArray& bytes, const QString& name = "in.csv")
{
    QFile f(dir.file(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

Outcome importCsv(const test::TempFolder& dir, const char* label, const QByteArray& csv)
{
    return kvadmin(dir, {"import", label, writeCsv(dir, csv)});
}

// Exported rows after the header, as lines.
QList<QByteArray> exportedRows(const test::TempFolder& dir, QStringList args)
{
    args.prepend("export");
    const Outcome o = kvadmin(dir, args);
    EXPECT_EQ(o.code, 0) << o.err.toStdString();
    QList<QByteArray> lines = o.out.split('\n');
    lines.removeFirst();
    lines.removeLast(); // after the final line end
    for (QByteArray& l : lines) {
        l.chop(1); // CR
    }
    return lines;
}

const QByteArray kStudentsHeader
    = "KVA:LEGAJO,KVA:APELLIDO_NOMBRE,KVA:DNI,KVA:SEXO,KVA:E_MAIL,KVA:COD_CURSO\r\n";

} // namespace

TEST(AdminImportExport, RoundTripKeepsEveryCharacter)
{
    struct Case {
        const char* label;
        QByteArray csv; // as the export writes it
        const char* imported;
    };
    const Case cases[] = {
        {"KVALUAP",
            kStudentsHeader
                + "12,\"Muñoz, Ñandú Pérez\",30111222,F,ana@escuela.edu,3\r\n"
                  "7,Señor € Ütz,0,,,-1\r\n",
            "Imported 2 records into KVALUAP.\n"},
        {"KVSEGUIR",
            "KVG:NRO_REGISTRO,KVG:NRO_LEGAJO,KVG:COD_MATERIA,KVG:NRO_ORDEN,KVG:ALUMNO,KVG:MATERIAS,"
            "KVG:CONTENIDO_PRIORIZADO,KVG:LOGRADO,KVG:PENDIENTE,KVG:ENPROCESO,KVG:PPI,KVG:VALORACION_FINAL,"
            "KVG:COD_CURSO,KVG:INGRESO,KVG:OPERADOR,KVG:DOCENTE,KVG:COD_DOCENTE,KVG:OBSPPI,"
            "KVG:APRENDIZAJE_TRABAJO\r\n"
            "3,12,40,-2,\"Muñoz, Ñandú\",Matemática,\"Números € y \"\"cuentas\"\"\",X,-,-,-,,3,,,Peña,9,"
            "\"Línea 1\r\nLínea 2, ñ\",\r\n",
            "Imported 1 record into KVSEGUIR.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::TempFolder dir;
        const Outcome in = importCsv(dir, c.label, "\xEF\xBB\xBF" + c.csv);
        ASSERT_EQ(in.code, 0) << in.err.toStdString();
        EXPECT_EQ(in.out, c.imported);

        const Outcome toStdout = kvadmin(dir, {"export", QString(c.label).toLower()});
        EXPECT_EQ(toStdout.code, 0);
        EXPECT_EQ(toStdout.out, c.csv);

        const QString target = dir.file("out.csv");
        const Outcome toFile = kvadmin(dir, {"export", c.label, target});
        EXPECT_EQ(toFile.code, 0);
        EXPECT_TRUE(toFile.out.startsWith("Exported ")) << toFile.out.toStdString();
        QFile written(target);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), c.csv);
    }

    // Stored as Windows-1252 in the data file, not as UTF-8 bytes.
    test::TempFolder dir;
    ASSERT_EQ(importCsv(dir, "KVALUAP", kStudentsHeader + "1,Ñandú €,0,,,0\r\n").code, 0);
    test::RecordedErrors errors;
    Dictionary dictionary(errors.errors, dir.path());
    dictionary.kvaluap.access.setRecordOrder();
    ASSERT_EQ(dictionary.kvaluap.access.nextInRecordOrder(), Status::Ok);
    EXPECT_EQ(dictionary.kvaluap.buffer.rawText(KVA::APELLIDO_NOMBRE).trimmed(),
        QByteArray("\xD1"
                   "and\xFA \x80"));
}

TEST(AdminImportExport, ExportFollowsTheKeyAndLeavesOutWhatItLeavesOut)
{
    test::TempFolder dir;
    ASSERT_EQ(importCsv(dir, "KVALUAP",
                  "KVA:APELLIDO_NOMBRE,KVA:LEGAJO\n"
                  "gamma,1\n"
                  ",2\n"
                  "Alfa,3\n"
                  "beta,4\n")
                  .code,
        0);
    EXPECT_EQ(exportedRows(dir, {"KVALUAP", "--key", "kva:clave_alfa"}),
        (QList<QByteArray> {"3,Alfa,0,,,0", "4,beta,0,,,0", "1,gamma,0,,,0"}));
    EXPECT_EQ(exportedRows(dir, {"KVALUAP"}).size(), 4); // record order keeps them all
}

TEST(AdminImportExport, ExportByKeyContinuesAcrossPages)
{
    test::TempFolder dir;
    QByteArray csv = "KVA:LEGAJO,KVA:DNI\n";
    const int count = 1234;
    for (int i = count; i >= 1; --i) {
        csv += QByteArray::number(i) + "," + QByteArray::number(1000 + i) + "\n";
    }
    ASSERT_EQ(importCsv(dir, "KVALUAP", csv).code, 0);
    const QList<QByteArray> rows = exportedRows(dir, {"KVALUAP", "--key", "KVA:CLAVE_DNI"});
    ASSERT_EQ(rows.size(), count);
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(rows[i].startsWith(QByteArray::number(i + 1) + ",,")) << rows[i].toStdString();
    }
}

TEST(AdminImportExport, RefusedImportLeavesTheFileAsItWas)
{
    struct Case {
        const char* name;
        QByteArray csv;
        const char* message;
    };
    const Case cases[] = {
        {"duplicate within the file", "KVA:LEGAJO,KVA:DNI\n10,500\n11,501\n\n12,500\n",
            "line 5, field KVA:DNI: Duplicate Key Error: Adding this record creates a duplicate entry for "
            "the key: "
            "KVA:CLAVE_DNI"},
        {"duplicate of a stored record", "KVA:LEGAJO,KVA:DNI\n10,77\n11,30111222\n",
            "line 3, field KVA:DNI: Duplicate Key Error"},
        {"bad number after good rows", "KVA:LEGAJO,KVA:DNI\n10,500\n1x,501\n", "line 3, field KVA:LEGAJO: "},
        {"text too long", "KVA:DNI,KVA:SEXO\n500,\"" + QByteArray(21, 'F') + "\"\n",
            "line 2, field KVA:SEXO: too long"},
        {"outside Windows-1252", "KVA:APELLIDO_NOMBRE\nAna\n\"Ω\nx\"\n",
            "line 3, field KVA:APELLIDO_NOMBRE: "},
        {"unknown column", "KVA:DNI,KVA:EDAD\n500,9\n", "line 1, field KVA:EDAD: "},
        {"wrong number of cells", "KVA:LEGAJO,KVA:DNI\n10,500\n11\n",
            "line 3: the row has 1 cell where the header has 2"},
        {"quote not closed", "KVA:LEGAJO,KVA:DNI\n10,500\n11,\"5\n", "line 3: a quoted cell is not closed"},
        {"not UTF-8",
            "KVA:APELLIDO_NOMBRE\nAna\nPe\xF1"
            "a\n",
            "line 3: the text is not UTF-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder dir;
        ASSERT_EQ(
            importCsv(dir, "KVALUAP", kStudentsHeader + "1,Ana,30111222,F,,3\r\n2,Luis,0,M,,3\r\n").code, 0);
        const QList<QByteArray> before = exportedRows(dir, {"KVALUAP"});

        const Outcome o = importCsv(dir, "KVALUAP", c.csv);
        EXPECT_EQ(o.code, 1);
        EXPECT_TRUE(o.err.contains(QLatin1String(c.message))) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_EQ(exportedRows(dir, {"KVALUAP"}), before);
    }
}

TEST(AdminImportExport, RefusedImportIntoANewFileLeavesNoFile)
{
    test::TempFolder dir;
    const Outcome o = importCsv(dir, "KVALUAP", "KVA:DNI\n5\n5\n");
    EXPECT_EQ(o.code, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.file("KVAluAP.TPS")));
}

TEST(AdminImportExport, TrackingRowsWithoutNumberAreNumbered)
{
    test::TempFolder dir;
    ASSERT_EQ(importCsv(dir, "KVSEGUIR", "KVG:NRO_REGISTRO,KVG:NRO_LEGAJO\n5,1\n").code, 0);
    const Outcome o = importCsv(dir, "KVSEGUIR", "KVG:NRO_LEGAJO,KVG:NRO_REGISTRO\n2,0\n3,\n4,20\n5,0\n");
    ASSERT_EQ(o.code, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, "Imported 4 records into KVSEGUIR.\n");
    QList<QByteArray> numbers;
    for (const QByteArray& row : exportedRows(dir, {"KVSEGUIR", "--key", "KVG:CLAVE_PRIMARIA"})) {
        numbers << row.left(row.indexOf(',', row.indexOf(',') + 1)); // registro,legajo
    }
    EXPECT_EQ(numbers, (QList<QByteArray> {"5,1", "6,2", "7,3", "20,4", "21,5"}));
}

TEST(AdminImportExport, UsageErrors)
{
    test::TempFolder dir;
    struct Case {
        QStringList args;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
        {{"import", "KVNADA", "x.csv"}, 2, "unknown file 'KVNADA'"},
        {{"import", "KVALUAP"}, 2, "import needs"},
        {{"export"}, 2, "export needs"},
        {{"export", "KVALUAP", "--key", "KVA:CLAVE_NADA"}, 2, "KVALUAP has no key 'KVA:CLAVE_NADA'"},
        {{"export", "KVALUAP", "--key"}, 2, "--key needs"},
        {{"import", "KVALUAP", dir.file("missing.csv")}, 1, "cannot read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Outcome o = kvadmin(dir, c.args);
        EXPECT_EQ(o.code, c.code);
        EXPECT_TRUE(o.err.contains(QLatin1String(c.message))) << o.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file("KVAluAP.TPS"))); // nothing created by refused commands
}

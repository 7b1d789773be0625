// Key order: each key attribute against a small table of records.

#include "data/dictionary.h"
#include "data/files/kvaluap.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/key_reader.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

class KeyOrder : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::RecordedErrors rec;
    Dictionary dict {rec.errors, folder.path()};

    // Reads a whole key (within an optional prefix range) and returns one field of each record.
    QStringList listText(
        FileManager& fm, int key, int field, const Record* rangeFrom = nullptr, int fixed = 0)
    {
        KeyReader reader(fm, key);
        if (rangeFrom) {
            reader.setPrefixRange(*rangeFrom, fixed);
        }
        QStringList out;
        std::optional<KeyAnchor> anchor;
        // Small pages, so that continuing from an anchor is exercised too.
        for (;;) {
            int got = 0;
            reader.read(Direction::Forward, anchor, 2, [&](const KeyAnchor& row, const Record& r) {
                out << (fm.def().fields[field].type == FieldType::Text ? r.text(field)
                                                                       : QString::number(r.integer(field)));
                anchor = row;
                ++got;
                return true;
            });
            if (got < 2) {
                return out;
            }
        }
    }

    void addStudent(int legajo, const QString& name, int course, int dni = 0, const QString& sexo = {})
    {
        Record& b = dict.kvaluap.buffer;
        b.clear();
        b.setInteger(KVA::LEGAJO, legajo);
        ASSERT_TRUE(b.setText(KVA::APELLIDO_NOMBRE, name));
        b.setInteger(KVA::COD_CURSO, course);
        b.setInteger(KVA::DNI, dni);
        ASSERT_TRUE(b.setText(KVA::SEXO, sexo));
        ASSERT_EQ(dict.kvaluap.access.insert(), Status::Ok);
    }
};

TEST_F(KeyOrder, CaseInsensitiveKeysFoldWindows1252Letters)
{
    addStudent(1, QStringLiteral("zapata"), 1);
    addStudent(2, QStringLiteral("ÑANDÚ"), 1);
    addStudent(3, QStringLiteral("Zapata"), 1);
    addStudent(4, QStringLiteral("ñandú, ana"), 1);
    addStudent(5, QStringLiteral("Abel"), 1);
    // Windows-1252 order: Ñ (0xD1) after Z; capitals and small letters alike,
    // equal values in the order they were added.
    EXPECT_EQ(listText(dict.kvaluap.access, KVA::CLAVE_ALFA, KVA::APELLIDO_NOMBRE),
        (QStringList {"Abel", "zapata", "Zapata", "ÑANDÚ", "ñandú, ana"}));
}

TEST_F(KeyOrder, CaseSensitiveKeysSortCapitalsApart)
{
    Record& m = dict.kvmaterias.buffer;
    for (const char* name : {"matematica", "Lengua", "Matematica", "lengua"}) {
        m.clear();
        m.setText(KVM::MATERIA, QString::fromUtf8(name));
        m.setInteger(KVM::NRO_REGISTRO, 1);
        ASSERT_EQ(dict.kvmaterias.access.insert(), Status::Ok);
    }
    EXPECT_EQ(listText(dict.kvmaterias.access, KVM::CLAVE_ALFA, KVM::MATERIA),
        (QStringList {"Lengua", "Matematica", "lengua", "matematica"}));
}

TEST_F(KeyOrder, NumbersSortBySignedValueAndRangesFixLeadingComponents)
{
    addStudent(10, QStringLiteral("B"), 2);
    addStudent(-5, QStringLiteral("A"), 2);
    addStudent(7, QStringLiteral("C"), 1);
    addStudent(300, QStringLiteral("D"), 2);
    EXPECT_EQ(listText(dict.kvaluap.access, KVA::CLAVE_PRINCIPAL, KVA::LEGAJO),
        (QStringList {"-5", "7", "10", "300"}));
    Record course(kvaluapFile());
    course.setInteger(KVA::COD_CURSO, 2);
    EXPECT_EQ(listText(dict.kvaluap.access, KVA::CLAVE_CURSO_LEGAJO, KVA::LEGAJO, &course, 1),
        (QStringList {"-5", "10", "300"}));
}

TEST_F(KeyOrder, DescendingComponentSortsHighToLowWithinAscendingOnes)
{
    Record& l = dict.kvlibreta.buffer;
    struct Row {
        int materia;
        const char* sexo;
        const char* alumno;
    };
    const Row rows[]
        = {{7, "F", "luna"}, {7, "M", "Bruno"}, {7, "F", "Ana"}, {3, "M", "Zoe"}, {7, "M", "ARIEL"}};
    for (const Row& r : rows) {
        l.clear();
        l.setInteger(KVL::COD_MATERIA, r.materia);
        l.setText(KVL::SEXO, QString::fromUtf8(r.sexo));
        l.setText(KVL::ALUMNO, QString::fromUtf8(r.alumno));
        ASSERT_EQ(dict.kvlibreta.access.insert(), Status::Ok);
    }
    Record subject(kvlibretaFile());
    subject.setInteger(KVL::COD_MATERIA, 7);
    EXPECT_EQ(listText(dict.kvlibreta.access, KVL::CLAVE_MATERIA_SEXO_ALUMNO2, KVL::ALUMNO, &subject, 1),
        (QStringList {"ARIEL", "Bruno", "Ana", "luna"}));
}

TEST_F(KeyOrder, FourDescendingDecimalsRankEveryRecordIncludingAllZero)
{
    Record& l = dict.kvlibreta.buffer;
    struct Row {
        std::int64_t anual, iii, ii, i;
        const char* name;
    };
    const Row rows[] = {{700, 0, 0, 0, "b"}, {0, 0, 0, 0, "zero"}, {900, 0, 0, 0, "a"}, {700, 100, 0, 0, "c"},
        {-50, 0, 0, 0, "neg"}};
    for (const Row& r : rows) {
        l.clear();
        l.setDecimal(KVL::EVALUACION_ANUAL, r.anual);
        l.setDecimal(KVL::FINALETAPAIII, r.iii);
        l.setDecimal(KVL::FINALETAPAII, r.ii);
        l.setDecimal(KVL::FINALETAPAI, r.i);
        l.setText(KVL::ALUMNO, QString::fromUtf8(r.name));
        ASSERT_EQ(dict.kvlibreta.access.insert(), Status::Ok);
    }
    EXPECT_EQ(listText(dict.kvlibreta.access, KVL::CLAVE_RENDIMIENTO_ACADEMICO, KVL::ALUMNO),
        (QStringList {"a", "c", "b", "zero", "neg"}));
    // The all-empty record is absent from an optional key.
    EXPECT_EQ(listText(dict.kvlibreta.access, KVL::CLAVE_MATERIA_SEXO_ALUMNO, KVL::ALUMNO).size(), 5);
}

TEST_F(KeyOrder, OptionalKeysLeaveOutOnlyRecordsWhoseComponentsAreAllEmpty)
{
    Record& g = dict.kvseguir.buffer;
    struct Row {
        int legajo, orden, materia;
    };
    const Row rows[] = {{0, 3, 0}, {0, 0, 0}, {4, 0, 0}};
    for (const Row& r : rows) {
        g.clear();
        g.setInteger(KVG::NRO_LEGAJO, r.legajo);
        g.setInteger(KVG::NRO_ORDEN, r.orden);
        g.setInteger(KVG::COD_MATERIA, r.materia);
        ASSERT_EQ(dict.kvseguir.access.insert(), Status::Ok);
    }
    EXPECT_EQ(
        listText(dict.kvseguir.access, KVG::CLAVE_PROMEDIAEN_LEGAJO, KVG::NRO_LEGAJO), (QStringList {"4"}));
    EXPECT_EQ(listText(dict.kvseguir.access, KVG::CLAVE_LEGAJO_ORDEN_MATERIA, KVG::NRO_ORDEN),
        (QStringList {"3", "0"}));
}

TEST_F(KeyOrder, NextAndPreviousWalkTheRangeFromTheBuffer)
{
    for (int i = 1; i <= 4; ++i) {
        addStudent(i, QStringLiteral("S%1").arg(i), i <= 3 ? 5 : 6);
    }
    FileManager& fm = dict.kvaluap.access;
    fm.buffer().clear();
    fm.buffer().setInteger(KVA::COD_CURSO, 5);
    fm.setOrder(KVA::CLAVE_CURSO_LEGAJO, 1);
    QStringList forward;
    while (fm.next() == Status::Ok) {
        forward << fm.buffer().text(KVA::APELLIDO_NOMBRE);
    }
    EXPECT_EQ(forward, (QStringList {"S1", "S2", "S3"}));
    // At the end the buffer keeps the last record; stepping back continues from there.
    ASSERT_EQ(fm.previous(), Status::Ok);
    EXPECT_EQ(fm.buffer().text(KVA::APELLIDO_NOMBRE), QStringLiteral("S2"));
}

} // namespace
} // namespace kv

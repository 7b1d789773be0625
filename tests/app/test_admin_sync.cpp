// kvadmin sync: the synchronisation of one subject from the command line,
// and the refusal of a subject that does not exist.

#include "app/admin/admin_commands.h"
#include "data/dictionary.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "tests/support/admin_runner.h"
#include "tests/support/test_support.h"

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

// Subject 7 of course 3 with one catalogue entry and three students; a
// tracking row of subject 9, whose catalogue is empty.
void fillSchool(const test::TempFolder& dir)
{
    test::RecordedErrors recorded;
    Dictionary dict(recorded.errors, dir.path());
    Record& m = dict.kvmaterias.buffer;
    m.setInteger(KVM::NRO_REGISTRO, 7);
    m.setInteger(KVM::COD_CURSO, 3);
    m.setText(KVM::MATERIA, QStringLiteral("Matemática"));
    ASSERT_EQ(dict.kvmaterias.access.insert(), Status::Ok);
    for (std::int32_t legajo : {11, 12, 13}) {
        Record& a = dict.kvaluap.buffer;
        a.clear();
        a.setInteger(KVA::LEGAJO, legajo);
        a.setText(KVA::APELLIDO_NOMBRE, QStringLiteral("ALUMNO %1").arg(legajo));
        a.setInteger(KVA::COD_CURSO, 3);
        ASSERT_EQ(dict.kvaluap.access.insert(), Status::Ok);
    }
    Record& e = dict.kvaprende.buffer;
    e.setInteger(KVAP::COD_MATERIA, 7);
    e.setText(KVAP::CONTENIDO_PRIORIZADO, QStringLiteral("Fracciones"));
    e.setMemo(KVAP::APRENDIZAJE_TRABAJO, QStringLiteral("Compara fracciones."));
    ASSERT_EQ(dict.kvaprende.access.insert(), Status::Ok);
    Record& g = dict.kvseguir.buffer;
    g.setInteger(KVG::NRO_LEGAJO, 11);
    g.setInteger(KVG::COD_MATERIA, 9);
    g.setText(KVG::CONTENIDO_PRIORIZADO, QStringLiteral("Un contenido ya borrado"));
    ASSERT_EQ(dict.kvseguir.access.insert(), Status::Ok);
}

std::vector<std::pair<std::int32_t, std::int32_t>> trackingRows(const test::TempFolder& dir)
{
    test::RecordedErrors recorded;
    Dictionary dict(recorded.errors, dir.path());
    std::vector<std::pair<std::int32_t, std::int32_t>> rows; // (subject, student)
    FileManager& seguir = dict.kvseguir.access;
    seguir.setRecordOrder();
    while (seguir.nextInRecordOrder() == Status::Ok) {
        rows.emplace_back(
            dict.kvseguir.buffer.integer(KVG::COD_MATERIA), dict.kvseguir.buffer.integer(KVG::NRO_LEGAJO));
    }
    return rows;
}

TEST(AdminSync, CreatesAndDeletesRowsAndSaysHowMany)
{
    test::TempFolder dir;
    fillSchool(dir);

    const Outcome first = kvadmin(dir, {"sync", "7"});
    EXPECT_EQ(first.code, 0) << qPrintable(first.err);
    EXPECT_EQ(
        first.outText(), QStringLiteral("Subject 7 (Matemática): 3 tracking rows created, 1 deleted\n"));
    using Rows = std::vector<std::pair<std::int32_t, std::int32_t>>;
    EXPECT_EQ(trackingRows(dir), (Rows {{7, 11}, {7, 12}, {7, 13}}));

    const Outcome again = kvadmin(dir, {"sync", "7"});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(
        again.outText(), QStringLiteral("Subject 7 (Matemática): 0 tracking rows created, 0 deleted\n"));
}

TEST(AdminSync, ASubjectThatDoesNotExistIsAnErrorAndChangesNothing)
{
    test::TempFolder dir;
    fillSchool(dir);
    const auto before = trackingRows(dir);
    // No subject 8; subject numbers of 0 are never found by number.
    for (const char* subject : {"8", "0"}) {
        SCOPED_TRACE(subject);
        const Outcome o = kvadmin(dir, {"sync", subject});
        EXPECT_EQ(o.code, 1);
        EXPECT_TRUE(o.err.contains(QStringLiteral("no subject with number %1").arg(subject)))
            << qPrintable(o.err);
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_EQ(trackingRows(dir), before); // the orphan row of subject 9 is still there
    }
}

TEST(AdminSync, NeedsOneSubjectNumber)
{
    test::TempFolder dir;
    for (const QStringList& args :
        {QStringList {"sync"}, QStringList {"sync", "siete"}, QStringList {"sync", "7", "8"}}) {
        SCOPED_TRACE(qPrintable(args.join(' ')));
        EXPECT_EQ(kvadmin(dir, args).code, 2);
    }
}

} // namespace

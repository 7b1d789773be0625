// The content synchronisation against the literal scans it stands for: the
// same rows created (numbered in the same order) and deleted, on a table of
// catalogues; the values of a new row; nothing kept when a run fails.

#include "catalogue/content_sync.h"
#include "data/files/kvseguir.h"
#include "tests/catalogue/catalogue_files.h"
#include "tests/catalogue/reference_sync.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace kv {
namespace {

using test::CatalogueFiles;

constexpr std::int32_t kSubject = 7;
constexpr std::int32_t kCourse = 3;

const QString kFracciones = QStringLiteral("Fracciones");
const QString kFraccionesLearning = QStringLiteral("Compara y ordena fracciones de uso frecuente.");
const QString kLectura = QStringLiteral("Lectura de cuentos");
const QString kLecturaLearning = QStringLiteral("Reconoce la secuencia de los hechos de un cuento.");

// Students of a course, their names in mixed capitals, added neither in name
// nor in file-number order.
void addStudents(CatalogueFiles& f, int count, std::int32_t course, std::int32_t firstLegajo)
{
    static const char* const kSurnames[] = {"acosta", "BENÍTEZ", "Cabrera", "díaz", "ESPÓSITO", "Fernández",
        "gómez", "HERRERA", "Ibáñez", "juárez", "LÓPEZ", "Medina", "núñez", "OJEDA", "Paz", "quiroga", "RÍOS",
        "Sosa", "torres", "URQUIZA", "Vega", "wagner", "XAVIER", "Yáñez", "zapata"};
    for (int i = 0; i < count; ++i) {
        const int k = (i * 7) % count; // a scrambled order of addition
        f.student(firstLegajo + (k * 11) % count,
            QString::fromUtf8(kSurnames[k % 25]) + QStringLiteral(", alumno %1").arg(k), course);
    }
}

struct SyncCase {
    const char* name;
    std::function<void(CatalogueFiles&)> build; // may run earlier synchronisations
    std::int32_t subject;
    int created;
    int deleted;
};

void baseSubject(CatalogueFiles& f, int students)
{
    f.subject(kSubject, kCourse);
    f.subject(8, 4, QStringLiteral("Lengua"));
    addStudents(f, students, kCourse, 100);
    addStudents(f, 4, 4, 500); // another course
    f.student(90, QString(), kCourse); // without a name: not in the name order
}

const SyncCase kCases[] = {
    {"NewEntryForTwentyFiveStudents",
        [](CatalogueFiles& f) {
            baseSubject(f, 25);
            f.entry({kSubject, kFracciones, kFraccionesLearning});
        },
        kSubject, 25, 0},
    {"TwoEntriesNumberedEntryByEntry",
        [](CatalogueFiles& f) {
            baseSubject(f, 6);
            f.entry({kSubject, kLectura, kLecturaLearning, 2});
            f.entry({8, kLectura, kLecturaLearning}); // another subject's entry creates nothing here
            f.entry({kSubject, kFracciones, kFraccionesLearning, 1});
        },
        kSubject, 12, 0},
    {"RepeatedRunChangesNothing",
        [](CatalogueFiles& f) {
            baseSubject(f, 25);
            f.entry({kSubject, kFracciones, kFraccionesLearning});
            EXPECT_EQ(f.sync(kSubject).created, 25);
        },
        kSubject, 0, 0},
    {"DuplicateEntriesGiveOneRow",
        [](CatalogueFiles& f) {
            baseSubject(f, 5);
            f.entry({kSubject, kFracciones, kFraccionesLearning, 1});
            f.entry({kSubject, kFracciones, kFraccionesLearning, 2});
        },
        kSubject, 5, 0},
    {"ContentChangedOnlyInLetterCaseReplacesTheRows",
        [](CatalogueFiles& f) {
            baseSubject(f, 5);
            f.entry({kSubject, kFracciones, kFraccionesLearning});
            f.entry({kSubject, kLectura, kLecturaLearning});
            EXPECT_EQ(f.sync(kSubject).created, 10);
            f.changeEntryContent(kSubject, kFracciones, kFracciones.toUpper());
        },
        kSubject, 5, 5},
    {"DeletedEntriesLoseTheirRowsInEverySubject",
        [](CatalogueFiles& f) {
            baseSubject(f, 5);
            f.entry({kSubject, kFracciones, kFraccionesLearning});
            f.entry({kSubject, kLectura, kLecturaLearning});
            f.entry({8, kLectura, kLecturaLearning});
            EXPECT_EQ(f.sync(kSubject).created, 10);
            EXPECT_EQ(f.sync(8).created, 4);
            f.deleteEntry(kSubject, kFracciones);
            f.deleteEntry(8, kLectura);
        },
        kSubject, 0, 9},
    {"CourseWithoutStudentsCreatesNothingButStillRemoves",
        [](CatalogueFiles& f) {
            f.subject(kSubject, 99);
            f.entry({kSubject, kFracciones, kFraccionesLearning});
            addStudents(f, 3, kCourse, 100);
            f.row(100, 8, kLectura, kLecturaLearning);
        },
        kSubject, 0, 1},
    {"SubjectWithoutEntriesLosesAllItsRows",
        [](CatalogueFiles& f) {
            baseSubject(f, 3);
            f.entry({kSubject, kFracciones, kFraccionesLearning});
            EXPECT_EQ(f.sync(kSubject).created, 3);
            f.deleteEntry(kSubject, kFracciones);
        },
        kSubject, 0, 3},
    {"RowsOfOtherSubjectsWhoseEntriesAreGoneAreRemoved",
        [](CatalogueFiles& f) {
            baseSubject(f, 2);
            f.subject(20, 4, QStringLiteral("Música"));
            f.entry({20, kLectura, kLecturaLearning});
            f.entry({kSubject, kFracciones, kFraccionesLearning});
            f.row(500, 20, kLectura, kLecturaLearning); // has its entry: kept
            f.row(500, 20, kFracciones, kFraccionesLearning); // entry of another subject only
            f.row(501, 21, kLectura, kLecturaLearning); // subject without any entry
            f.row(502, 20, kLectura, kLecturaLearning + QStringLiteral(" (antes)"));
        },
        kSubject, 2, 3},
    {"TrailingSpacesDoNotCountInTheMatch",
        [](CatalogueFiles& f) {
            baseSubject(f, 2);
            f.entry({kSubject, kFracciones, kFraccionesLearning + QStringLiteral("   ")});
            f.entry({kSubject, kLectura, kLecturaLearning});
            for (std::int32_t legajo : {100, 101}) {
                f.row(legajo, kSubject, kFracciones, kFraccionesLearning);
                f.row(legajo, kSubject, kLectura + QStringLiteral("  "),
                    kLecturaLearning + QStringLiteral(" "));
            }
        },
        kSubject, 0, 0},
    {"SubjectNumberedZeroIsNotResynchronisedEveryTime",
        [](CatalogueFiles& f) {
            f.subject(0, kCourse);
            addStudents(f, 4, kCourse, 100);
            f.entry({0, kFracciones, kFraccionesLearning});
            EXPECT_EQ(f.sync(0).created, 4);
        },
        0, 0, 0},
};

void PrintTo(const SyncCase& c, std::ostream* os)
{
    *os << c.name;
}

class SyncAgainstReference : public ::testing::TestWithParam<SyncCase> { };

TEST_P(SyncAgainstReference, SameRowsCreatedNumberedAndDeleted)
{
    const SyncCase& c = GetParam();
    test::TempFolder source, real, reference;
    {
        CatalogueFiles f(source.path());
        c.build(f);
        ASSERT_TRUE(f.recorded.presenter.messages.empty());
    }
    test::copyDataFiles(source.path(), real.path());
    test::copyDataFiles(source.path(), reference.path());

    CatalogueFiles r(real.path());
    const SyncResult got = r.sync(c.subject);
    CatalogueFiles m(reference.path());
    const test::ReferenceResult want = test::referenceSync(m.dict, m.subjectRecord(c.subject));

    ASSERT_TRUE(got.ok) << qPrintable(got.error);
    ASSERT_TRUE(want.ok);
    EXPECT_EQ(got.created, c.created);
    EXPECT_EQ(got.deleted, c.deleted);
    EXPECT_EQ(want.created, c.created);
    EXPECT_EQ(want.deleted, c.deleted);
    EXPECT_EQ(test::dumpAll(r.dict), test::dumpAll(m.dict));
    EXPECT_TRUE(r.recorded.presenter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Catalogues, SyncAgainstReference, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<SyncCase>& p) { return std::string(p.param.name); });

TEST(SyncNewRow, CopiesTheEntryAndTheStudentAndIsNumberedEntryByEntryInNameOrder)
{
    test::TempFolder folder;
    CatalogueFiles f(folder.path());
    f.subject(kSubject, kCourse, QStringLiteral("Prácticas del Lenguaje"));
    f.subject(30, kCourse);
    std::int32_t legajo = 40;
    for (const char* name : {"mendez, luis", "Acosta, Ana", "ZAPATA, JUAN", "benítez, eva"}) {
        f.student(legajo++, QString::fromUtf8(name), kCourse);
    }
    // Entries with numbers given by other means; the program's own hold 0.
    struct {
        std::int32_t nro;
        const char* ingreso;
    } const numbers[] = {{12345, "12345     "}, {-7, "-7        "}, {0, "0         "}};
    int order = 1;
    for (const auto& n : numbers) {
        f.entry({kSubject, QStringLiteral("Contenido %1").arg(n.nro),
            QStringLiteral("Aprendizaje %1").arg(n.nro), static_cast<std::int16_t>(order++), n.nro});
    }
    // A teacher's name longer than the operator field.
    f.dict.kvaprende.access.setRecordOrder();
    while (f.dict.kvaprende.access.nextInRecordOrder() == Status::Ok) {
        Record& e = f.dict.kvaprende.buffer;
        ASSERT_TRUE(e.setText(KVAP::DOCENTE, QStringLiteral("RODRÍGUEZ DE LA FUENTE, MARÍA EUGENIA")));
        e.setInteger(KVAP::COD_DOCENTE, 4321);
        ASSERT_EQ(f.dict.kvaprende.access.update(), Status::Ok);
    }
    // A row numbered 40 of another subject that keeps its entry.
    f.entry({30, kLectura, kLecturaLearning});
    Record& g = f.dict.kvseguir.buffer;
    g.clear();
    g.setInteger(KVG::NRO_REGISTRO, 40);
    g.setInteger(KVG::COD_MATERIA, 30);
    ASSERT_TRUE(g.setText(KVG::CONTENIDO_PRIORIZADO, kLectura));
    ASSERT_TRUE(g.setMemo(KVG::APRENDIZAJE_TRABAJO, kLecturaLearning));
    ASSERT_EQ(f.dict.kvseguir.access.insert(), Status::Ok);

    // The buffers come back as they were.
    g.clear();
    ASSERT_TRUE(g.setText(KVG::ALUMNO, QStringLiteral("resaltado")));
    const Record before = g;
    const SyncResult result = f.sync(kSubject);
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    EXPECT_EQ(result.created, 12);
    EXPECT_EQ(g, before);

    const char* const byName[] = {"Acosta, Ana", "benítez, eva", "mendez, luis", "ZAPATA, JUAN"};
    const std::int32_t legajoByName[] = {41, 43, 40, 42};
    std::int32_t expectedNumber = 41;
    for (int e = 0; e < 3; ++e) {
        for (int s = 0; s < 4; ++s, ++expectedNumber) {
            SCOPED_TRACE(testing::Message() << "row " << expectedNumber);
            g.clear();
            g.setInteger(KVG::NRO_REGISTRO, expectedNumber);
            ASSERT_EQ(f.dict.kvseguir.access.fetch(KVG::CLAVE_PRIMARIA), Status::Ok);
            EXPECT_EQ(g.integer(KVG::NRO_LEGAJO), legajoByName[s]);
            EXPECT_EQ(g.text(KVG::ALUMNO), QString::fromUtf8(byName[s]));
            EXPECT_EQ(g.integer(KVG::COD_MATERIA), kSubject);
            EXPECT_EQ(g.integer(KVG::NRO_ORDEN), e + 1);
            EXPECT_EQ(g.text(KVG::MATERIAS), QStringLiteral("Prácticas del Lenguaje"));
            EXPECT_EQ(g.text(KVG::CONTENIDO_PRIORIZADO), QStringLiteral("Contenido %1").arg(numbers[e].nro));
            EXPECT_EQ(g.memo(KVG::APRENDIZAJE_TRABAJO), QStringLiteral("Aprendizaje %1").arg(numbers[e].nro));
            for (int mark : {KVG::LOGRADO, KVG::PENDIENTE, KVG::ENPROCESO, KVG::PPI, KVG::VALORACION_FINAL}) {
                EXPECT_TRUE(g.isFieldEmpty(mark));
            }
            EXPECT_TRUE(g.memo(KVG::OBSPPI).isEmpty());
            EXPECT_EQ(g.integer(KVG::COD_CURSO), kCourse);
            EXPECT_EQ(g.rawText(KVG::INGRESO), QByteArray(numbers[e].ingreso));
            EXPECT_EQ(g.text(KVG::OPERADOR), QStringLiteral("RODRÍGUEZ DE LA FUEN"));
            EXPECT_EQ(g.text(KVG::DOCENTE), QStringLiteral("RODRÍGUEZ DE LA FUENTE, MARÍA EUGENIA"));
            EXPECT_EQ(g.integer(KVG::COD_DOCENTE), 4321);
        }
    }
}

// Failures: whatever went wrong, every file is left exactly as it was.
struct FailureCase {
    const char* name;
    // SQL run on KVSEGUIR.TPS by another connection before the run.
    const char* injected;
    bool holdWriteLock; // the other connection keeps a write transaction open
    std::vector<Answer> answers;
    const char* message; // the last message shown, none when null
};

const FailureCase kFailures[] = {
    {"FileHeldByAnotherProgram", "BEGIN IMMEDIATE", true, {}, nullptr},
    {"InsertRefusedHalfWay",
        "CREATE TRIGGER refuse BEFORE INSERT ON KVSEGUIR WHEN NEW.NRO_LEGAJO = 102 "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END",
        false, {Answer::No}, "Record Insert Error"}, // numbering again would not help
    {"DeleteRefused",
        "CREATE TRIGGER refuse BEFORE DELETE ON KVSEGUIR BEGIN SELECT RAISE(ABORT, 'refused'); END", false,
        {}, nullptr},
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class SyncFailure : public ::testing::TestWithParam<FailureCase> { };

TEST_P(SyncFailure, LeavesEveryFileAsItWas)
{
    const FailureCase& c = GetParam();
    test::TempFolder folder;
    CatalogueFiles f(folder.path());
    baseSubject(f, 5);
    f.entry({kSubject, kFracciones, kFraccionesLearning});
    f.row(500, 8, kLectura, kLecturaLearning); // to be removed
    f.row(100, kSubject, kLectura, kLecturaLearning); // to be removed
    const std::vector<std::string> before = test::dumpAll(f.dict);

    sqlite3* other = nullptr;
    ASSERT_EQ(
        sqlite3_open(QFile::encodeName(folder.file(QStringLiteral("KVSEGUIR.TPS"))).constData(), &other),
        SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, c.injected, nullptr, nullptr, nullptr), SQLITE_OK);
    // Without waiting the ten seconds of lock recovery.
    sqlite3_busy_timeout(f.dict.kvseguir.access.database()->get(), 0);
    f.recorded.presenter.answers.assign(c.answers.begin(), c.answers.end());

    const SyncResult result = f.sync(kSubject);
    if (c.holdWriteLock) {
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close(other);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(result.created, 0);
    EXPECT_EQ(result.deleted, 0);
    EXPECT_EQ(test::dumpAll(f.dict), before);
    if (c.message) {
        ASSERT_FALSE(f.recorded.presenter.messages.empty());
        EXPECT_EQ(f.recorded.presenter.titles().back(), QString::fromUtf8(c.message));
    } else {
        EXPECT_TRUE(f.recorded.presenter.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Injected, SyncFailure, ::testing::ValuesIn(kFailures),
    [](const ::testing::TestParamInfo<FailureCase>& p) { return std::string(p.param.name); });

} // namespace
} // namespace kv

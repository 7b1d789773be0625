// The file manager over real files in a temporary folder: creation, foreign
// files, keys, auto-numbering, batches and changes made by other programs.

#include "data/dictionary.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/key_reader.h"
#include "tests/support/test_support.h"

#include <QCryptographicHash>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kv {
namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void execSql(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

class FileManagerTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::RecordedErrors rec;
    Dictionary dict {rec.errors, folder.path()};

    Status addStudent(int legajo, const QString& name, int dni = 0)
    {
        Record& b = dict.kvaluap.buffer;
        b.clear();
        b.setInteger(KVA::LEGAJO, legajo);
        b.setText(KVA::APELLIDO_NOMBRE, name);
        b.setInteger(KVA::DNI, dni);
        return dict.kvaluap.access.insert();
    }

    std::int32_t addTracking(FileManager& fm, int legajo = 1)
    {
        fm.buffer().clear();
        fm.buffer().setInteger(KVG::NRO_LEGAJO, legajo);
        EXPECT_EQ(fm.insert(), Status::Ok);
        return fm.buffer().integer(KVG::NRO_REGISTRO);
    }
};

TEST_F(FileManagerTest, MissingFilesAreCreatedEmptyOnFirstUseWithoutAMessage)
{
    for (DataFile* f : dict.all()) {
        EXPECT_FALSE(QFile::exists(f->access.path()));
        EXPECT_EQ(f->access.recordCount(), 0);
        EXPECT_TRUE(QFile::exists(f->access.path()));
    }
    EXPECT_TRUE(rec.presenter.messages.empty());
    // The file is an ordinary SQLite database that standard tools can read.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(dict.kvseguir.access.path()).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "SELECT count(*), max(NRO_REGISTRO) FROM KVSEGUIR", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
}

TEST_F(FileManagerTest, AForeignFileIsReportedAndNeverTouched)
{
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
    };
    const Case cases[] = {
        {"not a database",
            [](const QString& p) {
                QFile f(p);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write("Legajo;Nombre\n1;Perez\n");
            }},
        {"a database of something else",
            [](const QString& p) { execSql(p, "CREATE TABLE notes(x); INSERT INTO notes VALUES (1);"); }},
        {"our table with another layout",
            [](const QString& p) { execSql(p, "CREATE TABLE KVALUAP(pos INTEGER PRIMARY KEY, LEGAJO);"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder dir;
        test::RecordedErrors errors;
        Dictionary d(errors.errors, dir.path());
        c.make(d.kvaluap.access.path());
        const QByteArray before = fileHash(d.kvaluap.access.path());
        EXPECT_EQ(d.kvaluap.access.recordCount(), 0);
        d.kvaluap.buffer.setInteger(KVA::LEGAJO, 9);
        EXPECT_EQ(d.kvaluap.access.tryInsert(), Status::Error);
        ASSERT_FALSE(errors.presenter.messages.empty());
        EXPECT_EQ(errors.presenter.messages.front().title, QStringLiteral("File Access Error"));
        EXPECT_TRUE(errors.presenter.messages.front().text.startsWith(
            QStringLiteral("File KVAluAP.TPS could not be opened.")));
        EXPECT_TRUE(errors.presenter.messages.front().text.endsWith(
            QStringLiteral("  Press OK to end this application")));
        EXPECT_GE(errors.fatalCount, 1);
        d.kvaluap.access.close();
        EXPECT_EQ(fileHash(d.kvaluap.access.path()), before);
    }
}

TEST_F(FileManagerTest, DamagedKeysAreReportedAndRebuilt)
{
    ASSERT_EQ(addStudent(2, QStringLiteral("Bravo")), Status::Ok);
    ASSERT_EQ(addStudent(1, QStringLiteral("alfa")), Status::Ok);
    dict.kvaluap.access.close();
    // Another program dropped an index and wrote a row without sort values.
    execSql(dict.kvaluap.access.path(),
        "DROP INDEX KVALUAP_CLAVE_ALFA; INSERT INTO KVALUAP(LEGAJO, APELLIDO_NOMBRE) VALUES (3, 'Álamo');");
    dict.kvaluap.buffer.clear();
    dict.kvaluap.buffer.setText(KVA::APELLIDO_NOMBRE, QStringLiteral("ÁLAMO"));
    EXPECT_EQ(dict.kvaluap.access.fetch(KVA::CLAVE_ALFA), Status::Ok);
    EXPECT_EQ(dict.kvaluap.buffer.integer(KVA::LEGAJO), 3);
    EXPECT_EQ(rec.presenter.titles(), (std::vector<QString> {QStringLiteral("Invalid Key")}));
    EXPECT_EQ(rec.fatalCount, 0);
}

TEST_F(FileManagerTest, FetchFindsTheFirstEqualRecordOrClearsTheBuffer)
{
    Record& m = dict.kvmaterias.buffer;
    for (const char* subject : {"Lengua", "Matematica", "Ciencias"}) {
        m.clear();
        m.setText(KVM::MATERIA, QString::fromUtf8(subject));
        m.setInteger(KVM::DNI_DOCENTE, QByteArray(subject) == "Ciencias" ? 222 : 111);
        ASSERT_EQ(dict.kvmaterias.access.insert(), Status::Ok);
    }
    m.clear();
    m.setInteger(KVM::DNI_DOCENTE, 111);
    ASSERT_EQ(dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR), Status::Ok);
    EXPECT_EQ(m.text(KVM::MATERIA), QStringLiteral("Lengua"));

    m.setInteger(KVM::DNI_DOCENTE, 999);
    EXPECT_EQ(dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR), Status::NoRecord);
    EXPECT_EQ(m, Record(kvmateriasFile()));
    // A value that the optional key leaves out can never be found.
    EXPECT_EQ(dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR), Status::NoRecord);
}

TEST_F(FileManagerTest, UniqueKeysRefuseDuplicatesButOptionalOnesIgnoreEmptyValues)
{
    EXPECT_EQ(addStudent(1, QStringLiteral("A"), 0), Status::Ok);
    EXPECT_EQ(addStudent(2, QStringLiteral("B"), 0), Status::Ok);
    EXPECT_EQ(addStudent(3, QStringLiteral("C"), 30111222), Status::Ok);
    rec.presenter.clear();
    EXPECT_EQ(addStudent(4, QStringLiteral("D"), 30111222), Status::Duplicate);
    ASSERT_EQ(rec.presenter.messages.size(), 1u);
    EXPECT_EQ(rec.presenter.messages[0].title, QStringLiteral("Duplicate Key Error"));
    EXPECT_EQ(rec.presenter.messages[0].text,
        QStringLiteral("Adding this record creates a duplicate entry for the key: KVA:CLAVE_DNI"));
    EXPECT_EQ(dict.kvaluap.access.recordCount(), 3);

    // The same on a change, and the record stays as it was.
    dict.kvaluap.buffer.setInteger(KVA::DNI, 0);
    dict.kvaluap.buffer.setInteger(KVA::LEGAJO, 2);
    ASSERT_EQ(dict.kvaluap.access.fetch(KVA::CLAVE_PRINCIPAL), Status::Ok);
    dict.kvaluap.buffer.setInteger(KVA::DNI, 30111222);
    EXPECT_EQ(dict.kvaluap.access.tryUpdate(), Status::Duplicate);

    Record& l = dict.kvlibreta.buffer;
    for (int n : {0, 0, 5}) {
        l.clear();
        l.setInteger(KVL::NRO_REGISTRO, n);
        EXPECT_EQ(dict.kvlibreta.access.tryInsert(), Status::Ok);
    }
    l.setInteger(KVL::NRO_REGISTRO, 5);
    EXPECT_EQ(dict.kvlibreta.access.tryInsert(), Status::Duplicate);
}

TEST_F(FileManagerTest, AutoNumberingTakesTheHighestNumberPlusOne)
{
    FileManager& fm = dict.kvseguir.access;
    for (int expected = 1; expected <= 5; ++expected) {
        EXPECT_EQ(addTracking(fm), expected);
    }
    auto deleteNumber = [&](int n) {
        fm.buffer().clear();
        fm.buffer().setInteger(KVG::NRO_REGISTRO, n);
        ASSERT_EQ(fm.fetch(KVG::CLAVE_PRIMARIA), Status::Ok);
        ASSERT_EQ(fm.deleteRecord(), Status::Ok);
    };
    deleteNumber(5);
    EXPECT_EQ(addTracking(fm), 5);
    deleteNumber(3);
    EXPECT_EQ(addTracking(fm), 6);
    // A number already given is kept as it is.
    fm.buffer().clear();
    fm.buffer().setInteger(KVG::NRO_REGISTRO, 100);
    ASSERT_EQ(fm.insert(), Status::Ok);
    EXPECT_EQ(addTracking(fm), 101);
    // Priming takes the number at once; cancelling gives it back.
    ASSERT_EQ(fm.primeRecord(), Status::Ok);
    EXPECT_EQ(fm.buffer().integer(KVG::NRO_REGISTRO), 102);
    fm.cancelPrimed();
    EXPECT_EQ(addTracking(fm), 102);
}

TEST_F(FileManagerTest, TwoProcessesNumberingAtOnceNeverShareANumber)
{
    dict.kvseguir.access.recordCount(); // create the file first
    dict.kvseguir.access.close();
    constexpr int kEach = 150;
    pid_t children[2];
    for (pid_t& child : children) {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ErrorService errors;
            Dictionary d(errors, folder.path());
            int ok = 0;
            for (int i = 0; i < kEach; ++i) {
                d.kvseguir.buffer.clear();
                d.kvseguir.buffer.setInteger(KVG::NRO_LEGAJO, getpid());
                ok += d.kvseguir.access.tryInsert() == Status::Ok;
            }
            _exit(ok == kEach ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    KeyReader reader(dict.kvseguir.access, KVG::CLAVE_PRIMARIA);
    std::vector<int> numbers;
    reader.read(Direction::Forward, std::nullopt, 1000, [&](const KeyAnchor&, const Record& r) {
        numbers.push_back(r.integer(KVG::NRO_REGISTRO));
        return true;
    });
    ASSERT_EQ(numbers.size(), 2u * kEach);
    for (int i = 0; i < 2 * kEach; ++i) {
        EXPECT_EQ(numbers[i], i + 1);
    }
}

TEST_F(FileManagerTest, ABatchIsAllThereOrNotAtAll)
{
    FileManager& fm = dict.kvaprende.access;
    fm.buffer().setText(KVAP::CONTENIDO_PRIORIZADO, QStringLiteral("before"));
    ASSERT_EQ(fm.insert(), Status::Ok);
    fm.close();

    // A process killed inside a batch leaves the file as it was.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ErrorService errors;
        Dictionary d(errors, folder.path());
        d.kvaprende.access.beginBatch();
        for (int i = 0; i < 500; ++i) {
            d.kvaprende.buffer.clear();
            d.kvaprende.buffer.setInteger(KVAP::NRO_ORDEN, i);
            d.kvaprende.access.tryInsert();
        }
        raise(SIGKILL);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(fm.recordCount(), 1);

    // Abandoned in-process, likewise; a completed batch keeps everything.
    fm.beginBatch();
    fm.buffer().clear();
    ASSERT_EQ(fm.insert(), Status::Ok);
    fm.abandonBatch();
    EXPECT_EQ(fm.recordCount(), 1);
    fm.beginBatch();
    for (int i = 0; i < 3; ++i) {
        fm.buffer().clear();
        ASSERT_EQ(fm.insert(), Status::Ok);
    }
    ASSERT_TRUE(fm.endBatch());
    EXPECT_EQ(fm.recordCount(), 4);
}

TEST_F(FileManagerTest, UpdateRefusesToOverwriteAChangeByAnotherProgram)
{
    ASSERT_EQ(addStudent(1, QStringLiteral("Original")), Status::Ok);
    FileManager& mine = dict.kvaluap.access;

    test::RecordedErrors otherErrors;
    Dictionary other(otherErrors.errors, folder.path());
    other.kvaluap.buffer.setInteger(KVA::LEGAJO, 1);
    ASSERT_EQ(other.kvaluap.access.fetch(KVA::CLAVE_PRINCIPAL), Status::Ok);
    other.kvaluap.buffer.setText(KVA::SEXO, QStringLiteral("F"));
    ASSERT_EQ(other.kvaluap.access.update(), Status::Ok);

    mine.buffer().setText(KVA::APELLIDO_NOMBRE, QStringLiteral("Mine"));
    const Record typed = mine.buffer();
    rec.presenter.clear();
    EXPECT_EQ(mine.update(), Status::Changed);
    EXPECT_EQ(mine.buffer(), typed);
    ASSERT_EQ(rec.presenter.messages.size(), 1u);
    EXPECT_EQ(rec.presenter.messages[0].title, QStringLiteral("Record Retrieval Error"));
    EXPECT_TRUE(rec.presenter.messages[0].text.startsWith(
        QStringLiteral("This record was changed or deleted by another station.\nError: (")));

    // After reading it again, the change goes through and keeps the other's field.
    ASSERT_EQ(mine.reget(mine.position()), Status::Ok);
    mine.buffer().setText(KVA::APELLIDO_NOMBRE, QStringLiteral("Mine"));
    ASSERT_EQ(mine.update(), Status::Ok);
    ASSERT_EQ(other.kvaluap.access.reget(mine.position()), Status::Ok);
    EXPECT_EQ(other.kvaluap.buffer.text(KVA::SEXO), QStringLiteral("F"));
    EXPECT_EQ(other.kvaluap.buffer.text(KVA::APELLIDO_NOMBRE), QStringLiteral("Mine"));

    // Deleted meanwhile: refused too.
    ASSERT_EQ(other.kvaluap.access.deleteRecord(), Status::Ok);
    EXPECT_EQ(mine.tryUpdate(), Status::Changed);
}

TEST_F(FileManagerTest, UpdateKeepsEveryFieldTheProgramDoesNotChange)
{
    Record& l = dict.kvlibreta.buffer;
    l.setInteger(KVL::COD_MATERIA, 4);
    l.setText(KVL::OBSERVACION15, QStringLiteral("ñandú €"));
    l.setDecimal(KVL::EXTRA20, -123456);
    l.setDate(KVL::FECHA12, {29, 2, 2024});
    l.setText(KVL::FINAL1, QStringLiteral("mb"));
    ASSERT_EQ(dict.kvlibreta.access.insert(), Status::Ok);
    const std::int64_t pos = dict.kvlibreta.access.position();
    const Record before = l;

    l.clear();
    ASSERT_EQ(dict.kvlibreta.access.reget(pos), Status::Ok);
    l.setText(KVL::FINAL1, QStringLiteral("B"));
    ASSERT_EQ(dict.kvlibreta.access.update(), Status::Ok);
    l.clear();
    ASSERT_EQ(dict.kvlibreta.access.reget(pos), Status::Ok);
    Record expected = before;
    expected.setText(KVL::FINAL1, QStringLiteral("B"));
    EXPECT_EQ(l.bytes(), expected.bytes());
}

TEST_F(FileManagerTest, RecordPositionsSurviveCompaction)
{
    for (int i = 1; i <= 200; ++i) {
        ASSERT_EQ(addStudent(i, QStringLiteral("Alumno %1").arg(i)), Status::Ok);
    }
    const std::int64_t last = dict.kvaluap.access.position();
    dict.kvaluap.access.setRecordOrder();
    int n = 0;
    while (dict.kvaluap.access.nextInRecordOrder() == Status::Ok) {
        if (++n <= 150) {
            ASSERT_EQ(dict.kvaluap.access.deleteRecord(), Status::Ok);
        }
    }
    ASSERT_TRUE(dict.kvaluap.access.compact());
    ASSERT_EQ(dict.kvaluap.access.reget(last), Status::Ok);
    EXPECT_EQ(dict.kvaluap.buffer.integer(KVA::LEGAJO), 200);
    EXPECT_EQ(dict.kvaluap.access.recordCount(), 50);
}

} // namespace
} // namespace kv

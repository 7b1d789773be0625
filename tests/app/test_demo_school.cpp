#include "app/admin/demo_data.h"
#include "app/admin/demo_school.h"
#include "data/dictionary.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace kv;

namespace {

const QStringList kDataFiles
    = {"KVLIBRETA.TPS", "KVAPRENDE.TPS", "KVMaterias.TPS", "KVAluAP.TPS", "KVSEGUIR.TPS"};

// Calls `visit` with every record of the file, in record order.
void eachRecord(DataFile& file, const std::function<void(const Record&)>& visit)
{
    file.access.setRecordOrder();
    Status s = file.access.nextInRecordOrder();
    for (; s == Status::Ok; s = file.access.nextInRecordOrder()) {
        visit(file.buffer);
    }
    EXPECT_EQ(s, Status::NoRecord);
}

std::map<QString, QByteArray> fileContents(const test::TempFolder& dir)
{
    std::map<QString, QByteArray> contents;
    for (const QString& name : kDataFiles) {
        QFile f(dir.file(name));
        contents[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    return contents;
}

} // namespace

TEST(DemoSchool, BuildsACoherentSchool)
{
    test::TempFolder dir;
    admin::DemoSummary summary;
    QString error;
    ASSERT_TRUE(admin::createDemoSchool(dir.path(), &summary, &error)) << error.toStdString();

    test::RecordedErrors errors;
    Dictionary dict(errors.errors, dir.path());

    // Subjects: teachers by D.N.I., subjects by course.
    struct SubjectInfo {
        std::int32_t course;
        QString name;
    };
    std::map<std::int32_t, SubjectInfo> subjects;
    std::map<std::int32_t, int> subjectsOfTeacher;
    std::map<std::int32_t, int> subjectsOfCourse;
    eachRecord(dict.kvmaterias, [&](const Record& m) {
        EXPECT_TRUE(subjects
                        .emplace(m.integer(KVM::NRO_REGISTRO),
                            SubjectInfo {m.integer(KVM::COD_CURSO), m.text(KVM::MATERIA)})
                        .second);
        EXPECT_GT(m.integer(KVM::NRO_REGISTRO), 0);
        EXPECT_FALSE(m.date(KVM::KVP_FECHANAC).isNull()) << m.text(KVM::PROFESOR).toStdString();
        ++subjectsOfTeacher[m.integer(KVM::DNI_DOCENTE)];
        ++subjectsOfCourse[m.integer(KVM::COD_CURSO)];
    });
    EXPECT_GE(subjectsOfTeacher.size(), 3u);
    EXPECT_FALSE(subjectsOfTeacher.contains(0));
    EXPECT_TRUE(std::ranges::any_of(subjectsOfTeacher, [](const auto& t) { return t.second == 1; }));
    EXPECT_TRUE(std::ranges::any_of(subjectsOfCourse, [](const auto& c) { return c.second >= 2; }));

    // Every login of the summary works as the login window checks it: the first
    // subject with the D.N.I. carries that birth date, and the text shows both.
    ASSERT_EQ(summary.logins.size(), subjectsOfTeacher.size());
    const QString description = admin::describeDemo(summary);
    for (const admin::DemoLogin& login : summary.logins) {
        Record& m = dict.kvmaterias.buffer;
        m.clear();
        m.setInteger(KVM::DNI_DOCENTE, login.dni);
        ASSERT_EQ(dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR), Status::Ok);
        EXPECT_EQ(m.date(KVM::KVP_FECHANAC), login.birthDate);
        EXPECT_EQ(login.subjects, subjectsOfTeacher[login.dni]);
        const QString line = QStringLiteral("D.N.I. %1, fecha de nacimiento %2")
                                 .arg(login.dni)
                                 .arg(login.birthDate.toQDate().toString("dd/MM/yyyy"));
        EXPECT_TRUE(description.contains(line)) << description.toStdString();
    }

    // Students: realistic course sizes, unique numbers, names read back as written.
    std::map<std::int32_t, QString> nameOf;
    std::map<std::int32_t, std::int32_t> courseOf;
    std::map<std::int32_t, int> studentsOfCourse;
    std::set<std::int32_t> dnis;
    QByteArray allNames;
    eachRecord(dict.kvaluap, [&](const Record& a) {
        EXPECT_TRUE(nameOf.emplace(a.integer(KVA::LEGAJO), a.text(KVA::APELLIDO_NOMBRE)).second);
        EXPECT_TRUE(dnis.insert(a.integer(KVA::DNI)).second);
        courseOf[a.integer(KVA::LEGAJO)] = a.integer(KVA::COD_CURSO);
        ++studentsOfCourse[a.integer(KVA::COD_CURSO)];
        allNames += a.rawText(KVA::APELLIDO_NOMBRE);
    });
    EXPECT_FALSE(dnis.contains(0));
    for (const auto& [course, count] : studentsOfCourse) {
        EXPECT_TRUE(count >= 25 && count <= 35) << "course " << course << ": " << count;
        EXPECT_TRUE(subjectsOfCourse.contains(course));
    }
    for (const admin::demo::Student& s : admin::demo::students()) {
        EXPECT_EQ(nameOf[s.legajo], s.name);
    }
    EXPECT_TRUE(std::ranges::any_of(nameOf, [](const auto& n) { return n.second.size() > 30; }))
        << "no name long enough to be cut in the grade book";
    EXPECT_TRUE(allNames.contains("\xD1")); // Ñ in Windows-1252, not UTF-8
    EXPECT_TRUE(allNames.contains("\xC1") || allNames.contains("\xCD") || allNames.contains("\xD3"));

    // Grade book: exactly one row per student and subject of the student's course.
    std::set<std::pair<std::int32_t, std::int32_t>> graded;
    std::set<std::int32_t> gradeNumbers;
    int withFirst = 0, withSecond = 0, withYear = 0, withAbsences = 0;
    eachRecord(dict.kvlibreta, [&](const Record& l) {
        const std::int32_t legajo = l.integer(KVL::NRO_LEGAJO);
        const std::int32_t subject = l.integer(KVL::COD_MATERIA);
        EXPECT_TRUE(graded.emplace(legajo, subject).second);
        EXPECT_TRUE(gradeNumbers.insert(l.integer(KVL::NRO_REGISTRO)).second);
        EXPECT_EQ(courseOf[legajo], subjects[subject].course);
        EXPECT_EQ(l.text(KVL::ALUMNO), nameOf[legajo].left(30).trimmed());
        EXPECT_EQ(l.text(KVL::MATERIAS), subjects[subject].name);
        withFirst += l.isFieldEmpty(KVL::FINAL1) ? 0 : 1;
        withSecond += l.isFieldEmpty(KVL::FINAL2) ? 0 : 1;
        withYear += l.isFieldEmpty(KVL::FINALANUAL) ? 0 : 1;
        withAbsences += l.decimal(KVL::ETAPA30) > 0 ? 1 : 0;
    });
    std::size_t expectedRows = 0;
    for (const auto& [code, subject] : subjects) {
        expectedRows += static_cast<std::size_t>(studentsOfCourse[subject.course]);
    }
    EXPECT_EQ(graded.size(), expectedRows);
    EXPECT_FALSE(gradeNumbers.contains(0));
    EXPECT_TRUE(withFirst > withSecond && withSecond > withYear && withYear > 0);
    EXPECT_GT(withAbsences, 0);

    // Catalogue and tracking rows: each student of the course has one row per
    // entry; a marked row has one "X" and three "-", a PPI row its observation.
    std::map<std::int32_t, int> entriesOfSubject;
    eachRecord(dict.kvaprende, [&](const Record& e) { ++entriesOfSubject[e.integer(KVAP::COD_MATERIA)]; });
    EXPECT_GE(entriesOfSubject.size(), 3u);
    std::map<std::int32_t, int> rowsOfSubject;
    int marked = 0, individualPlans = 0;
    eachRecord(dict.kvseguir, [&](const Record& g) {
        ++rowsOfSubject[g.integer(KVG::COD_MATERIA)];
        QString marks;
        for (int f : {KVG::LOGRADO, KVG::PENDIENTE, KVG::ENPROCESO, KVG::PPI}) {
            marks += g.text(f).isEmpty() ? QStringLiteral(" ") : g.text(f);
        }
        if (marks.trimmed().isEmpty()) {
            return;
        }
        ++marked;
        EXPECT_EQ(marks.count(u'X'), 1) << marks.toStdString();
        EXPECT_EQ(marks.count(u'-'), 3) << marks.toStdString();
        if (g.text(KVG::PPI) == QLatin1String("X")) {
            ++individualPlans;
            EXPECT_FALSE(g.memo(KVG::OBSPPI).isEmpty());
        }
    });
    for (const auto& [subject, entries] : entriesOfSubject) {
        EXPECT_TRUE(entries >= 4 && entries <= 8) << subject;
        EXPECT_EQ(rowsOfSubject[subject], entries * studentsOfCourse[subjects[subject].course]) << subject;
    }
    EXPECT_EQ(rowsOfSubject.size(), entriesOfSubject.size());
    EXPECT_GT(marked, 0);
    EXPECT_GT(individualPlans, 0);

    EXPECT_EQ(summary.trackingRows, dict.kvseguir.access.recordCount());
    EXPECT_EQ(summary.markedRows, marked);
    EXPECT_EQ(summary.gradeRows, static_cast<int>(expectedRows));
    EXPECT_TRUE(errors.presenter.messages.empty());
}

TEST(DemoSchool, RefusesAFolderWithDataAndChangesNothing)
{
    // A second run over a complete demo school.
    test::TempFolder full;
    QString error;
    ASSERT_TRUE(admin::createDemoSchool(full.path(), nullptr, &error)) << error.toStdString();
    const auto before = fileContents(full);
    admin::DemoSummary summary;
    EXPECT_FALSE(admin::createDemoSchool(full.path(), &summary, &error));
    EXPECT_TRUE(error.contains("already holds")) << error.toStdString();
    EXPECT_TRUE(summary.logins.empty());
    EXPECT_EQ(fileContents(full), before);

    // One student in an otherwise empty folder is enough to refuse, and the
    // missing files are not created.
    test::TempFolder one;
    {
        test::RecordedErrors errors;
        Dictionary dict(errors.errors, one.path());
        dict.kvaluap.buffer.setInteger(KVA::LEGAJO, 1);
        ASSERT_EQ(dict.kvaluap.access.insert(), Status::Ok);
    }
    error.clear();
    EXPECT_FALSE(admin::createDemoSchool(one.path(), nullptr, &error));
    EXPECT_TRUE(error.contains("KVAluAP.TPS")) << error.toStdString();
    EXPECT_EQ(QDir(one.path()).entryList(QDir::Files), QStringList {"KVAluAP.TPS"});
}

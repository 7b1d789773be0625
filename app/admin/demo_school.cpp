#include "app/admin/demo_school.h"

#include "app/admin/admin_context.h"
#include "app/admin/demo_data.h"
#include "catalogue/content_sync.h"
#include "data/dictionary.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <map>
#include <optional>
#include <set>

namespace kv::admin {
namespace {

// Ends the run; the text says what went wrong.
struct DemoFailure {
    QString reason;
};

// Keeps the file layer's messages off the screen: the last one becomes part
// of the failure text. Questions are answered No, so nothing is retried.
class QuietPresenter : public MessagePresenter {
public:
    Answer present(const Message& message) override
    {
        last = message.title + QStringLiteral(": ") + QString(message.text).replace(u'\n', u' ');
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    QString last;
};

QString fieldLabel(const Record& record, int field)
{
    return labelText(record.def().fields[field].label);
}

[[noreturn]] void failOn(FileManager& file, const QString& what)
{
    throw DemoFailure {QStringLiteral("%1: %2: %3").arg(file.name(), what, file.lastErrorText())};
}

void setText(Record& record, int field, QStringView value)
{
    if (!record.setText(field, value)) {
        throw DemoFailure {
            QStringLiteral("\"%1\" cannot be stored in %2").arg(value.toString(), fieldLabel(record, field))};
    }
}

void setDecimal(Record& record, int field, std::int64_t hundredths)
{
    if (!record.setDecimal(field, hundredths)) {
        throw DemoFailure {QStringLiteral("%1 does not fit %2")
                               .arg(codec::formatHundredths(hundredths), fieldLabel(record, field))};
    }
}

void setMemo(Record& record, int memo, QStringView value)
{
    if (!record.setMemo(memo, value)) {
        throw DemoFailure {QStringLiteral("\"%1\" cannot be stored in %2")
                               .arg(value.toString(), labelText(record.def().memos[memo].label))};
    }
}

void insert(FileManager& file)
{
    if (file.tryInsert() != Status::Ok) {
        failOn(file, QStringLiteral("cannot add a record"));
    }
}

// The reason to refuse the folder, or nothing when every data file in it is
// missing or empty. Missing files are not created.
std::optional<QString> occupied(Dictionary& dict)
{
    for (DataFile* f : dict.all()) {
        FileManager& file = f->access;
        if (!QFileInfo::exists(file.path())) {
            continue;
        }
        if (!file.open()) {
            return QStringLiteral("cannot open %1: %2").arg(file.name(), file.lastErrorText());
        }
        if (const std::int64_t n = file.recordCount(); n > 0) {
            return QStringLiteral("%1 already holds %2 %3; the demo school is only created where there "
                                  "are no data yet")
                .arg(file.name())
                .arg(n)
                .arg(n == 1 ? QStringLiteral("record") : QStringLiteral("records"));
        }
    }
    return std::nullopt;
}

// The five files, each in one batch. Unless committed, everything is undone
// on destruction: batches abandoned, files that did not exist removed again,
// and files committed before a later one failed emptied again (they were
// empty before).
class SchoolBatch {
public:
    explicit SchoolBatch(Dictionary& dict)
    {
        const auto files = dict.all();
        for (std::size_t i = 0; i < files.size(); ++i) {
            entries_[i].file = &files[i]->access;
            entries_[i].existed = QFileInfo::exists(files[i]->access.path());
        }
    }
    ~SchoolBatch()
    {
        if (!committed_) {
            undo();
        }
    }
    SchoolBatch(const SchoolBatch&) = delete;
    SchoolBatch& operator=(const SchoolBatch&) = delete;

    void begin()
    {
        for (Entry& e : entries_) {
            if (!e.file->beginBatch()) {
                failOn(*e.file, QStringLiteral("cannot start writing"));
            }
        }
    }
    void commit()
    {
        for (Entry& e : entries_) {
            if (!e.file->endBatch()) {
                failOn(*e.file, QStringLiteral("cannot write"));
            }
            e.committed = true;
        }
        committed_ = true;
    }

private:
    struct Entry {
        FileManager* file = nullptr;
        bool existed = false;
        bool committed = false;
    };

    void undo()
    {
        for (Entry& e : entries_) {
            if (!e.committed) {
                e.file->abandonBatch();
            } else if (e.existed) {
                e.file->setRecordOrder();
                while (e.file->nextInRecordOrder() == Status::Ok) {
                    e.file->tryDelete();
                }
            }
            if (!e.existed) {
                e.file->close();
                QFile::remove(e.file->path());
            }
        }
    }

    std::array<Entry, 5> entries_ {};
    bool committed_ = false;
};

// Writes the school into the dictionary's files, one file after the other.
class SchoolWriter {
public:
    explicit SchoolWriter(Dictionary& dict)
        : dict_(dict)
        , roll_(demo::students())
    {
        for (const demo::Student& s : roll_) {
            byLegajo_.emplace(s.legajo, &s);
        }
    }
    SchoolWriter(const SchoolWriter&) = delete;
    SchoolWriter& operator=(const SchoolWriter&) = delete;

    void writeSubjects();
    void writeStudents();
    void writeGradeBook();
    void writeCatalogue();
    void synchroniseTracking();
    void markTracking();
    DemoSummary summary();

private:
    const demo::Subject& subject(std::int32_t code) const;

    Dictionary& dict_;
    const std::vector<demo::Student> roll_;
    std::map<std::int32_t, const demo::Student*> byLegajo_;
    std::map<std::int32_t, Record> subjectRecords_; // by KVM:NRO_REGISTRO
    std::map<std::int16_t, int> contentIndex_; // KVAP:NRO_ORDEN -> place in its subject's list
    int marked_ = 0;
};

const demo::Subject& SchoolWriter::subject(std::int32_t code) const
{
    for (const demo::Subject& s : demo::subjects()) {
        if (s.code == code) {
            return s;
        }
    }
    throw DemoFailure {QStringLiteral("no subject %1").arg(code)};
}

void SchoolWriter::writeSubjects()
{
    Record& r = dict_.kvmaterias.buffer;
    for (const demo::Subject& s : demo::subjects()) {
        const demo::Teacher& teacher = demo::teachers()[s.teacher];
        const demo::Course& course = demo::courses()[s.course];
        r.clear();
        r.setInteger(KVM::NRO_REGISTRO, s.code);
        r.setInteger(KVM::NRO_ORDEN, s.order);
        setText(r, KVM::MATERIA, s.name);
        r.setInteger(KVM::COD_PROFESOR, teacher.code);
        setText(r, KVM::PROFESOR, teacher.name);
        r.setInteger(KVM::COD_CURSO, course.code);
        setDecimal(r, KVM::HORAS, s.hours);
        r.setInteger(KVM::PROMEDIAEN, s.code);
        setText(r, KVM::CICLO, course.cycle);
        r.setInteger(KVM::CURSO, course.grade);
        setText(r, KVM::DIVISION, course.division);
        setText(r, KVM::ESPECIALIDAD, u"Educación Primaria");
        setText(r, KVM::TURNO, course.shift);
        r.setInteger(KVM::DNI_DOCENTE, teacher.dni);
        r.setDate(KVM::KVP_FECHANAC, teacher.birthDate);
        insert(dict_.kvmaterias.access);
        subjectRecords_.insert_or_assign(s.code, r);
    }
}

void SchoolWriter::writeStudents()
{
    Record& r = dict_.kvaluap.buffer;
    for (const demo::Student& s : roll_) {
        r.clear();
        r.setInteger(KVA::LEGAJO, s.legajo);
        setText(r, KVA::APELLIDO_NOMBRE, s.name);
        r.setInteger(KVA::DNI, s.dni);
        setText(r, KVA::SEXO, demo::sexText(s.female));
        setText(r, KVA::E_MAIL, s.email);
        r.setInteger(KVA::COD_CURSO, demo::courses()[s.course].code);
        insert(dict_.kvaluap.access);
    }
}

void SchoolWriter::writeGradeBook()
{
    Record& r = dict_.kvlibreta.buffer;
    std::int32_t number = 0;
    for (const demo::Subject& s : demo::subjects()) {
        for (const demo::Student& student : roll_) {
            if (student.course != s.course) {
                continue;
            }
            r.clear();
            r.setInteger(KVL::NRO_REGISTRO, ++number);
            r.setInteger(KVL::NRO_LEGAJO, student.legajo);
            r.setInteger(KVL::NRO_ORDEN, s.order);
            setText(r, KVL::SEXO, demo::sexText(student.female));
            r.setTextCut(KVL::ALUMNO, student.name); // the grade book keeps a shorter name
            r.setInteger(KVL::COD_MATERIA, s.code);
            setText(r, KVL::MATERIAS, s.name);
            r.setInteger(KVL::COD_CURSO, demo::courses()[s.course].code);
            r.setInteger(KVL::PROMEDIAEN, s.code);

            const demo::GradeMarks marks = demo::gradeMarks(student.legajo, s.code);
            setText(r, KVL::FINAL1, marks.firstStage);
            setText(r, KVL::FINAL2, marks.secondStage);
            setText(r, KVL::FINALANUAL, marks.year);
            setDecimal(r, KVL::ETAPA28, marks.justifiedAbsences);
            setDecimal(r, KVL::ETAPA29, marks.unjustifiedAbsences);
            setDecimal(r, KVL::ETAPA30, marks.justifiedAbsences + marks.unjustifiedAbsences);
            insert(dict_.kvlibreta.access);
        }
    }
}

void SchoolWriter::writeCatalogue()
{
    FileManager& file = dict_.kvaprende.access;
    Record& r = dict_.kvaprende.buffer;
    std::map<std::int32_t, int> perSubject;
    for (const demo::Content& c : demo::contents()) {
        const demo::Subject& s = subject(c.subject);
        const demo::Teacher& teacher = demo::teachers()[s.teacher];
        // Numbered as the content form numbers a new entry: one more than the file holds.
        const auto order = static_cast<std::int16_t>(file.recordCount() + 1);
        r.clear();
        r.setInteger(KVAP::COD_MATERIA, s.code);
        r.setInteger(KVAP::COD_CURSO, demo::courses()[s.course].code);
        r.setInteger(KVAP::COD_DOCENTE, teacher.code);
        r.setInteger(KVAP::NRO_ORDEN, order);
        setText(r, KVAP::MATERIAS, s.name);
        setText(r, KVAP::DOCENTE, teacher.name);
        setText(r, KVAP::CONTENIDO_PRIORIZADO, c.content);
        setMemo(r, KVAP::APRENDIZAJE_TRABAJO, c.learning);
        insert(file);
        contentIndex_[order] = perSubject[s.code]++;
    }
}

void SchoolWriter::synchroniseTracking()
{
    std::set<std::int32_t> done;
    for (const demo::Content& c : demo::contents()) {
        if (!done.insert(c.subject).second) {
            continue;
        }
        const SyncResult result = synchroniseContents(dict_, subjectRecords_.at(c.subject));
        if (!result.ok) {
            throw DemoFailure {QStringLiteral("the tracking rows of subject %1 could not be made: %2")
                                   .arg(c.subject)
                                   .arg(result.error)};
        }
    }
}

void SchoolWriter::markTracking()
{
    FileManager& file = dict_.kvseguir.access;
    Record& row = dict_.kvseguir.buffer;
    file.setRecordOrder();
    Status read = file.nextInRecordOrder();
    for (; read == Status::Ok; read = file.nextInRecordOrder()) {
        const auto student = byLegajo_.find(row.integer(KVG::NRO_LEGAJO));
        const auto order = static_cast<std::int16_t>(row.integer(KVG::NRO_ORDEN));
        const auto content = contentIndex_.find(order);
        if (student == byLegajo_.end() || content == contentIndex_.end()) {
            continue;
        }
        const demo::Progress p = demo::progress(*student->second, order, content->second);
        if (p == demo::Progress::NotAssessed) {
            continue;
        }
        const auto mark
            = [&](int field, demo::Progress meaning) { setText(row, field, p == meaning ? u"X" : u"-"); };
        mark(KVG::LOGRADO, demo::Progress::Achieved);
        mark(KVG::PENDIENTE, demo::Progress::Pending);
        mark(KVG::ENPROCESO, demo::Progress::InProgress);
        mark(KVG::PPI, demo::Progress::IndividualPlan);
        if (p == demo::Progress::IndividualPlan) {
            setMemo(row, KVG::OBSPPI, demo::individualPlanNote());
        }
        if (file.tryUpdate() != Status::Ok) {
            failOn(file, QStringLiteral("cannot mark a tracking row"));
        }
        ++marked_;
    }
    if (read != Status::NoRecord) {
        failOn(file, QStringLiteral("cannot read the tracking rows"));
    }
}

DemoSummary SchoolWriter::summary()
{
    DemoSummary s;
    s.subjects = static_cast<int>(dict_.kvmaterias.access.recordCount());
    s.students = static_cast<int>(dict_.kvaluap.access.recordCount());
    s.gradeRows = static_cast<int>(dict_.kvlibreta.access.recordCount());
    s.contents = static_cast<int>(dict_.kvaprende.access.recordCount());
    s.trackingRows = static_cast<int>(dict_.kvseguir.access.recordCount());
    s.markedRows = marked_;
    s.courses = static_cast<int>(demo::courses().size());
    for (std::size_t t = 0; t < demo::teachers().size(); ++t) {
        const demo::Teacher& teacher = demo::teachers()[t];
        DemoLogin login {teacher.dni, teacher.birthDate, teacher.name.toString(), 0};
        for (const demo::Subject& subject : demo::subjects()) {
            login.subjects += subject.teacher == static_cast<int>(t) ? 1 : 0;
        }
        s.logins.push_back(login);
    }
    return s;
}

QString dayMonthYear(const Date& d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(d.day, 2, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.year, 4, 10, QLatin1Char('0'));
}

} // namespace

bool createDemoSchool(const QString& dir, DemoSummary* summary, QString* error)
{
    const auto failWith = [error](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    if (!QFileInfo(dir).isDir()) {
        return failWith(QStringLiteral("no such folder: %1").arg(dir));
    }
    QuietPresenter presenter;
    ErrorService errors;
    errors.setPresenter(&presenter);
    errors.setFatalHandler([] {});
    Dictionary dict(errors, dir);
    if (const auto reason = occupied(dict)) {
        return failWith(*reason);
    }

    SchoolBatch batch(dict);
    try {
        batch.begin();
        SchoolWriter writer(dict);
        writer.writeSubjects();
        writer.writeStudents();
        writer.writeGradeBook();
        writer.writeCatalogue();
        writer.synchroniseTracking();
        writer.markTracking();
        const DemoSummary done = writer.summary();
        batch.commit();
        if (summary) {
            *summary = done;
        }
        return true;
    } catch (const DemoFailure& failure) {
        QString reason = failure.reason;
        if (!presenter.last.isEmpty() && !reason.contains(presenter.last)) {
            reason += QStringLiteral(" (%1)").arg(presenter.last);
        }
        return failWith(QStringLiteral("the demo school was not created: %1").arg(reason));
    }
}

QString describeDemo(const DemoSummary& summary)
{
    QString text = QStringLiteral("Demo school created:\n"
                                  "  KVMATERIAS  %1 subjects in %2 courses\n"
                                  "  KVALUAP     %3 students\n"
                                  "  KVLIBRETA   %4 grade-book rows\n"
                                  "  KVAPRENDE   %5 catalogue contents\n"
                                  "  KVSEGUIR    %6 tracking rows, %7 of them marked\n"
                                  "Teachers' logins (D.N.I. and date of birth):\n")
                       .arg(summary.subjects)
                       .arg(summary.courses)
                       .arg(summary.students)
                       .arg(summary.gradeRows)
                       .arg(summary.contents)
                       .arg(summary.trackingRows)
                       .arg(summary.markedRows);
    for (const DemoLogin& login : summary.logins) {
        text += QStringLiteral("  D.N.I. %1, fecha de nacimiento %2 (%3: %4 %5)\n")
                    .arg(login.dni)
                    .arg(dayMonthYear(login.birthDate), login.teacher)
                    .arg(login.subjects)
                    .arg(login.subjects == 1 ? QStringLiteral("materia") : QStringLiteral("materias"));
    }
    return text;
}

} // namespace kv::admin

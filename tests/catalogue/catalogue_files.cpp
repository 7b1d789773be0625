#include "tests/catalogue/catalogue_files.h"

#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/key_reader.h"

#include <QDir>
#include <QFile>

namespace kv::test {

CatalogueFiles::CatalogueFiles(const QString& dir)
    : dict(recorded.errors, dir)
{
}

void CatalogueFiles::subject(std::int32_t code, std::int32_t course, const QString& name)
{
    Record& m = dict.kvmaterias.buffer;
    m.clear();
    m.setInteger(KVM::NRO_REGISTRO, code);
    m.setInteger(KVM::COD_CURSO, course);
    m.setInteger(KVM::COD_PROFESOR, 77);
    EXPECT_TRUE(m.setText(KVM::MATERIA, name));
    EXPECT_TRUE(m.setText(KVM::PROFESOR, QStringLiteral("PÉREZ, ANA")));
    ASSERT_EQ(dict.kvmaterias.access.insert(), Status::Ok);
}

void CatalogueFiles::student(std::int32_t legajo, const QString& name, std::int32_t course)
{
    Record& a = dict.kvaluap.buffer;
    a.clear();
    a.setInteger(KVA::LEGAJO, legajo);
    EXPECT_TRUE(a.setText(KVA::APELLIDO_NOMBRE, name));
    a.setInteger(KVA::COD_CURSO, course);
    ASSERT_EQ(dict.kvaluap.access.insert(), Status::Ok);
}

void CatalogueFiles::entry(const NewEntry& wanted)
{
    const Record m = subjectRecord(wanted.subject);
    Record& e = dict.kvaprende.buffer;
    e.clear();
    e.setInteger(KVAP::NRO_REGISTRO, wanted.nroRegistro);
    e.setInteger(KVAP::COD_MATERIA, wanted.subject);
    e.setInteger(KVAP::COD_CURSO, m.integer(KVM::COD_CURSO));
    e.setInteger(KVAP::COD_DOCENTE, m.integer(KVM::COD_PROFESOR));
    e.setInteger(KVAP::NRO_ORDEN, wanted.order);
    e.setRawText(KVAP::MATERIAS, m.rawText(KVM::MATERIA));
    e.setRawText(KVAP::DOCENTE, m.rawText(KVM::PROFESOR));
    EXPECT_TRUE(e.setText(KVAP::CONTENIDO_PRIORIZADO, wanted.content));
    EXPECT_TRUE(e.setMemo(KVAP::APRENDIZAJE_TRABAJO, wanted.learning));
    ASSERT_EQ(dict.kvaprende.access.insert(), Status::Ok);
}

void CatalogueFiles::row(
    std::int32_t legajo, std::int32_t subject, const QString& content, const QString& learning)
{
    Record& g = dict.kvseguir.buffer;
    g.clear();
    g.setInteger(KVG::NRO_LEGAJO, legajo);
    g.setInteger(KVG::COD_MATERIA, subject);
    EXPECT_TRUE(g.setText(KVG::CONTENIDO_PRIORIZADO, content));
    EXPECT_TRUE(g.setMemo(KVG::APRENDIZAJE_TRABAJO, learning));
    EXPECT_TRUE(g.setText(KVG::LOGRADO, QStringLiteral("X")));
    ASSERT_EQ(dict.kvseguir.access.insert(), Status::Ok);
}

namespace {

// Makes the first entry of the subject with that content the current record.
bool findEntry(Dictionary& dict, std::int32_t subject, const QString& content)
{
    FileManager& aprende = dict.kvaprende.access;
    aprende.setRecordOrder();
    while (aprende.nextInRecordOrder() == Status::Ok) {
        const Record& e = dict.kvaprende.buffer;
        if (e.integer(KVAP::COD_MATERIA) == subject && e.text(KVAP::CONTENIDO_PRIORIZADO) == content) {
            return true;
        }
    }
    return false;
}

} // namespace

void CatalogueFiles::changeEntryContent(std::int32_t subject, const QString& from, const QString& to)
{
    ASSERT_TRUE(findEntry(dict, subject, from));
    EXPECT_TRUE(dict.kvaprende.buffer.setText(KVAP::CONTENIDO_PRIORIZADO, to));
    ASSERT_EQ(dict.kvaprende.access.update(), Status::Ok);
}

void CatalogueFiles::deleteEntry(std::int32_t subject, const QString& content)
{
    ASSERT_TRUE(findEntry(dict, subject, content));
    ASSERT_EQ(dict.kvaprende.access.deleteRecord(), Status::Ok);
}

Record CatalogueFiles::subjectRecord(std::int32_t code)
{
    Record found(kvmateriasFile());
    RecordOrderReader(dict.kvmaterias.access).forEach([&](std::int64_t, const Record& m) {
        if (m.integer(KVM::NRO_REGISTRO) != code) {
            return true;
        }
        found = m;
        return false;
    });
    EXPECT_EQ(found.integer(KVM::NRO_REGISTRO), code);
    return found;
}

SyncResult CatalogueFiles::sync(std::int32_t code)
{
    return synchroniseContents(dict, subjectRecord(code));
}

std::vector<std::string> dump(FileManager& file)
{
    std::vector<std::string> rows;
    const FileDef& def = file.def();
    RecordOrderReader(file).forEach([&](std::int64_t position, const Record& r) {
        QString line = QString::number(position);
        for (int f = 0; f < static_cast<int>(def.fields.size()); ++f) {
            line += QLatin1Char('|');
            switch (def.fields[f].type) {
            case FieldType::Long:
            case FieldType::Short:
                line += QString::number(r.integer(f));
                break;
            case FieldType::Text:
                line += QLatin1Char('"') + r.text(f) + QLatin1Char('"');
                break;
            case FieldType::Date:
                line += QString::number(r.date(f).dayNumber());
                break;
            case FieldType::Decimal:
                line += QString::number(r.decimal(f));
                break;
            }
        }
        for (int m = 0; m < static_cast<int>(def.memos.size()); ++m) {
            line += QStringLiteral("|\"") + r.memo(m) + QLatin1Char('"');
        }
        rows.push_back(line.toStdString());
        return true;
    });
    return rows;
}

std::vector<std::string> dumpAll(Dictionary& dict)
{
    std::vector<std::string> all;
    for (DataFile* f : dict.all()) {
        all.push_back("== " + f->access.name().toStdString());
        const std::vector<std::string> rows = dump(f->access);
        all.insert(all.end(), rows.begin(), rows.end());
    }
    return all;
}

void copyDataFiles(const QString& from, const QString& to)
{
    for (const QString& name : QDir(from).entryList({QStringLiteral("*.TPS")}, QDir::Files)) {
        ASSERT_TRUE(QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name)));
    }
}

} // namespace kv::test

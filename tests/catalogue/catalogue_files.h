#pragma once

// A data folder for the catalogue tests, filled through a dictionary of its
// own: subjects, students, catalogue entries and tracking rows, and readable
// dumps of the files to compare whole.

#include "catalogue/content_sync.h"
#include "tests/support/test_support.h"

#include <QString>
#include <string>
#include <vector>

namespace kv::test {

struct NewEntry {
    std::int32_t subject;
    QString content;
    QString learning;
    std::int16_t order = 1;
    std::int32_t nroRegistro = 0;
};

class CatalogueFiles {
public:
    explicit CatalogueFiles(const QString& dir);

    RecordedErrors recorded;
    Dictionary dict;

    // A subject of the course `course`; its teacher is PÉREZ, ANA (77).
    void subject(std::int32_t code, std::int32_t course, const QString& name = QStringLiteral("Matemática"));
    void student(std::int32_t legajo, const QString& name, std::int32_t course);
    // The entry copies its subject's course, teacher and names.
    void entry(const NewEntry& wanted);
    // A tracking row added directly, as another program might.
    void row(std::int32_t legajo, std::int32_t subject, const QString& content, const QString& learning);

    // First catalogue entry of the subject with that content, in record order.
    void changeEntryContent(std::int32_t subject, const QString& from, const QString& to);
    void deleteEntry(std::int32_t subject, const QString& content);

    // The KVMATERIAS record with that number (found in record order, so
    // that a subject numbered 0 is found too).
    Record subjectRecord(std::int32_t code);
    SyncResult sync(std::int32_t code);
};

// Every record of a file in record order, with its position, fields and memos.
std::vector<std::string> dump(FileManager& file);
std::vector<std::string> dumpAll(Dictionary& dict);

// Copies the data files of one folder into another.
void copyDataFiles(const QString& from, const QString& to);

} // namespace kv::test

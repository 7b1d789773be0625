#include "catalogue/content_sync.h"

#include "catalogue/sync_batch.h"
#include "catalogue/tracking_links.h"
#include "catalogue/tracking_scan.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/key_reader.h"

#include <unordered_set>
#include <vector>

namespace kv {
namespace {

struct Student {
    std::int32_t legajo;
    QByteArray name;
};

// The catalogue as the synchronisation needs it: the links of all entries of
// all subjects, and the entries of the subject being synchronised, in record
// order, with the numbers of their links.
struct Catalogue {
    CatalogueLinks links;
    std::vector<std::pair<Record, int>> entries;
};

Status readCatalogue(FileManager& aprende, std::int32_t subjectCode, Catalogue& out)
{
    return RecordOrderReader(aprende).forEach([&](std::int64_t, const Record& e) {
        const int link = out.links.add(e);
        if (e.integer(KVAP::COD_MATERIA) == subjectCode) {
            out.entries.emplace_back(e, link);
        }
        return true;
    });
}

// A tracking row's identity within its subject.
std::uint64_t studentLink(std::int32_t student, int link)
{
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(student)) << 32
        | static_cast<std::uint32_t>(link);
}

// The course's students in name order, capitals and small letters alike, equal
// names in the order they were added. Students without a name are not in
// that order at all.
Status readStudents(FileManager& alumnos, std::int32_t course, std::vector<Student>& out)
{
    KeyReader byCourse(alumnos, KVA::CLAVE_TIPO_CURSO_DIVISION);
    Record probe(alumnos.def());
    probe.setInteger(KVA::COD_CURSO, course);
    byCourse.setPrefixRange(probe, 1);
    return byCourse.forEach([&](const KeyAnchor&, const Record& a) {
        if (!a.isFieldEmpty(KVA::APELLIDO_NOMBRE)) {
            out.push_back({a.integer(KVA::LEGAJO), a.rawText(KVA::APELLIDO_NOMBRE)});
        }
        return true;
    });
}

// A new tracking row for a catalogue entry and a student; its number is
// given by the insert.
void fillNewRow(Record& g, const Record& entry, const Student& student)
{
    g.clear();
    g.setInteger(KVG::NRO_LEGAJO, student.legajo);
    g.setInteger(KVG::COD_MATERIA, entry.integer(KVAP::COD_MATERIA));
    g.setInteger(KVG::NRO_ORDEN, entry.integer(KVAP::NRO_ORDEN));
    g.setRawText(KVG::ALUMNO, student.name);
    g.setRawText(KVG::MATERIAS, entry.rawText(KVAP::MATERIAS));
    g.setRawText(KVG::CONTENIDO_PRIORIZADO, entry.rawText(KVAP::CONTENIDO_PRIORIZADO));
    g.setRawMemo(KVG::APRENDIZAJE_TRABAJO, entry.rawMemo(KVAP::APRENDIZAJE_TRABAJO));
    g.setInteger(KVG::COD_CURSO, entry.integer(KVAP::COD_CURSO));
    g.setRawText(KVG::INGRESO, QByteArray::number(entry.integer(KVAP::NRO_REGISTRO)));
    g.setRawText(KVG::OPERADOR, entry.rawText(KVAP::DOCENTE).left(20));
    g.setRawText(KVG::DOCENTE, entry.rawText(KVAP::DOCENTE));
    g.setInteger(KVG::COD_DOCENTE, entry.integer(KVAP::COD_DOCENTE));
}

// Nothing of a failed run is kept, so it reports no counts.
SyncResult failure(const FileManager& f)
{
    SyncResult result;
    result.ok = false;
    result.error = f.name() + QStringLiteral(": ") + f.lastErrorText();
    return result;
}

} // namespace

SyncResult synchroniseContents(Dictionary& dict, const Record& subject)
{
    const SyncBuffers buffers(dict);
    SyncBatch batch(dict);
    if (FileManager* refused = batch.refused()) {
        return failure(*refused);
    }
    FileManager& seguir = dict.kvseguir.access;
    const std::int32_t subjectCode = subject.integer(KVM::NRO_REGISTRO);

    Catalogue catalogue;
    if (readCatalogue(dict.kvaprende.access, subjectCode, catalogue) != Status::Ok) {
        return failure(dict.kvaprende.access);
    }
    std::vector<Student> students;
    if (!catalogue.entries.empty()
        && readStudents(dict.kvaluap.access, subject.integer(KVM::COD_CURSO), students) != Status::Ok) {
        return failure(dict.kvaluap.access);
    }

    // One pass over the tracking rows serves both phases: the subject's rows
    // that an entry already has, and the rows of any subject whose entry is
    // gone. A row of the second kind matches no entry, so it never stands in
    // the way of a new row, and no new row is ever of the second kind.
    std::unordered_set<std::uint64_t> existing;
    std::vector<std::int64_t> orphans;
    const bool creating = !students.empty();
    if (forEachTrackingLink(seguir,
            [&](const StoredTrackingLink& row) {
                const int link = catalogue.links.find(row.subject, row.content, row.learning);
                if (link < 0) {
                    orphans.push_back(row.position);
                } else if (creating && row.subject == subjectCode) {
                    existing.insert(studentLink(row.student, link));
                }
                return true;
            })
        != Status::Ok) {
        return failure(seguir);
    }

    // Creation: catalogue entries in record order, within each the students
    // by name, so that new rows are numbered in that order. Two entries with
    // the same texts give one row.
    SyncResult result;
    Record& row = dict.kvseguir.buffer;
    for (const auto& [entry, link] : catalogue.entries) {
        for (const Student& student : students) {
            if (!existing.insert(studentLink(student.legajo, link)).second) {
                continue;
            }
            fillNewRow(row, entry, student);
            if (seguir.insert() != Status::Ok) {
                return failure(seguir);
            }
            ++result.created;
        }
    }

    // Removal, for every subject.
    for (const std::int64_t position : orphans) {
        const Status s = seguir.deleteAt(position);
        if (s == Status::Error) {
            return failure(seguir);
        }
        result.deleted += s == Status::Ok ? 1 : 0;
    }

    seguir.compact();
    if (FileManager* failed = batch.finish()) {
        return failure(*failed);
    }
    return result;
}

} // namespace kv

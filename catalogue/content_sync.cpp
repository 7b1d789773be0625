#include "catalogue/content_sync.h"

#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "data/key_reader.h"

#include <set>
#include <tuple>
#include <vector>

namespace kv {
namespace {

// Texts compare as if padded with spaces: equal once trailing spaces are gone.
QByteArray trimmed(QByteArray bytes)
{
    while (bytes.endsWith(' ')) {
        bytes.chop(1);
    }
    return bytes;
}

// What ties a tracking row to its catalogue entry.
struct Link {
    std::int32_t subject;
    QByteArray content; // prioritised content, trailing spaces removed
    QByteArray learning; // learning memo, trailing spaces removed
    bool operator<(const Link& o) const
    {
        return std::tie(subject, content, learning) < std::tie(o.subject, o.content, o.learning);
    }
};

Link entryLink(const Record& e)
{
    return {e.integer(KVAP::COD_MATERIA), trimmed(e.rawText(KVAP::CONTENIDO_PRIORIZADO)),
        trimmed(e.rawMemo(KVAP::APRENDIZAJE_TRABAJO))};
}

Link rowLink(const Record& g)
{
    return {g.integer(KVG::COD_MATERIA), trimmed(g.rawText(KVG::CONTENIDO_PRIORIZADO)),
        trimmed(g.rawMemo(KVG::APRENDIZAJE_TRABAJO))};
}

struct Student {
    std::int32_t legajo;
    QByteArray name;
};

// A new tracking row for a catalogue entry and a student.
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

// Restores the buffers a scan used, whatever happens.
class BufferGuard {
public:
    explicit BufferGuard(Dictionary& dict)
        : dict_(dict)
        , aprende_(dict.kvaprende.buffer)
        , alumnos_(dict.kvaluap.buffer)
        , seguir_(dict.kvseguir.buffer)
    {
    }
    ~BufferGuard()
    {
        dict_.kvaprende.buffer = aprende_;
        dict_.kvaluap.buffer = alumnos_;
        dict_.kvseguir.buffer = seguir_;
    }
    BufferGuard(const BufferGuard&) = delete;
    BufferGuard& operator=(const BufferGuard&) = delete;

private:
    Dictionary& dict_;
    Record aprende_, alumnos_, seguir_;
};

// The four files in batch mode for the whole command; abandoned unless finished.
class Batch {
public:
    explicit Batch(Dictionary& dict)
        : files_ {
            &dict.kvaprende.access, &dict.kvaluap.access, &dict.kvseguir.access, &dict.kvmaterias.access}
    {
        for (FileManager* f : files_) {
            if (!f->beginBatch()) {
                ok_ = false;
                return;
            }
            ++begun_;
        }
    }
    ~Batch()
    {
        for (int i = 0; i < begun_; ++i) {
            files_[i]->abandonBatch();
        }
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    bool ok() const { return ok_; }
    bool finish()
    {
        bool ok = true;
        for (int i = 0; i < begun_; ++i) {
            ok = files_[i]->endBatch() && ok;
        }
        begun_ = 0;
        return ok;
    }

private:
    std::array<FileManager*, 4> files_;
    int begun_ = 0;
    bool ok_ = true;
};

} // namespace

SyncResult synchroniseContents(Dictionary& dict, const Record& subject)
{
    SyncResult result;
    BufferGuard guard(dict);
    Batch batch(dict);
    auto fail = [&result](const FileManager& f) {
        result.ok = false;
        result.error = f.name() + QStringLiteral(": ") + f.lastErrorText();
        return result;
    };
    if (!batch.ok()) {
        return fail(dict.kvseguir.access);
    }
    const std::int32_t subjectCode = subject.integer(KVM::NRO_REGISTRO);

    // The whole catalogue, in record order (it is small: a few entries per subject).
    std::vector<Record> entries;
    std::set<Link> catalogue;
    if (RecordOrderReader(dict.kvaprende.access).forEach([&](std::int64_t, const Record& e) {
            catalogue.insert(entryLink(e));
            if (e.integer(KVAP::COD_MATERIA) == subjectCode) {
                entries.push_back(e);
            }
            return true;
        })
        != Status::Ok) {
        return fail(dict.kvaprende.access);
    }

    if (!entries.empty()) {
        // The course's students by name: capitals and small letters alike,
        // equal names in the order they were added. Students without a name
        // are not in the name order at all.
        std::vector<Student> students;
        KeyReader byCourse(dict.kvaluap.access, KVA::CLAVE_TIPO_CURSO_DIVISION);
        Record course(dict.kvaluap.buffer.def());
        course.setInteger(KVA::COD_CURSO, subject.integer(KVM::COD_CURSO));
        byCourse.setPrefixRange(course, 1);
        if (byCourse.forEach([&](const KeyAnchor&, const Record& a) {
                if (!a.isFieldEmpty(KVA::APELLIDO_NOMBRE)) {
                    students.push_back({a.integer(KVA::LEGAJO), a.rawText(KVA::APELLIDO_NOMBRE)});
                }
                return true;
            })
            != Status::Ok) {
            return fail(dict.kvaluap.access);
        }

        // The subject's existing rows, by student and link.
        std::set<std::pair<std::int32_t, Link>> existing;
        KeyReader bySubject(dict.kvseguir.access, KVG::CLAVE_COD_MATERIA);
        Record probe(dict.kvseguir.buffer.def());
        probe.setInteger(KVG::COD_MATERIA, subjectCode);
        bySubject.setPrefixRange(probe, 1);
        if (bySubject.forEach([&](const KeyAnchor&, const Record& g) {
                existing.emplace(g.integer(KVG::NRO_LEGAJO), rowLink(g));
                return true;
            })
            != Status::Ok) {
            return fail(dict.kvseguir.access);
        }

        // Catalogue entries in record order, within each the students by name.
        Record& row = dict.kvseguir.buffer;
        for (const Record& entry : entries) {
            const Link link = entryLink(entry);
            for (const Student& student : students) {
                if (!existing.emplace(student.legajo, link).second) {
                    continue;
                }
                fillNewRow(row, entry, student);
                if (dict.kvseguir.access.insert() != Status::Ok) {
                    return fail(dict.kvseguir.access);
                }
                ++result.created;
            }
        }
    }

    // Removal, for every subject: rows whose catalogue entry is gone.
    std::vector<std::int64_t> orphans;
    if (RecordOrderReader(dict.kvseguir.access).forEach([&](std::int64_t pos, const Record& g) {
            if (!catalogue.count(rowLink(g))) {
                orphans.push_back(pos);
            }
            return true;
        })
        != Status::Ok) {
        return fail(dict.kvseguir.access);
    }
    for (std::int64_t pos : orphans) {
        if (dict.kvseguir.access.deleteAt(pos) == Status::Ok) {
            ++result.deleted;
        }
    }

    dict.kvseguir.access.compact();
    if (!batch.finish()) {
        return fail(dict.kvseguir.access);
    }
    return result;
}

} // namespace kv

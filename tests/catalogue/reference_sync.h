#pragma once

// The content synchronisation done the slow, literal way, to check the real
// one against: every search is a scan of a whole file in record order (the
// students in the order of KVA:CLAVE_ALFA), nested exactly as the command
// goes, each new row added in two writes (added, then completed), and
// every row without an entry deleted as the scan meets it. When adding a
// row fails the run stops and nothing of it is kept.
//
// The benchmarks time its scans on files too large to run it whole: limits
// end each phase early, and a run cut short keeps nothing.

#include "data/dictionary.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"

#include <QByteArray>
#include <algorithm>
#include <limits>

namespace kv::test {

struct ReferenceResult {
    bool ok = true;
    int created = 0;
    int deleted = 0;
};

struct ReferenceLimits {
    std::int64_t searches = std::numeric_limits<std::int64_t>::max(); // (entry, student) pairs
    std::int64_t rows = std::numeric_limits<std::int64_t>::max(); // tracking rows examined for removal
};

// Texts are equal once padded with spaces to the same length.
inline bool samePadded(QByteArray a, QByteArray b)
{
    const qsizetype n = std::max(a.size(), b.size());
    return a.leftJustified(n, ' ') == b.leftJustified(n, ' ');
}

inline ReferenceResult referenceSync(
    Dictionary& dict, const Record& subject, const ReferenceLimits& limits = {})
{
    FileManager& aprende = dict.kvaprende.access;
    FileManager& alumnos = dict.kvaluap.access;
    FileManager& seguir = dict.kvseguir.access;
    const Record& e = dict.kvaprende.buffer;
    const Record& a = dict.kvaluap.buffer;
    Record& g = dict.kvseguir.buffer;
    FileManager* const batch[] = {&aprende, &alumnos, &seguir, &dict.kvmaterias.access};
    for (FileManager* f : batch) {
        f->beginBatch();
    }
    auto stop = [&] {
        for (FileManager* f : batch) {
            f->abandonBatch();
        }
        return ReferenceResult {false, 0, 0};
    };

    ReferenceResult result;
    std::int64_t searches = 0;
    std::int64_t rows = 0;
    bool cut = false;
    const std::int32_t subjectCode = subject.integer(KVM::NRO_REGISTRO);
    aprende.setRecordOrder();
    while (!cut && aprende.nextInRecordOrder() == Status::Ok) {
        if (e.integer(KVAP::COD_MATERIA) != subjectCode) {
            continue;
        }
        alumnos.setOrder(KVA::CLAVE_ALFA);
        while (alumnos.next() == Status::Ok) {
            if (a.integer(KVA::COD_CURSO) != subject.integer(KVM::COD_CURSO)) {
                continue;
            }
            if (searches++ == limits.searches) {
                cut = true;
                break;
            }
            bool found = false;
            seguir.setRecordOrder();
            while (!found && seguir.nextInRecordOrder() == Status::Ok) {
                found = g.integer(KVG::NRO_LEGAJO) == a.integer(KVA::LEGAJO)
                    && g.integer(KVG::COD_MATERIA) == subjectCode
                    && samePadded(g.rawText(KVG::CONTENIDO_PRIORIZADO), e.rawText(KVAP::CONTENIDO_PRIORIZADO))
                    && samePadded(g.rawMemo(KVG::APRENDIZAJE_TRABAJO), e.rawMemo(KVAP::APRENDIZAJE_TRABAJO));
            }
            if (found) {
                continue;
            }
            // The buffer still holds the last row read; the insert numbers it.
            g.setInteger(KVG::NRO_REGISTRO, 0);
            if (seguir.tryInsert() != Status::Ok) {
                return stop();
            }
            g.setInteger(KVG::NRO_LEGAJO, a.integer(KVA::LEGAJO));
            g.setInteger(KVG::COD_MATERIA, e.integer(KVAP::COD_MATERIA));
            g.setInteger(KVG::NRO_ORDEN, e.integer(KVAP::NRO_ORDEN));
            g.setRawText(KVG::ALUMNO, a.rawText(KVA::APELLIDO_NOMBRE));
            g.setRawText(KVG::MATERIAS, e.rawText(KVAP::MATERIAS));
            g.setRawText(KVG::CONTENIDO_PRIORIZADO, e.rawText(KVAP::CONTENIDO_PRIORIZADO));
            g.setRawMemo(KVG::APRENDIZAJE_TRABAJO, e.rawMemo(KVAP::APRENDIZAJE_TRABAJO));
            for (int mark : {KVG::LOGRADO, KVG::PENDIENTE, KVG::ENPROCESO, KVG::PPI, KVG::VALORACION_FINAL}) {
                g.clearField(mark);
            }
            g.setRawMemo(KVG::OBSPPI, {});
            g.setInteger(KVG::COD_CURSO, e.integer(KVAP::COD_CURSO));
            g.setRawText(KVG::INGRESO, QByteArray::number(e.integer(KVAP::NRO_REGISTRO)));
            g.setRawText(KVG::OPERADOR, e.rawText(KVAP::DOCENTE).left(20));
            g.setRawText(KVG::DOCENTE, e.rawText(KVAP::DOCENTE));
            g.setInteger(KVG::COD_DOCENTE, e.integer(KVAP::COD_DOCENTE));
            if (seguir.tryUpdate() != Status::Ok) {
                return stop();
            }
            ++result.created;
        }
    }

    seguir.setRecordOrder();
    while (seguir.nextInRecordOrder() == Status::Ok) {
        if (rows++ == limits.rows) {
            cut = true;
            break;
        }
        int auxiliarCurso = 1;
        aprende.setRecordOrder();
        while (auxiliarCurso == 1 && aprende.nextInRecordOrder() == Status::Ok) {
            if (e.integer(KVAP::COD_MATERIA) == g.integer(KVG::COD_MATERIA)
                && samePadded(e.rawText(KVAP::CONTENIDO_PRIORIZADO), g.rawText(KVG::CONTENIDO_PRIORIZADO))
                && samePadded(e.rawMemo(KVAP::APRENDIZAJE_TRABAJO), g.rawMemo(KVG::APRENDIZAJE_TRABAJO))) {
                auxiliarCurso = 0;
            }
        }
        if (auxiliarCurso == 1 && seguir.deleteAt(seguir.position()) == Status::Ok) {
            ++result.deleted;
        }
    }

    if (cut) {
        return stop();
    }
    seguir.compact();
    for (FileManager* f : batch) {
        f->endBatch();
    }
    return result;
}

} // namespace kv::test

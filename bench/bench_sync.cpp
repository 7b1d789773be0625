// The content synchronisation on a tracking file of 200,000 rows over 200
// subjects, for a subject with 40 catalogue entries and 35 students:
// (a) the first run, which creates 1,400 rows, and (b) a repeated run, which
// changes nothing. Targets: each under 300 ms and at least 100 times faster
// than the literal scans the command describes (the reference model of the
// tests).
//
// The reference is far too slow to run whole on 200,000 rows (each of its
// 1,400 searches reads the whole tracking file record by record), so its
// time there is estimated from its own scans: a bounded number of searches
// and of removal steps, timed on the same file, times the number of each a
// whole run makes. On a small file (2,000 rows) both run whole, as a check
// of the estimate: it comes out below the whole run (about a quarter there,
// where the rows a run adds make its later searches longer; far less on
// 200,000 rows), so the speed-up it gives is a lower bound.
//
// The data folders are built once into $KV_BENCH_DIR (default
// /tmp/kvapp-bench) and copied for each benchmark.

#include "bench/bench_data.h"
#include "catalogue/content_sync.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "tests/catalogue/reference_sync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <chrono>
#include <set>

namespace {

using namespace kv;

constexpr std::int32_t kSubject = 201; // the tracking file holds subjects 1 to 200
constexpr std::int32_t kCourse = 41; // and courses 1 to 40
constexpr int kEntries = 40;
constexpr int kStudents = 35;
constexpr int kNewRows = kEntries * kStudents;
constexpr int kOtherStudents = 2000;

// An entry for every content the tracking rows hold (each subject's rows
// cycle through three), so that none of them is removed.
void addCatalogue(Dictionary& dict)
{
    Record& e = dict.kvaprende.buffer;
    Record g(kvseguirFile());
    std::set<std::pair<std::int32_t, QByteArray>> seen;
    for (std::int64_t n = 0; n < 600; ++n) { // the contents repeat every 600 rows
        bench::fillTracking(g, n);
        const auto key = std::make_pair(g.integer(KVG::COD_MATERIA), g.rawText(KVG::CONTENIDO_PRIORIZADO));
        if (!seen.insert(key).second) {
            continue;
        }
        e.clear();
        e.setInteger(KVAP::COD_MATERIA, key.first);
        e.setInteger(KVAP::NRO_ORDEN, static_cast<std::int32_t>(seen.size()));
        e.setRawText(KVAP::MATERIAS, g.rawText(KVG::MATERIAS));
        e.setRawText(KVAP::CONTENIDO_PRIORIZADO, key.second);
        e.setRawMemo(KVAP::APRENDIZAJE_TRABAJO, g.rawMemo(KVG::APRENDIZAJE_TRABAJO));
        dict.kvaprende.access.tryInsert();
    }
    for (int i = 0; i < kEntries; ++i) {
        e.clear();
        e.setInteger(KVAP::COD_MATERIA, kSubject);
        e.setInteger(KVAP::COD_CURSO, kCourse);
        e.setInteger(KVAP::COD_DOCENTE, 77);
        e.setInteger(KVAP::NRO_ORDEN, i + 1);
        e.setTextCut(KVAP::MATERIAS, QStringLiteral("Ciencias Naturales"));
        e.setTextCut(KVAP::DOCENTE, QStringLiteral("FERNÁNDEZ, CLAUDIA"));
        e.setTextCut(KVAP::CONTENIDO_PRIORIZADO,
            QStringLiteral("Los seres vivos y su ambiente: diversidad, unidad e interrelaciones, eje %1")
                .arg(i));
        e.setMemoCut(KVAP::APRENDIZAJE_TRABAJO,
            QStringLiteral("Identifica relaciones entre los seres vivos y su ambiente, y las explica con "
                           "ejemplos de su entorno (%1).")
                .arg(i));
        dict.kvaprende.access.tryInsert();
    }
}

void addSchool(Dictionary& dict)
{
    Record& m = dict.kvmaterias.buffer;
    for (std::int32_t s = 1; s <= kSubject; ++s) {
        m.clear();
        m.setInteger(KVM::NRO_REGISTRO, s);
        m.setInteger(KVM::COD_CURSO, s == kSubject ? kCourse : 1 + s % 40);
        m.setInteger(KVM::COD_PROFESOR, 77);
        m.setTextCut(KVM::MATERIA, QStringLiteral("Materia %1").arg(s));
        dict.kvmaterias.access.tryInsert();
    }
    Record& a = dict.kvaluap.buffer;
    for (int i = 0; i < kStudents + kOtherStudents; ++i) {
        a.clear();
        a.setInteger(KVA::LEGAJO, 10'000 + i);
        a.setTextCut(KVA::APELLIDO_NOMBRE, QStringLiteral("ALUMNO %1, NOMBRE").arg((i * 7919) % 10'007));
        a.setInteger(KVA::COD_CURSO, i < kStudents ? kCourse : 1 + i % 40);
        dict.kvaluap.access.tryInsert();
    }
}

// The tracking file of `rows` rows with the catalogue and school beside it.
QString syncFolder(std::int64_t rows)
{
    const QString tracking = bench::trackingFile(rows);
    const QString dir = QFileInfo(tracking).dir().filePath(QStringLiteral("sync-%1").arg(rows));
    if (QFile::exists(dir + QStringLiteral("/KVAPRENDE.TPS"))) {
        return dir;
    }
    const QString building = dir + QStringLiteral("-building");
    QDir(building).removeRecursively();
    QDir().mkpath(building);
    QFile::copy(tracking + QStringLiteral("/KVSEGUIR.TPS"), building + QStringLiteral("/KVSEGUIR.TPS"));
    {
        ErrorService errors;
        Dictionary dict(errors, building);
        for (DataFile* f : dict.all()) {
            f->access.beginBatch();
        }
        addCatalogue(dict);
        addSchool(dict);
        for (DataFile* f : dict.all()) {
            f->access.endBatch();
        }
    }
    QDir(dir).removeRecursively();
    QDir().rename(building, dir);
    return dir;
}

// A scratch copy of the data with its dictionary, ready to synchronise.
struct Run {
    explicit Run(std::int64_t rows, const char* name)
        : dict(errors, bench::scratchCopy(syncFolder(rows), name))
        , subject(kvmateriasFile())
    {
        dict.kvmaterias.buffer.setInteger(KVM::NRO_REGISTRO, kSubject);
        dict.kvmaterias.access.fetch(KVM::CLAVE_PRINCIPAL);
        subject = dict.kvmaterias.buffer;
        for (DataFile* f : dict.all()) {
            f->access.recordCount(); // opened outside the timings
        }
        lastPosition = highestPosition();
    }

    std::int64_t highestPosition()
    {
        sql::Statement* s = dict.kvseguir.access.database()->cached("SELECT max(pos) FROM KVSEGUIR");
        sql::StatementUse use(*s);
        return use->step() == SQLITE_ROW ? use->columnInt(0) : 0;
    }
    // Takes back the rows a first run created.
    void dropNewRows()
    {
        dict.kvseguir.access.database()->exec(
            "DELETE FROM KVSEGUIR WHERE pos > " + std::to_string(lastPosition));
    }

    ErrorService errors;
    Dictionary dict;
    Record subject;
    std::int64_t lastPosition = 0;
};

bool expected(const SyncResult& r, bool repeated)
{
    return r.ok && r.created == (repeated ? 0 : kNewRows) && r.deleted == 0;
}

// Times `sync` on a run; a first run drops the new rows between iterations,
// a repeated one runs once beforehand so that nothing is left to do.
template <class Sync> void timeSync(benchmark::State& state, const char* name, Sync sync)
{
    const bool repeated = state.range(1) != 0;
    Run run(state.range(0), name);
    if (repeated && !expected(synchroniseContents(run.dict, run.subject), false)) {
        state.SkipWithError("the first run did not create the rows");
        return;
    }
    for (auto _ : state) {
        if (!repeated) {
            state.PauseTiming();
            run.dropNewRows();
            state.ResumeTiming();
        }
        if (!sync(run, repeated)) {
            state.SkipWithError("unexpected result");
            return;
        }
    }
}

// (a) and (b): args are the rows of the tracking file and whether the run is
// a repeated one.
void BM_Sync(benchmark::State& state)
{
    timeSync(state, "sync", [](Run& run, bool repeated) {
        return expected(synchroniseContents(run.dict, run.subject), repeated);
    });
}
BENCHMARK(BM_Sync)
    ->ArgNames({"rows", "repeated"})
    ->Args({200'000, 0})
    ->Args({200'000, 1})
    ->Args({2'000, 0})
    ->Args({2'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

// The reference run whole (small files only).
void BM_Reference(benchmark::State& state)
{
    timeSync(state, "reference", [](Run& run, bool repeated) {
        const test::ReferenceResult r = test::referenceSync(run.dict, run.subject);
        return r.ok && r.created == (repeated ? 0 : kNewRows) && r.deleted == 0;
    });
}
BENCHMARK(BM_Reference)
    ->ArgNames({"rows", "repeated"})
    ->Args({2'000, 0})
    ->Args({2'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

double seconds(const std::function<void()>& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The reference's time on a file it cannot run whole, estimated from a
// bounded number of its searches and removal steps (the reported time is
// the estimate; the counters hold the measured parts).
void BM_ReferenceEstimated(benchmark::State& state)
{
    const bool repeated = state.range(1) != 0;
    constexpr std::int64_t kSearches = 3;
    constexpr std::int64_t kRemovalRows = 2'000;
    Run run(state.range(0), "estimate");
    if (repeated && !expected(synchroniseContents(run.dict, run.subject), false)) {
        state.SkipWithError("the first run did not create the rows");
        return;
    }
    const auto rowsAfterRun
        = static_cast<double>(run.dict.kvseguir.access.recordCount() + (repeated ? 0 : kNewRows));
    for (auto _ : state) {
        const double searchTime = seconds([&] {
            test::referenceSync(run.dict, run.subject, {kSearches, 0});
        }) / kSearches;
        // The first of these steps comes after no search at all.
        const double removalTime = seconds([&] {
            test::referenceSync(run.dict, run.subject, {0, kRemovalRows});
        }) / kRemovalRows;
        const double estimate = searchTime * kNewRows + removalTime * rowsAfterRun;
        state.SetIterationTime(estimate);
        state.counters["search_ms"] = searchTime * 1e3;
        state.counters["removal_step_us"] = removalTime * 1e6;
    }
}
BENCHMARK(BM_ReferenceEstimated)
    ->ArgNames({"rows", "repeated"})
    ->Args({200'000, 0})
    ->Args({200'000, 1})
    ->Args({2'000, 0})
    ->Args({2'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseManualTime();

} // namespace

BENCHMARK_MAIN();

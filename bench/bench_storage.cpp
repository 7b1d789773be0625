// Storage benchmarks on a tracking file of 1,000,000 rows (and 10,000 for
// comparison): batch insert against a bare SQLite insert of the same columns
// and indexes, one page of a student's rows through a key, and a keyed fetch.
//
// The files are built once into $KV_BENCH_DIR (default /tmp/kvapp-bench) and
// reused by later runs.

#include "bench/bench_data.h"
#include "data/cp1252.h"
#include "data/files/kvseguir.h"
#include "data/key_encoding.h"
#include "data/key_reader.h"
#include "data/row_codec.h"
#include "data/table_schema.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

using namespace kv;

constexpr int kInsertChunk = 20000;

// (a) Rows per second inserted in batch mode through the file manager.
void BM_InsertBatch(benchmark::State& state)
{
    const QString dir = bench::scratchCopy(bench::trackingFile(1'000'000), "insert");
    ErrorService errors;
    Record buffer(kvseguirFile());
    FileManager fm(kvseguirFile(), buffer, errors, dir);
    fm.recordCount();
    // Records are made beforehand, so that only the insert is measured.
    std::vector<Record> rows;
    for (int i = 0; i < kInsertChunk * 3; ++i) {
        bench::fillTracking(buffer, 2'000'000 + i);
        rows.push_back(buffer);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        fm.beginBatch();
        for (int i = 0; i < kInsertChunk; ++i) {
            buffer = rows[next++];
            if (fm.tryInsert() != Status::Ok) {
                state.SkipWithError("insert failed");
                return;
            }
        }
        fm.endBatch();
    }
    state.counters["rows_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kInsertChunk, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_InsertBatch)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The limit of this machine: the same columns and indexes through one
// prepared statement, values bound directly, in one transaction.
void BM_InsertBareSqlite(benchmark::State& state)
{
    const QString dir = bench::scratchCopy(bench::trackingFile(1'000'000), "bare");
    sqlite3* raw = nullptr;
    sqlite3_open(QFile::encodeName(QDir(dir).filePath("KVSEGUIR.TPS")).constData(), &raw);
    sql::Database db(raw);
    db.exec("PRAGMA cache_size=-65536");
    const FileDef& def = kvseguirFile();
    std::string placeholders;
    for (int i = 0; i < rowcodec::boundCount(def); ++i) {
        placeholders += i == 0 ? "?" : ",?";
    }
    sql::Statement* insert = db.cached("INSERT INTO " + schema::table(def) + " (" + schema::dataColumns(def)
        + ", " + schema::keyColumns(def) + ") VALUES (" + placeholders + ")");
    // Prepare the bound values beforehand, so that only SQLite is measured.
    std::vector<std::vector<std::string>> texts;
    std::vector<std::vector<QByteArray>> keys;
    std::vector<std::vector<std::int64_t>> ints;
    Record buffer(def);
    std::int64_t row = 3'000'000;
    const auto prepareRow = [&](std::int64_t n) {
        bench::fillTracking(buffer, n);
        std::vector<std::string> t;
        std::vector<std::int64_t> iv;
        std::string s;
        for (int f = 0; f < static_cast<int>(def.fields.size()); ++f) {
            if (def.fields[f].type == FieldType::Text) {
                cp1252::toUtf8(
                    buffer.bytes().constData() + def.fields[f].offset, def.fields[f].size, s, true);
                t.push_back(s);
            } else {
                iv.push_back(buffer.integer(f));
            }
        }
        for (int m = 0; m < 2; ++m) {
            t.push_back(buffer.memo(m).toStdString());
        }
        std::vector<QByteArray> k;
        for (const KeyDef& key : def.keys) {
            k.push_back(keyValue(buffer, key));
        }
        texts.push_back(std::move(t));
        ints.push_back(std::move(iv));
        keys.push_back(std::move(k));
    };
    for (int i = 0; i < kInsertChunk * 3; ++i) {
        prepareRow(row + i);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        db.exec("BEGIN IMMEDIATE");
        for (int i = 0; i < kInsertChunk; ++i, ++next) {
            sql::StatementUse use(*insert);
            int p = 1, ti = 0, ii = 0;
            for (const FieldDef& f : def.fields) {
                if (f.type == FieldType::Text) {
                    use->bindText(p++, texts[next][ti++]);
                } else {
                    use->bindInt(p++, ints[next][ii++]);
                }
            }
            use->bindText(p++, texts[next][ti++]);
            use->bindText(p++, texts[next][ti++]);
            for (const QByteArray& k : keys[next]) {
                use->bindBlob(p++, k);
            }
            if (use->step() != SQLITE_DONE) {
                state.SkipWithError("bare insert failed");
                return;
            }
        }
        db.exec("COMMIT");
    }
    state.counters["rows_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kInsertChunk, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_InsertBareSqlite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// (b) One page of 30 rows of one student through KVG:CLAVE_LEGAJO_ORDEN_MATERIA.
void BM_StudentPage(benchmark::State& state)
{
    const auto rows = state.range(0);
    ErrorService errors;
    Record buffer(kvseguirFile());
    FileManager fm(kvseguirFile(), buffer, errors, bench::trackingFile(rows));
    fm.recordCount();
    KeyReader reader(fm, KVG::CLAVE_LEGAJO_ORDEN_MATERIA);
    Record student(kvseguirFile());
    std::int64_t n = 0;
    for (auto _ : state) {
        student.setInteger(KVG::NRO_LEGAJO, bench::studentOf(n++ * 7919 % rows));
        reader.setPrefixRange(student, 1);
        int got = 0;
        reader.read(Direction::Forward, std::nullopt, 30, [&](const KeyAnchor&, const Record&) {
            ++got;
            return true;
        });
        benchmark::DoNotOptimize(got);
    }
}
BENCHMARK(BM_StudentPage)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// (c) Fetch by key (KVG:CLAVE_PRIMARIA).
void BM_Fetch(benchmark::State& state)
{
    const auto rows = state.range(0);
    ErrorService errors;
    Record buffer(kvseguirFile());
    FileManager fm(kvseguirFile(), buffer, errors, bench::trackingFile(rows));
    fm.recordCount();
    std::int64_t n = 0;
    for (auto _ : state) {
        buffer.setInteger(KVG::NRO_REGISTRO, static_cast<std::int32_t>(1 + (n++ * 7919) % rows));
        if (fm.fetch(KVG::CLAVE_PRIMARIA) != Status::Ok) {
            state.SkipWithError("fetch found nothing");
            return;
        }
    }
}
BENCHMARK(BM_Fetch)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

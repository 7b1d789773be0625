#include "bench/bench_data.h"

#include "data/error_service.h"
#include "data/file_manager.h"
#include "data/files/kvseguir.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

namespace kv::bench {
namespace {

QString baseDir()
{
    const QString env = qEnvironmentVariable("KV_BENCH_DIR");
    return env.isEmpty() ? QDir::tempPath() + QStringLiteral("/kvapp-bench") : env;
}

} // namespace

std::int32_t studentOf(std::int64_t n)
{
    return static_cast<std::int32_t>(1 + n / 30);
}

void fillTracking(Record& r, std::int64_t n)
{
    r.clear();
    r.setInteger(KVG::NRO_LEGAJO, studentOf(n));
    r.setInteger(KVG::COD_MATERIA, static_cast<std::int32_t>(1 + n % 200));
    r.setInteger(KVG::NRO_ORDEN, static_cast<std::int32_t>(1 + n % 30));
    r.setTextCut(KVG::ALUMNO, QStringLiteral("GONZÁLEZ, MARÍA %1").arg(studentOf(n)));
    r.setTextCut(KVG::MATERIAS, QStringLiteral("Prácticas del Lenguaje %1").arg(n % 200));
    r.setTextCut(KVG::CONTENIDO_PRIORIZADO,
        QStringLiteral("Lectura y escritura de textos narrativos breves, número %1").arg(n % 30));
    r.setTextCut(KVG::LOGRADO, (n % 4 == 0) ? QStringLiteral("X") : QStringLiteral("-"));
    r.setInteger(KVG::COD_CURSO, static_cast<std::int32_t>(1 + n % 40));
    r.setTextCut(KVG::DOCENTE, QStringLiteral("PÉREZ, ANA"));
    r.setMemoCut(KVG::APRENDIZAJE_TRABAJO,
        QStringLiteral("Reconoce la estructura de un cuento y la secuencia de sus hechos principales."));
}

QString trackingFile(std::int64_t rows)
{
    const QString dir = baseDir() + QStringLiteral("/tracking-%1").arg(rows);
    const QString path = dir + QStringLiteral("/KVSEGUIR.TPS");
    if (QFile::exists(path)) {
        return dir;
    }
    QDir().mkpath(dir);
    const QString building = dir + QStringLiteral("/building");
    QDir(building).removeRecursively();
    QDir().mkpath(building);
    {
        ErrorService errors;
        Record buffer(kvseguirFile());
        FileManager fm(kvseguirFile(), buffer, errors, building);
        fm.beginBatch();
        for (std::int64_t n = 0; n < rows; ++n) {
            fillTracking(buffer, n);
            buffer.setInteger(KVG::NRO_REGISTRO, static_cast<std::int32_t>(n + 1));
            fm.tryInsert();
        }
        fm.endBatch();
    }
    QFile::rename(building + QStringLiteral("/KVSEGUIR.TPS"), path);
    QDir(building).removeRecursively();
    return dir;
}

QString scratchCopy(const QString& dir, const char* name)
{
    const QString target = baseDir() + QStringLiteral("/scratch-") + QString::fromLatin1(name);
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    for (const QString& f : QDir(dir).entryList({QStringLiteral("*.TPS")}, QDir::Files)) {
        QFile::copy(dir + QLatin1Char('/') + f, target + QLatin1Char('/') + f);
    }
    return target;
}

} // namespace kv::bench

// Printed sheets: a subject with 1,000 grade-book rows (progress sheet) and
// one with 5,000 tracking rows (contents sheet, 200 students of 25 contents).
// Measured: the page model built from the file, and the PDF written from the
// file (pages built and drawn). Targets: pages under 300 ms, PDF under 3 s.
//
// The data folder is built once per run in a temporary folder.

#include "data/dictionary.h"
#include "data/error_service.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "sheets/sheet_definition.h"
#include "sheets/sheet_pdf.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace kv;

constexpr std::int32_t kProgressSubject = 1;
constexpr std::int32_t kContentsSubject = 2;
constexpr int kGradeRows = 1000;
constexpr int kStudents = 200;
constexpr int kContents = 25;

QString studentName(int n)
{
    return QStringLiteral("GONZÁLEZ PEÑA, María José %1").arg(n, 4, 10, QLatin1Char('0'));
}

void fillFolder(Dictionary& dict)
{
    FileManager& grades = dict.kvlibreta.access;
    Record& g = dict.kvlibreta.buffer;
    grades.beginBatch();
    for (int n = 0; n < kGradeRows; ++n) {
        g.clear();
        g.setInteger(KVL::NRO_REGISTRO, n + 1);
        g.setInteger(KVL::COD_MATERIA, kProgressSubject);
        g.setTextCut(KVL::ALUMNO, studentName(n));
        g.setTextCut(KVL::MATERIAS, QStringLiteral("Matemática"));
        g.setTextCut(KVL::FINAL1, n % 3 ? QStringLiteral("MB") : QStringLiteral("B"));
        g.setTextCut(KVL::FINAL2, n % 2 ? QStringLiteral("S") : QString());
        grades.tryInsert();
    }
    grades.endBatch();

    FileManager& tracking = dict.kvseguir.access;
    Record& t = dict.kvseguir.buffer;
    tracking.beginBatch();
    for (int s = 0; s < kStudents; ++s) {
        for (int c = 0; c < kContents; ++c) {
            tracking.primeRecord();
            t.setInteger(KVG::COD_MATERIA, kContentsSubject);
            t.setTextCut(KVG::ALUMNO, studentName(s));
            t.setTextCut(KVG::MATERIAS, QStringLiteral("Prácticas del Lenguaje"));
            t.setTextCut(KVG::CONTENIDO_PRIORIZADO,
                QStringLiteral("Lectura y escritura de textos narrativos breves, contenido %1").arg(c));
            t.setTextCut(KVG::LOGRADO, c % 4 == 0 ? QStringLiteral("X") : QStringLiteral("-"));
            t.setTextCut(KVG::PENDIENTE, c % 4 == 1 ? QStringLiteral("X") : QStringLiteral("-"));
            t.setMemoCut(KVG::APRENDIZAJE_TRABAJO,
                QStringLiteral(
                    "Reconoce la estructura de un cuento y la secuencia de sus hechos principales."));
            if (c % 7 == 0) {
                t.setMemoCut(KVG::OBSPPI, QStringLiteral("Trabaja con apoyo de la maestra integradora."));
            }
            tracking.insert();
        }
    }
    tracking.endBatch();
}

// One data folder for the whole run, with the caller's subject in the
// KVMATERIAS buffer.
struct School {
    School()
        : dict(errors, folder.path())
    {
        fillFolder(dict);
        Record& m = dict.kvmaterias.buffer;
        m.clear();
        m.setTextCut(KVM::PROFESOR, QStringLiteral("GONZÁLEZ, María Inés"));
        m.setTextCut(KVM::CICLO, QStringLiteral("Segundo Ciclo"));
        m.setInteger(KVM::CURSO, 4);
        m.setTextCut(KVM::DIVISION, QStringLiteral("A"));
        m.setTextCut(KVM::TURNO, QStringLiteral("Mañana"));
    }
    QTemporaryDir folder;
    ErrorService errors;
    Dictionary dict;
};

School& school()
{
    static School s;
    return s;
}

// 0: the progress sheet, 1: the contents sheet.
const sheets::SheetDefinition& sheetOf(std::int64_t which)
{
    return which == 0 ? sheets::progressSheet() : sheets::contentsSheet();
}

sheets::SheetDocument build(const sheets::SheetDefinition& sheet)
{
    Dictionary& dict = school().dict;
    Record& range = (dict.*sheet.read).buffer;
    range.clear();
    range.setInteger(
        sheet.rangeField, &sheet == &sheets::progressSheet() ? kProgressSubject : kContentsSubject);
    return *sheets::buildSheet(sheet, dict);
}

void BM_PageModel(benchmark::State& state, std::int64_t which)
{
    const sheets::SheetDefinition& sheet = sheetOf(which);
    std::size_t pages = 0;
    for (auto _ : state) {
        pages = build(sheet).pages.size();
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK_CAPTURE(BM_PageModel, progress_1000_rows, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_PageModel, contents_5000_rows, 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_Pdf(benchmark::State& state, std::int64_t which)
{
    const sheets::SheetDefinition& sheet = sheetOf(which);
    const QString path = school().folder.filePath(QStringLiteral("Planilla.pdf"));
    for (auto _ : state) {
        QString error;
        if (!sheets::writeSheetPdf(build(sheet), path, &error)) {
            state.SkipWithError(qPrintable(error));
        }
    }
}
BENCHMARK_CAPTURE(BM_Pdf, progress_1000_rows, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Pdf, contents_5000_rows, 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application; no window opens.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    school();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The tracking window on large files: KVSEGUIR of 1,000,000 rows and
// KVLIBRETA of 100,000 rows, against the same on the demo school. Measures
// the time from changing the highlighted subject to all lists filled, and
// from changing the highlighted student to the tracking list filled, and
// reports the process's peak memory.

#include "bench/bench_data.h"
#include "data/files/kvaluap.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "resources/kv_resources.h"
#include "shell/browse_list.h"
#include "shell/dialog_units.h"
#include "tracking/tracking_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

using namespace kv;

constexpr int kTeacher = 20345678;

// The big school: the benchmark tracking file plus subjects, students and a grade book.
QString bigSchool()
{
    const QString dir = bench::trackingFile(1'000'000) + QStringLiteral("/../school-1m");
    if (QFile::exists(dir + QStringLiteral("/KVLIBRETA.TPS"))) {
        return dir;
    }
    QDir().mkpath(dir);
    QFile::copy(bench::trackingFile(1'000'000) + QStringLiteral("/KVSEGUIR.TPS"),
        dir + QStringLiteral("/KVSEGUIR.TPS"));
    ErrorService errors;
    Dictionary d(errors, dir);
    for (DataFile* f : {&d.kvmaterias, &d.kvaluap, &d.kvlibreta}) {
        f->access.beginBatch();
    }
    // Three subjects of the teacher, in course 1 (the tracking rows' subjects 1..3).
    for (int s = 1; s <= 3; ++s) {
        Record& m = d.kvmaterias.buffer;
        m.clear();
        m.setInteger(KVM::NRO_REGISTRO, s);
        m.setTextCut(KVM::MATERIA, QStringLiteral("Materia %1").arg(s));
        m.setInteger(KVM::COD_CURSO, 1);
        m.setInteger(KVM::DNI_DOCENTE, kTeacher);
        d.kvmaterias.access.tryInsert();
    }
    // 35 students of course 1 whose rows are in the tracking file.
    for (int legajo = 1; legajo <= 35; ++legajo) {
        Record& a = d.kvaluap.buffer;
        a.clear();
        a.setInteger(KVA::LEGAJO, legajo);
        a.setTextCut(KVA::APELLIDO_NOMBRE, QStringLiteral("ALUMNO %1").arg(legajo, 3, 10, QLatin1Char('0')));
        a.setInteger(KVA::COD_CURSO, 1);
        d.kvaluap.access.tryInsert();
    }
    // 100,000 grade-book rows over 3,000 subjects; 35 of them per subject.
    for (int n = 0; n < 100'000; ++n) {
        Record& l = d.kvlibreta.buffer;
        l.clear();
        l.setInteger(KVL::NRO_REGISTRO, n + 1);
        l.setInteger(KVL::NRO_LEGAJO, 1 + n % 35);
        l.setInteger(KVL::COD_MATERIA, 1 + n / 35 % 3000);
        l.setTextCut(KVL::ALUMNO, QStringLiteral("ALUMNO %1").arg(1 + n % 35, 3, 10, QLatin1Char('0')));
        l.setTextCut(KVL::FINAL1, QStringLiteral("B"));
        d.kvlibreta.access.tryInsert();
    }
    for (DataFile* f : {&d.kvmaterias, &d.kvaluap, &d.kvlibreta}) {
        f->access.endBatch();
    }
    return dir;
}

QString demoSchool()
{
    const QString dir = QDir::tempPath() + QStringLiteral("/kvapp-bench/demo");
    if (!QFile::exists(dir + QStringLiteral("/KVMaterias.TPS"))) {
        QDir().mkpath(dir);
        QProcess::execute(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/kvadmin"),
            {QStringLiteral("--dir"), dir, QStringLiteral("demo")});
    }
    return dir;
}

struct OpenWindow {
    explicit OpenWindow(const QString& dir)
        : app(dir)
    {
        app.dict.kvmaterias.buffer.setInteger(KVM::DNI_DOCENTE, kTeacher);
        app.dict.kvmaterias.access.fetch(KVM::CLAVE_DNI_PROFESOR);
        window = std::make_unique<TrackingWindow>(app);
        window->openModeless();
    }
    ~OpenWindow() { window->closeModeless(); }
    AppState app;
    std::unique_ptr<TrackingWindow> window;
};

long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

void changeSubject(benchmark::State& state, const QString& dir)
{
    OpenWindow w(dir);
    const int subjects = w.window->subjects().rowCount();
    int i = 0;
    for (auto _ : state) {
        w.window->subjectList()->setCurrentIndex(++i % subjects);
        benchmark::DoNotOptimize(w.window->tracking().rowCount());
    }
    state.counters["peak_MB"] = static_cast<double>(peakMemoryKb()) / 1024.0;
}

void changeStudent(benchmark::State& state, const QString& dir)
{
    OpenWindow w(dir);
    const int students = w.window->students().rowCount();
    int i = 0;
    for (auto _ : state) {
        w.window->students().setCurrentRow(++i % students);
        benchmark::DoNotOptimize(w.window->tracking().rowCount());
    }
    state.counters["peak_MB"] = static_cast<double>(peakMemoryKb()) / 1024.0;
}

void BM_SubjectChange_Large(benchmark::State& s)
{
    changeSubject(s, bigSchool());
}
void BM_SubjectChange_Demo(benchmark::State& s)
{
    changeSubject(s, demoSchool());
}
void BM_StudentChange_Large(benchmark::State& s)
{
    changeStudent(s, bigSchool());
}
void BM_StudentChange_Demo(benchmark::State& s)
{
    changeStudent(s, demoSchool());
}
BENCHMARK(BM_SubjectChange_Demo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SubjectChange_Large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudentChange_Demo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudentChange_Large)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qapp(argc, argv);
    kv::initResources();
    kv::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

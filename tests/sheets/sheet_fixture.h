#pragma once

// A data folder for the sheet tests: grade-book and tracking rows of a few
// subjects, the caller's subject in the KVMATERIAS buffer, and helpers to
// find what the pages print.

#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "sheets/page_model.h"
#include "sheets/sheet_definition.h"
#include "sheets/sheet_output.h"
#include "shell/app_state.h"
#include "tests/support/test_support.h"

#include <QRectF>
#include <gtest/gtest.h>

inline void PrintTo(const QRectF& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace kv::sheets::test {

struct Marks {
    QString logrado, pendiente, enProceso, ppi;
};

class SheetFixture : public ::testing::Test {
protected:
    SheetFixture() { app.errors.setPresenter(&recorder); }

    void addGrade(std::int32_t subject, const QString& student, const QString& final1 = {},
        const QString& final2 = {}, const QString& annual = {},
        const QString& materias = QStringLiteral("Matemática"))
    {
        Record& r = app.dict.kvlibreta.buffer;
        r.clear();
        r.setInteger(KVL::NRO_REGISTRO, ++gradeNumber_);
        r.setInteger(KVL::COD_MATERIA, subject);
        ASSERT_TRUE(r.setText(KVL::ALUMNO, student));
        ASSERT_TRUE(r.setText(KVL::MATERIAS, materias));
        ASSERT_TRUE(r.setText(KVL::FINAL1, final1));
        ASSERT_TRUE(r.setText(KVL::FINAL2, final2));
        ASSERT_TRUE(r.setText(KVL::FINALANUAL, annual));
        ASSERT_EQ(app.dict.kvlibreta.access.insert(), Status::Ok);
    }

    void addTracking(std::int32_t subject, const QString& student,
        const QString& content = QStringLiteral("Contenido"), const Marks& marks = {},
        const QString& learning = {}, const QString& observation = {})
    {
        FileManager& f = app.dict.kvseguir.access;
        ASSERT_EQ(f.primeRecord(), Status::Ok);
        Record& r = app.dict.kvseguir.buffer;
        r.setInteger(KVG::COD_MATERIA, subject);
        ASSERT_TRUE(r.setText(KVG::ALUMNO, student));
        ASSERT_TRUE(r.setText(KVG::MATERIAS, QStringLiteral("Prácticas del Lenguaje")));
        ASSERT_TRUE(r.setText(KVG::CONTENIDO_PRIORIZADO, content));
        ASSERT_TRUE(r.setText(KVG::LOGRADO, marks.logrado));
        ASSERT_TRUE(r.setText(KVG::PENDIENTE, marks.pendiente));
        ASSERT_TRUE(r.setText(KVG::ENPROCESO, marks.enProceso));
        ASSERT_TRUE(r.setText(KVG::PPI, marks.ppi));
        ASSERT_TRUE(r.setMemo(KVG::APRENDIZAJE_TRABAJO, learning));
        ASSERT_TRUE(r.setMemo(KVG::OBSPPI, observation));
        ASSERT_EQ(f.insert(), Status::Ok);
    }

    // The subject the caller leaves in the KVMATERIAS buffer.
    void setCallerSubject(const QString& teacher, const QString& cycle, int course, const QString& division,
        const QString& shift)
    {
        Record& m = app.dict.kvmaterias.buffer;
        m.clear();
        ASSERT_TRUE(m.setText(KVM::PROFESOR, teacher));
        ASSERT_TRUE(m.setText(KVM::CICLO, cycle));
        m.setInteger(KVM::CURSO, course);
        ASSERT_TRUE(m.setText(KVM::DIVISION, division));
        ASSERT_TRUE(m.setText(KVM::TURNO, shift));
    }

    // The caller leaves a row of `subject` in the read file's buffer.
    void selectSubject(const SheetDefinition& sheet, std::int32_t subject)
    {
        Record& r = (app.dict.*sheet.read).buffer;
        r.clear();
        r.setInteger(sheet.rangeField, subject);
    }

    SheetDocument build(const SheetDefinition& sheet, std::int32_t subject)
    {
        selectSubject(sheet, subject);
        std::optional<SheetDocument> doc = buildSheet(sheet, app.dict);
        EXPECT_TRUE(doc.has_value());
        return doc ? std::move(*doc) : SheetDocument {};
    }

    kv::test::TempFolder dir;
    AppState app {dir.path()};
    kv::test::RecordingPresenter recorder;

private:
    std::int32_t gradeNumber_ = 0;
};

// The texts of a page that read `text`, in drawing order.
inline std::vector<const PageText*> textsReading(const Page& page, const QString& text)
{
    std::vector<const PageText*> out;
    for (const PageText* t : page.texts()) {
        if (t->text == text) {
            out.push_back(t);
        }
    }
    return out;
}

// The one text of a page that reads `text`, or null (with a failure).
inline const PageText* theText(const Page& page, const QString& text)
{
    const auto found = textsReading(page, text);
    EXPECT_EQ(found.size(), 1u) << "text " << text.toStdString();
    return found.size() == 1 ? found.front() : nullptr;
}

inline bool hasBox(const Page& page, const QRectF& rect)
{
    for (const PageBox* b : page.boxes()) {
        if (b->rect == rect) {
            return true;
        }
    }
    return false;
}

inline bool hasLine(const Page& page, const QLineF& line)
{
    for (const PageLine* l : page.lines()) {
        if (l->line == line) {
            return true;
        }
    }
    return false;
}

// Keeps what the frame hands over instead of opening the preview.
struct RecordingOutput : SheetOutput {
    void show(AppState&, const SheetDocument& document) override { shown.push_back(document); }
    std::vector<SheetDocument> shown;
};

} // namespace kv::sheets::test

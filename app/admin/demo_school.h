#pragma once

// The demo school: a small, realistic set of the five data files (teachers
// and their subjects, three courses of students, the grade book, a content
// catalogue and its tracking rows) to try the program with.

#include "data/field_codec.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace kv::admin {

// What a teacher types at the login window.
struct DemoLogin {
    std::int32_t dni = 0;
    Date birthDate;
    QString teacher; // "APELLIDO, Nombre"
    int subjects = 0;
};

struct DemoSummary {
    int subjects = 0; // KVMATERIAS
    int students = 0; // KVALUAP
    int gradeRows = 0; // KVLIBRETA
    int contents = 0; // KVAPRENDE
    int trackingRows = 0; // KVSEGUIR
    int markedRows = 0; // tracking rows with a mark
    int courses = 0;
    std::vector<DemoLogin> logins;
};

// Creates the demo school in `dir`. Refuses, with the reason in *error, when
// one of the five data files there already holds records. Every file is
// written in one batch: after a failure nothing of the demo is left, and a
// file that did not exist before is removed again.
bool createDemoSchool(const QString& dir, DemoSummary* summary, QString* error);

// What was created and how each teacher logs in, for kvadmin's output.
QString describeDemo(const DemoSummary& summary);

} // namespace kv::admin

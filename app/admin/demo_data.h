#pragma once

// What the demo school holds: its teachers, courses and subjects, the
// catalogue of prioritised contents, the student roll and the marks. Nothing
// here touches a file; every choice is fixed or derived from the record's
// numbers, so two demo schools are identical.

#include "data/field_codec.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <span>
#include <vector>

namespace kv::admin::demo {

struct Teacher {
    std::int32_t code; // KVM:COD_PROFESOR
    QStringView name; // "APELLIDO, Nombre"
    std::int32_t dni;
    Date birthDate;
};

struct Course {
    std::int32_t code; // KVM:COD_CURSO
    std::int16_t grade;
    QStringView division;
    QStringView cycle;
    QStringView shift;
    int size; // students
    std::int32_t firstDni; // children of one grade were registered in the same years
    int individualPlanPupil; // index in the roll of a student with an individual plan, or -1
};

struct Subject {
    std::int32_t code; // KVM:NRO_REGISTRO
    std::int16_t order;
    QStringView name;
    int teacher; // index into teachers()
    int course; // index into courses()
    std::int64_t hours; // weekly, in hundredths
};

struct Content {
    std::int32_t subject; // KVM:NRO_REGISTRO
    QStringView content;
    QStringView learning;
};

struct Student {
    std::int32_t legajo;
    QString name; // "APELLIDO, Nombre"
    std::int32_t dni;
    bool female;
    QString email; // empty for most
    int course; // index into courses()
    bool individualPlan;
};

std::span<const Teacher> teachers();
std::span<const Course> courses();
std::span<const Subject> subjects(); // in the order they are written
std::span<const Content> contents(); // grouped by subject, in catalogue order
std::vector<Student> students(); // course by course, in roll order
QStringView sexText(bool female); // "Femenino" / "Masculino"

// The grade-book marks of one student in one subject. Empty texts and zero
// absences are left blank in the record.
struct GradeMarks {
    QString firstStage;
    QString secondStage;
    QString year;
    std::int64_t justifiedAbsences = 0; // hundredths of a day
    std::int64_t unjustifiedAbsences = 0;
};
GradeMarks gradeMarks(std::int32_t legajo, std::int32_t subject);

// How far a student has got with a catalogue entry (by its KVAP:NRO_ORDEN).
// Only the first entries of each subject have been assessed so far; later
// ones stay blank.
enum class Progress { NotAssessed, Achieved, Pending, InProgress, IndividualPlan };
Progress progress(const Student& student, std::int16_t contentOrder, int contentIndexInSubject);
QStringView individualPlanNote();

} // namespace kv::admin::demo

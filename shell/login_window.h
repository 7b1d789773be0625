#pragma once

// Main: the teacher's login. First the D.N.I., which must belong to the
// teacher of at least one subject; then the date of birth stored with that
// subject. A match opens the tracking window; when it closes, so does this
// window and with it the program.

#include "shell/procedure_window.h"

class QLabel;
class QPushButton;
class QFrame;

namespace kv {

class NumberEntry;
class DateEntry;

class LoginWindow : public ProcedureWindow {
    Q_OBJECT
public:
    explicit LoginWindow(AppState& app, QWidget* parent = nullptr);

    // Controls by their use names, for tests.
    NumberEntry* dniEntry() const { return dni_; }
    DateEntry* dateEntry() const { return date_; }
    QLabel* teacherText() const { return docente_; }
    QPushButton* acceptDni() const { return button4_; }
    QPushButton* acceptDate() const { return button2_; }
    QPushButton* exitButton() const { return button3_; }
    QLabel* dniLabel() const { return string1_; }
    QLabel* passwordLabel() const { return string2_; }
    QLabel* birthLabel() const { return string4_; }

protected:
    void prepare() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void lookUpTeacher();
    void checkDate();
    void showTeacherText(int y);

    std::int32_t auxiliarDni_ = 0;
    Date auxiliarFnac_;

    QLabel* string1_;
    NumberEntry* dni_;
    QLabel* docente_;
    QFrame* line1_;
    QPushButton* button4_;
    QLabel* string2_;
    DateEntry* date_;
    QLabel* string4_;
    QPushButton* button2_;
    QPushButton* button3_;
};

// Runs the login procedure.
void runMain(AppState& app);

} // namespace kv

#pragma once

// Ventana_Seguimiento_Notas: the teacher's subjects in a drop-down list with
// the highlighted subject's details; the tab "Informe de Progreso" with the
// subject's grade book, and the tab "Contenidos" with the course's students
// and the highlighted student's tracking rows. Marks are typed in place.

#include "shell/procedure_window.h"

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTableView;

namespace kv {

class BrowseList;
class EditInPlace;
class StorableTextEdit;

class TrackingWindow : public ProcedureWindow {
    Q_OBJECT
public:
    explicit TrackingWindow(AppState& app, QWidget* parent = nullptr);
    ~TrackingWindow() override;

    // Controls and lists by their use names, for tests.
    QComboBox* subjectList() const { return list_; }
    QTableView* gradeBook() const { return list2_; }
    QTableView* studentList() const { return list3_; }
    QTableView* trackingList() const { return list4_; }
    BrowseList& subjects() const { return *brw1_; }
    BrowseList& grades() const { return *brw2_; }
    BrowseList& students() const { return *brw4_; }
    BrowseList& tracking() const { return *brw5_; }
    EditInPlace& gradeEditor() const { return *eip2_; }
    EditInPlace& trackingEditor() const { return *eip5_; }
    QTabBar* tabs() const { return tabs_; }
    QPushButton* exitButton() const { return button3_; }
    QPushButton* editGrades() const { return change_; }
    QPushButton* editTracking() const { return change2_; }
    QPushButton* progressPrint() const { return button10_; }
    QPushButton* contentsPrint() const { return button9_; }
    QPushButton* contentsButton() const { return button5_; }
    QPushButton* storeObservation() const { return button11_; }
    StorableTextEdit* observationBox() const { return auxppi_; }
    QLabel* teacherName() const { return docente_; }
    QLabel* subjectName() const { return materia_; }

protected:
    void prepare() override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void build();
    void buildLists();
    void showTab(int index);
    void redisplay();
    void subjectEvent();
    void studentEvent();
    void trackingEvent();
    void evaluateObservationBox();
    // The command frame of the window's buttons: a row being edited is
    // completed first, then every list's highlighted record is read again.
    void commandFrame();
    void storeObservationText();
    void contents();
    void print(bool progress);

    QLabel* docente_;
    QComboBox* list_;
    QLabel* ciclo_;
    QLabel* curso_;
    QLabel* division_;
    QLabel* especialidad_;
    QLabel* materia_;
    QTabBar* tabs_;
    QWidget* sheet_;
    QPushButton* button3_;
    QPushButton* change_;
    QPushButton* insert_;
    QPushButton* delete_;
    QTableView* list2_;
    QPushButton* button10_;
    QTableView* list3_;
    QTableView* list4_;
    StorableTextEdit* auxppi_;
    QPushButton* button11_;
    QPushButton* button9_;
    QLabel* string11_;
    QPushButton* button5_;
    QPushButton* insert2_;
    QPushButton* change2_;
    QPushButton* delete2_;

    BrowseList* brw1_ = nullptr;
    BrowseList* brw2_ = nullptr;
    BrowseList* brw4_ = nullptr;
    BrowseList* brw5_ = nullptr;
    EditInPlace* eip2_ = nullptr;
    EditInPlace* eip5_ = nullptr;
    bool refreshing_ = false;
};

void runTrackingWindow(AppState& app);

} // namespace kv

#pragma once

// ABM_CONTENIDOS: the catalogue of prioritised contents of the subject in
// the KVMATERIAS buffer. Adding, changing and deleting are done by the
// content form (Cargar_Contenido), called with the matching request.

#include "shell/procedure_window.h"

class QLabel;
class QPushButton;
class QTableView;

namespace kv {

class BrowseList;

class ContentListWindow : public ProcedureWindow {
    Q_OBJECT
public:
    explicit ContentListWindow(AppState& app, QWidget* parent = nullptr);

    BrowseList& list() const { return *brw1_; }
    QTableView* listView() const { return view_; }
    QPushButton* addButton() const { return insert_; }
    QPushButton* changeButton() const { return change_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* exitButton() const { return exit_; }

    // The three commands, as the buttons, keys and popup menu run them.
    void add();
    void change();
    void remove();

protected:
    void prepare() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    // Calls the form with a request; returns its response.
    std::uint8_t callForm(std::uint8_t request);
    void popupMenu(const QPoint& where);

    QLabel* materia_;
    QLabel* ciclo_;
    QLabel* curso_;
    QLabel* division_;
    QTableView* view_;
    QPushButton* exit_;
    QPushButton* insert_;
    QPushButton* change_;
    QPushButton* delete_;
    BrowseList* brw1_ = nullptr;
};

void runContentList(AppState& app);

} // namespace kv

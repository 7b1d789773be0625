#pragma once

// Cargar_Contenido: the content update form. It adds a catalogue entry (a
// prioritised content with its learning) to the subject in the KVMATERIAS
// buffer or changes the entry in the KVAPRENDE buffer; a delete request is
// carried out without any window (see content_delete.h). Each time the form
// opens it ties the entry to the current subject (number, course, teacher,
// names) and gives a new entry the next order number.

#include "shell/procedure_window.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv {

class StorableTextEdit;

class ContentForm : public ProcedureWindow {
    Q_OBJECT
public:
    explicit ContentForm(AppState& app, QWidget* parent = nullptr);

    // Controls by their use names, for tests.
    QLineEdit* contentEntry() const { return content_; }
    StorableTextEdit* learningText() const { return learning_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* contentPrompt() const { return contentPrompt_; }
    QLabel* learningPrompt() const { return learningPrompt_; }
    QFrame* line() const { return line1_; }

signals:
    // A field refused what was typed or pasted; `why` is shown to the user.
    void inputRefused(const QString& why);

protected:
    void prepare() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void setSubjectFields();
    void showRecord();
    void complete();
    bool acceptFields();
    bool insertEntry();
    // True when the form is to close (written, or given up); `response` is set.
    bool changeEntry();
    void recall(QObject* field);
    void refused(QWidget* field, const QString& why);
    void backToContent();

    Record snapshot_;

    QLabel* contentPrompt_;
    QLineEdit* content_;
    StorableTextEdit* learning_;
    QLabel* learningPrompt_;
    QFrame* line1_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Runs Cargar_Contenido on the request in GlobalRequest; the answer is left
// in GlobalResponse.
void runContentForm(AppState& app);

} // namespace kv

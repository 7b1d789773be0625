#include "shell/procedure_window.h"

#include "shell/window_placement.h"

namespace kv {

ProcedureWindow::ProcedureWindow(AppState& app, Setup setup, QWidget* parent)
    : QDialog(parent)
    , app_(app)
    , setup_(std::move(setup))
{
    setModal(true);
}

ProcedureWindow::~ProcedureWindow()
{
    if (filesOpen_) {
        endFrame();
    }
}

void ProcedureWindow::beginFrame()
{
    previousProcedure_ = app_.errors.procedureName();
    app_.errors.setProcedureName(setup_.procedure);
    // A request is consumed exactly once.
    request_ = app_.globalRequest;
    app_.globalRequest = 0;
    app_.globalResponse = 0;
    for (DataFile* f : setup_.files) {
        f->relate.open();
    }
    filesOpen_ = true;
}

void ProcedureWindow::endFrame()
{
    if (filesOpen_) {
        for (DataFile* f : setup_.files) {
            f->relate.close();
        }
        filesOpen_ = false;
    }
    app_.errors.setProcedureName(previousProcedure_);
}

std::uint8_t ProcedureWindow::run()
{
    beginFrame();
    prepare();
    restorePlacement(app_.ini, setup_.procedure, this, setup_.resizable);
    exec();
    return closeModeless();
}

void ProcedureWindow::openModeless()
{
    beginFrame();
    prepare();
    restorePlacement(app_.ini, setup_.procedure, this, setup_.resizable);
    show();
}

std::uint8_t ProcedureWindow::closeModeless()
{
    savePlacement(app_.ini, setup_.procedure, this, setup_.resizable);
    hide();
    finish();
    endFrame();
    app_.globalResponse = response_ != 0 ? response_ : std::uint8_t {RequestCancelled};
    return app_.globalResponse;
}

} // namespace kv

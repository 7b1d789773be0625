#pragma once

// The frame every procedure's window follows: it names itself to
// GlobalErrors, takes over and clears the request, opens its files through
// their relation managers, restores its placement from KVAPP.INI; on closing
// it closes the files, saves the placement, gives the previous name back to
// GlobalErrors and hands its response to GlobalResponse (RequestCancelled
// when it set none).

#include "shell/app_state.h"

#include <QDialog>
#include <vector>

namespace kv {

class ProcedureWindow : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString procedure;
        std::vector<DataFile*> files; // opened in this order, closed in this order
        bool resizable = false;
    };

    ProcedureWindow(AppState& app, Setup setup, QWidget* parent = nullptr);
    ~ProcedureWindow() override;

    // Runs the window modally through the whole frame; returns the response.
    std::uint8_t run();
    // The same frame without a modal loop, for tools and benchmarks that
    // drive the window themselves: open() shows it, close() ends the frame.
    void openModeless();
    std::uint8_t closeModeless();

    AppState& app() const { return app_; }
    std::uint8_t request() const { return request_; }
    std::uint8_t response() const { return response_; }
    void setResponse(std::uint8_t response) { response_ = response; }
    const QString& procedureName() const { return setup_.procedure; }

protected:
    // Steps of the window between opening its files and showing it
    // (filling lists, reading buffers); called once, before the first show.
    virtual void prepare() { }
    // Called after the window has closed, before its files are closed.
    virtual void finish() { }

private:
    void beginFrame();
    void endFrame();

    AppState& app_;
    Setup setup_;
    QString previousProcedure_;
    std::uint8_t request_ = 0;
    std::uint8_t response_ = 0;
    bool filesOpen_ = false;
};

} // namespace kv

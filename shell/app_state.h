#pragma once

// The application object: everything the windows share. Each procedure
// receives it, so a test builds its own.

#include "data/dictionary.h"
#include "data/error_service.h"
#include "shell/ini_manager.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace kv {

// Requests a caller hands to the procedure it calls, and the responses.
enum : std::uint8_t {
    InsertRecord = 1,
    ChangeRecord = 2,
    DeleteRecord = 3,
};
enum : std::uint8_t {
    RequestCompleted = 1,
    RequestCancelled = 2,
};

class AppState {
public:
    // `directory` is where the data files and KVAPP.INI live (the working
    // folder of the program).
    explicit AppState(const QString& directory);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    const QString& directory() const { return directory_; }

    ErrorService errors; // GlobalErrors
    INIMgr ini; // INIMgr on KVAPP.INI
    Dictionary dict; // record buffers, Access: and Relate: of the five files

    std::uint8_t globalRequest = 0;
    std::uint8_t globalResponse = 0;
    std::int32_t vcrRequest = 0;

    // AUXILIAR_DOCENTE: the teacher's name (80 characters) or the login's
    // "not found" text.
    QString auxiliarDocente;

    // The procedures a window calls, replaceable where a test wants a stand-in.
    struct Procedures {
        std::function<void(AppState&)> trackingWindow;
        std::function<void(AppState&)> contentList;
        std::function<void(AppState&)> contentForm;
        std::function<void(AppState&)> progressSheet;
        std::function<void(AppState&)> contentsSheet;
    } procedures;

private:
    QString directory_;
};

} // namespace kv

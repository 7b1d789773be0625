// The request/response protocol of the window frame.

#include "shell/ini_file.h"
#include "shell/procedure_window.h"
#include "tests/support/gui_support.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ProcedureWindow, ARequestIsConsumedOnceAndTheResponseDefaultsToCancelled)
{
    test::TempFolder folder;
    AppState app(folder.path());
    struct Seen {
        int request = -1, globalRequest = -1, globalResponse = -1, uses = -1;
        QString name;
    } seen;
    app.errors.setProcedureName(QStringLiteral("Caller"));

    app.globalRequest = ChangeRecord;
    app.globalResponse = RequestCompleted;
    ProcedureWindow w(app, {QStringLiteral("Cargar_Contenido"), {&app.dict.kvaprende}, false});
    test::runWindow(w, [&] {
        seen = {w.request(), app.globalRequest, app.globalResponse, app.dict.kvaprende.relate.useCount(),
            app.errors.procedureName()};
    });
    EXPECT_EQ(seen.request, ChangeRecord);
    EXPECT_EQ(seen.globalRequest, 0);
    EXPECT_EQ(seen.globalResponse, 0);
    EXPECT_EQ(seen.uses, 1);
    EXPECT_EQ(seen.name, QStringLiteral("Cargar_Contenido"));
    // Closed without a response of its own; the caller's name comes back.
    EXPECT_EQ(app.globalResponse, RequestCancelled);
    EXPECT_EQ(app.dict.kvaprende.relate.useCount(), 0);
    EXPECT_EQ(app.errors.procedureName(), QStringLiteral("Caller"));

    ProcedureWindow done(app, {QStringLiteral("Otra"), {}, false});
    test::runWindow(done, [&] { done.setResponse(RequestCompleted); });
    EXPECT_EQ(app.globalResponse, RequestCompleted);

    // Each window's placement is kept under its procedure name in KVAPP.INI;
    // a fixed-size window keeps no size.
    IniFile ini;
    ini.load(QDir(folder.path()).filePath(QStringLiteral("KVAPP.INI")));
    EXPECT_EQ(
        ini.value(QStringLiteral("Cargar_Contenido"), QStringLiteral("Maximize")), QStringLiteral("No"));
    EXPECT_TRUE(ini.value(QStringLiteral("Cargar_Contenido"), QStringLiteral("XPos")).has_value());
    EXPECT_FALSE(ini.value(QStringLiteral("Cargar_Contenido"), QStringLiteral("Width")).has_value());
}

} // namespace
} // namespace kv

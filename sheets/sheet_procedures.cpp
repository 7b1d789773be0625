#include "sheets/sheet_procedures.h"

#include "sheets/progress_window.h"

namespace kv::sheets {

void runSheet(AppState& app, const SheetDefinition& sheet, SheetOutput& output)
{
    ProgressWindow window(app, sheet, output);
    window.run();
}

} // namespace kv::sheets

namespace kv {

void runProgressSheet(AppState& app)
{
    sheets::PreviewOutput preview;
    sheets::runSheet(app, sheets::progressSheet(), preview);
}

void runContentsSheet(AppState& app)
{
    sheets::PreviewOutput preview;
    sheets::runSheet(app, sheets::contentsSheet(), preview);
}

} // namespace kv

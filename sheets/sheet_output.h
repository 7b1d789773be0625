#pragma once

// Where a finished sheet goes: the print preview in the program, a
// recording sink in tests.

#include "sheets/page_model.h"
#include "shell/app_state.h"

namespace kv::sheets {

class SheetOutput {
public:
    virtual ~SheetOutput() = default;
    // Shows the finished pages; returns when the user has left them.
    virtual void show(AppState& app, const SheetDocument& document) = 0;
};

// The print preview: paging, page jump, pages side by side, zoom, and
// printing to the current printer or a PDF file. It opens at page 1 and
// 100 % zoom and keeps its placement under "_PreviewWindow_".
class PreviewOutput : public SheetOutput {
public:
    void show(AppState& app, const SheetDocument& document) override;
};

} // namespace kv::sheets

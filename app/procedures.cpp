#include "app/procedures.h"

#include "catalogue/content_form.h"
#include "catalogue/content_list_window.h"
#include "sheets/sheet_procedures.h"
#include "tracking/tracking_window.h"

namespace kv {
void installProcedures(AppState& app)
{
    app.procedures.trackingWindow = runTrackingWindow;
    app.procedures.contentList = runContentList;
    app.procedures.contentForm = runContentForm;
    app.procedures.progressSheet = runProgressSheet;
    app.procedures.contentsSheet = runContentsSheet;
}

} // namespace kv

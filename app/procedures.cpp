#include "app/procedures.h"

#include "tracking/tracking_window.h"

namespace kv {
void installProcedures(AppState& app)
{
    app.procedures.trackingWindow = runTrackingWindow;
}

} // namespace kv

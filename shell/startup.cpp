#include "shell/startup.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>

namespace kv {
void startupReached()
{
    if (qEnvironmentVariableIsEmpty("KVAPP_STARTUP_PROBE")) {
        return;
    }
    // Fires once the event loop of the first window runs, that is when the
    // login window has been shown; the benchmark script times the process.
    QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
}

} // namespace kv

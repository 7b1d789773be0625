#include "shell/app_state.h"

#include <QDir>

namespace kv {

AppState::AppState(const QString& directory)
    : ini(QDir(directory).filePath(QStringLiteral("KVAPP.INI")))
    , dict(errors, directory)
    , directory_(directory)
{
    ini.init();
}

// The INI service writes its sector list back before the data dictionary
// is torn down (the members, after this body).
AppState::~AppState()
{
    ini.kill();
}

} // namespace kv

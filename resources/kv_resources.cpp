#include "resources/kv_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares an extern function, so it has to run outside any namespace.
static void kvInitResourcesGlobal()
{
    Q_INIT_RESOURCE(resources);
}

namespace kv {

void initResources()
{
    kvInitResourcesGlobal();
}

} // namespace kv

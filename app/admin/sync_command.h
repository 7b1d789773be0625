#pragma once

// kvadmin sync: the content synchronisation of one subject, as the tracking
// window's "Contenidos" runs it after the catalogue has been edited.

#include "app/admin/admin_context.h"

#include <QStringList>

namespace kv::admin {

// sync SUBJECT, where SUBJECT is the subject's KVM:NRO_REGISTRO.
int runSync(const Context& ctx, const QStringList& args);

} // namespace kv::admin

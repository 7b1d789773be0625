#include "data/relation_manager.h"

namespace kv {

void RelationManager::close()
{
    if (uses_ == 0) {
        return;
    }
    if (--uses_ == 0) {
        file_.close();
    }
}

} // namespace kv

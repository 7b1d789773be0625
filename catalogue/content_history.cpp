#include "catalogue/content_history.h"

#include "data/files/kvaprende.h"

namespace kv {
namespace {

Record& history()
{
    static Record copy(kvaprendeFile());
    return copy;
}

} // namespace

const Record& contentHistory()
{
    return history();
}

void keepInContentHistory(const Record& entry)
{
    history() = entry;
    history().setRawMemo(KVAP::APRENDIZAJE_TRABAJO, {});
}

void forgetContentHistory()
{
    history().clear();
}

} // namespace kv

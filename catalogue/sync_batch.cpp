#include "catalogue/sync_batch.h"

namespace kv {

SyncBatch::SyncBatch(Dictionary& dict)
    : files_ {&dict.kvaprende.access, &dict.kvaluap.access, &dict.kvseguir.access, &dict.kvmaterias.access}
{
    for (FileManager* f : files_) {
        if (!f->beginBatch()) {
            refused_ = f;
            return;
        }
        ++begun_;
    }
}

SyncBatch::~SyncBatch()
{
    for (int i = 0; i < begun_; ++i) {
        files_[i]->abandonBatch();
    }
}

FileManager* SyncBatch::finish()
{
    FileManager* failed = nullptr;
    for (int i = 0; i < begun_; ++i) {
        if (!files_[i]->endBatch() && !failed) {
            failed = files_[i];
        }
    }
    begun_ = 0;
    return failed;
}

SyncBuffers::SyncBuffers(Dictionary& dict)
    : dict_(dict)
    , aprende_(dict.kvaprende.buffer)
    , alumnos_(dict.kvaluap.buffer)
    , seguir_(dict.kvseguir.buffer)
{
}

SyncBuffers::~SyncBuffers()
{
    dict_.kvaprende.buffer = aprende_;
    dict_.kvaluap.buffer = alumnos_;
    dict_.kvseguir.buffer = seguir_;
}

} // namespace kv

#include "data/dictionary.h"

#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"

namespace kv {

Dictionary::Dictionary(ErrorService& errors, const QString& directory)
    : kvlibreta(kvlibretaFile(), errors, directory)
    , kvaprende(kvaprendeFile(), errors, directory)
    , kvmaterias(kvmateriasFile(), errors, directory)
    , kvaluap(kvaluapFile(), errors, directory)
    , kvseguir(kvseguirFile(), errors, directory)
{
}

Dictionary::~Dictionary()
{
    // Torn down in the order they were set up.
    for (DataFile* f : all()) {
        f->access.close();
    }
}

DataFile* Dictionary::byLabel(std::string_view label)
{
    for (DataFile* f : all()) {
        if (f->access.def().label == label) {
            return f;
        }
    }
    return nullptr;
}

} // namespace kv

#include "data/files/all_files.h"

#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"

#include <array>

namespace kv {

namespace {

template <typename T> int indexByLabel(std::span<const T> items, std::string_view label)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].label == label)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

int FileDef::fieldIndex(std::string_view name) const
{
    return indexByLabel(fields, name);
}
int FileDef::memoIndex(std::string_view name) const
{
    return indexByLabel(memos, name);
}
int FileDef::keyIndex(std::string_view name) const
{
    return indexByLabel(keys, name);
}

std::string_view bareName(std::string_view label)
{
    const auto colon = label.find(':');
    return colon == std::string_view::npos ? label : label.substr(colon + 1);
}

std::span<const FileDef* const> allFiles()
{
    static const std::array<const FileDef*, 5> files {
        &kvlibretaFile(),
        &kvaprendeFile(),
        &kvmateriasFile(),
        &kvaluapFile(),
        &kvseguirFile(),
    };
    return files;
}

const FileDef* fileByLabel(std::string_view label)
{
    for (const FileDef* file : allFiles()) {
        if (file->label == label)
            return file;
    }
    return nullptr;
}

} // namespace kv

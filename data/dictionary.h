#pragma once

// The data dictionary: for each of the five files its record buffer, its
// file manager (Access:) and its relation manager (Relate:), created in the
// order KVLIBRETA, KVAPRENDE, KVMATERIAS, KVALUAP, KVSEGUIR.

#include "data/file_manager.h"
#include "data/relation_manager.h"

#include <array>

namespace kv {

struct DataFile {
    DataFile(const FileDef& def, ErrorService& errors, const QString& directory)
        : buffer(def)
        , access(def, buffer, errors, directory)
        , relate(access)
    {
    }
    Record buffer;
    FileManager access;
    RelationManager relate;
};

class Dictionary {
public:
    Dictionary(ErrorService& errors, const QString& directory);
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    DataFile kvlibreta;
    DataFile kvaprende;
    DataFile kvmaterias;
    DataFile kvaluap;
    DataFile kvseguir;

    // In declaration (and set-up) order.
    std::array<DataFile*, 5> all() { return {&kvlibreta, &kvaprende, &kvmaterias, &kvaluap, &kvseguir}; }
    DataFile* byLabel(std::string_view label);
};

} // namespace kv

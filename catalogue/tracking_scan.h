#pragma once

// Reads the tracking file (KVSEGUIR) for the content synchronisation: only
// the columns that tie each row to the catalogue, straight from the storage,
// without building record buffers. A whole file of rows is read in a
// fraction of the time a record-by-record read takes.

#include "data/file_manager.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace kv {

struct StoredTrackingLink {
    std::int64_t position; // in record order
    std::int32_t student; // KVG:NRO_LEGAJO
    std::int32_t subject; // KVG:COD_MATERIA
    std::string_view content; // KVG:CONTENIDO_PRIORIZADO, UTF-8 as stored
    std::string_view learning; // KVG:APRENDIZAJE_TRABAJO, UTF-8 as stored
};

// Every row of the file in record order, until the sink returns false. The
// texts are valid only during the call. Read failures are reported by the
// file manager (Record Retrieval Error).
Status forEachTrackingLink(FileManager& seguir, const std::function<bool(const StoredTrackingLink&)>& sink);

} // namespace kv

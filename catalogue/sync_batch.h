#pragma once

// The frame of the content synchronisation: the four files it uses in batch
// mode for the whole command (abandoned, so nothing of it is kept, unless it
// is finished), and the record buffers its scans use, given back afterwards.

#include "data/dictionary.h"

#include <array>

namespace kv {

class SyncBatch {
public:
    // KVAPRENDE, KVALUAP, KVSEGUIR and KVMATERIAS, in this order.
    explicit SyncBatch(Dictionary& dict);
    ~SyncBatch();
    SyncBatch(const SyncBatch&) = delete;
    SyncBatch& operator=(const SyncBatch&) = delete;

    // The file that could not enter batch mode, or null when all did.
    FileManager* refused() const { return refused_; }
    // Ends the batch of every file; the first file whose writes could not be
    // kept, or null when all were.
    FileManager* finish();

private:
    std::array<FileManager*, 4> files_;
    int begun_ = 0;
    FileManager* refused_ = nullptr;
};

class SyncBuffers {
public:
    explicit SyncBuffers(Dictionary& dict);
    ~SyncBuffers();
    SyncBuffers(const SyncBuffers&) = delete;
    SyncBuffers& operator=(const SyncBuffers&) = delete;

private:
    Dictionary& dict_;
    Record aprende_, alumnos_, seguir_;
};

} // namespace kv

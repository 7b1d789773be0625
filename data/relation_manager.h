#pragma once

// Relate:<label> — how windows open and close a file. Opening is counted:
// a window's open only registers the use (the file itself opens lazily on
// its first read or write) and the file closes when its last user closes it.
// No relations are declared between the files, so update and delete are
// those of the file manager.

#include "data/file_manager.h"

namespace kv {

class RelationManager {
public:
    explicit RelationManager(FileManager& file)
        : file_(file)
    {
    }

    FileManager& file() const { return file_; }
    void open() { ++uses_; }
    void close();
    int useCount() const { return uses_; }

    Status update() { return file_.update(); }
    Status deleteRecord() { return file_.deleteRecord(); }
    void setQuickScan(bool on) { file_.setQuickScan(on); }

private:
    FileManager& file_;
    int uses_ = 0;
};

} // namespace kv

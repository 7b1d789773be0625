#pragma once

// Reads one file in the order of one key, restricted to the records whose
// first key component (the subject code) equals the value it holds in the
// file's record buffer when the process opens. Records are read a page at a
// time; each one is loaded into the file's buffer, where the bands print it
// from. The process also estimates the percentage done from a text field.

#include "data/file_manager.h"
#include "data/key_reader.h"
#include "sheets/step_estimator.h"

#include <deque>
#include <optional>

namespace kv::sheets {

class RecordProcess {
public:
    RecordProcess(FileManager& file, int key, int progressField);

    // Takes the range value from the buffer, finds the progress limits (the
    // first and last record of the range) and reads the first record into the
    // buffer. False when the range holds no record.
    bool open();
    // Reads the following record of the range into the buffer; false at its end.
    bool next();

    // Records read so far.
    int processed() const { return processed_; }
    // Estimated per cent done at the record last read.
    int percent() const;

private:
    bool fill();
    bool load();

    FileManager& file_;
    KeyReader reader_;
    int progressField_;
    StepEstimator estimator_;
    std::deque<std::pair<KeyAnchor, Record>> page_;
    std::optional<KeyAnchor> anchor_;
    bool exhausted_ = false;
    int processed_ = 0;
};

} // namespace kv::sheets

#pragma once

// The content synchronisation: brings the tracking rows (KVSEGUIR) in line
// with the content catalogue (KVAPRENDE). For the given subject every student
// of its course gets one blank row per catalogue entry that has none yet;
// then, for all subjects, every row whose catalogue entry is gone (matched by
// subject, prioritised content and learning) is deleted. Runs as one batch:
// all of it is kept, or, on any failure, nothing and the files are left as
// they were.

#include "data/dictionary.h"

#include <QString>

namespace kv {

struct SyncResult {
    bool ok = true;
    int created = 0; // rows kept; both 0 when the run failed
    int deleted = 0;
    QString error; // why it failed, for callers without message boxes
};

// `subject` is a KVMATERIAS record (the highlighted subject). Uses the
// dictionary's managers; a failed insert is reported through GlobalErrors
// by Access:KVSEGUIR. Leaves the KVAPRENDE, KVALUAP and KVSEGUIR buffers as
// it found them.
SyncResult synchroniseContents(Dictionary& dict, const Record& subject);

} // namespace kv

#include "sheets/record_process.h"

namespace kv::sheets {
namespace {

// Records per read; large enough that the reads cost little next to the
// printing, small enough that "Cancel" never waits on one.
constexpr int kPageSize = 200;

std::optional<Record> endOfRange(KeyReader& reader, Direction direction)
{
    std::optional<Record> found;
    reader.read(direction, std::nullopt, 1, [&](const KeyAnchor&, const Record& r) {
        found = r;
        return false;
    });
    return found;
}

} // namespace

RecordProcess::RecordProcess(FileManager& file, int key, int progressField)
    : file_(file)
    , reader_(file, key)
    , progressField_(progressField)
{
}

bool RecordProcess::open()
{
    reader_.setPrefixRange(file_.buffer(), 1);
    page_.clear();
    anchor_.reset();
    exhausted_ = false;
    processed_ = 0;

    const std::optional<Record> first = endOfRange(reader_, Direction::Forward);
    if (!first) {
        return false;
    }
    const std::optional<Record> last = endOfRange(reader_, Direction::Backward);
    estimator_.setLimits(first->rawText(progressField_), last ? last->rawText(progressField_) : QByteArray());
    return next();
}

bool RecordProcess::next()
{
    if (page_.empty() && !fill()) {
        return false;
    }
    return load();
}

bool RecordProcess::fill()
{
    if (exhausted_) {
        return false;
    }
    int got = 0;
    const Status s
        = reader_.read(Direction::Forward, anchor_, kPageSize, [&](const KeyAnchor& row, const Record& r) {
              page_.emplace_back(row, r);
              anchor_ = row;
              ++got;
              return true;
          });
    // A read error has been reported by the file layer; the run ends there.
    exhausted_ = s != Status::Ok || got < kPageSize;
    return !page_.empty();
}

bool RecordProcess::load()
{
    auto [row, record] = std::move(page_.front());
    page_.pop_front();
    file_.buffer().assign(record);
    file_.adopt(row.position, record);
    ++processed_;
    return true;
}

int RecordProcess::percent() const
{
    return estimator_.percent(file_.buffer().rawText(progressField_));
}

} // namespace kv::sheets

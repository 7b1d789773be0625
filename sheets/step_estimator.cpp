#include "sheets/step_estimator.h"

#include <algorithm>
#include <array>

namespace kv::sheets {
namespace {

// Four characters tell names apart well enough for a progress bar.
constexpr int kSignificant = 4;

// Rank of every byte: how many letters and digits sort at or below it.
// Bytes outside the alphabet share the rank of the alphabet character below
// them, so the ranking follows the byte order without gaps.
constexpr std::array<int, 256> makeRanks()
{
    std::array<int, 256> ranks {};
    int rank = 0;
    for (int b = 0; b < 256; ++b) {
        const bool alnum = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
        if (alnum) {
            ++rank;
        }
        ranks[static_cast<std::size_t>(b)] = rank;
    }
    return ranks;
}

constexpr std::array<int, 256> kRanks = makeRanks();
constexpr std::int64_t kBase = 10 + 26 + 26 + 1;

} // namespace

std::int64_t StepEstimator::position(const QByteArray& value)
{
    std::int64_t p = 0;
    for (int i = 0; i < kSignificant; ++i) {
        const int rank = i < value.size() ? kRanks[static_cast<unsigned char>(value[i])] : 0;
        p = p * kBase + rank;
    }
    return p;
}

void StepEstimator::setLimits(const QByteArray& low, const QByteArray& high)
{
    low_ = position(low);
    high_ = position(high);
}

int StepEstimator::percent(const QByteArray& value) const
{
    const std::int64_t p = position(value);
    if (p >= high_) {
        return 100;
    }
    if (p <= low_) {
        return 0;
    }
    return static_cast<int>(std::clamp<std::int64_t>((p - low_) * 100 / (high_ - low_), 0, 100));
}

} // namespace kv::sheets

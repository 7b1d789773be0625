#pragma once

// Estimates how far through a range a run has come from the value of a text
// field (the student's name) between the first and the last value of the
// range. The first characters are read as digits of a number over the
// alphabet of digits and letters, ranked in the key's own (byte) order, so
// the estimate never goes back while the records come in key order.

#include <QByteArray>
#include <cstdint>

namespace kv::sheets {

class StepEstimator {
public:
    void setLimits(const QByteArray& low, const QByteArray& high);
    // Whole per cent, 0 to 100.
    int percent(const QByteArray& value) const;

private:
    static std::int64_t position(const QByteArray& value);

    std::int64_t low_ = 0;
    std::int64_t high_ = 0;
};

} // namespace kv::sheets

#pragma once

// Settings and helpers shared by the file manager's translation units.

#include <string>

namespace kv::detail {

constexpr int kBusyWaitMs = 10 * 1000; // lock recovery: wait up to ten seconds for a lock to clear
constexpr int kCacheKb = 16 * 1024;
constexpr int kBatchCacheKb = 64 * 1024;
constexpr int kAutoNumberAttempts = 3;

inline std::string pragma(const char* name, long long value)
{
    return std::string("PRAGMA ") + name + "=" + std::to_string(value);
}

} // namespace kv::detail

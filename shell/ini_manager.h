#pragma once

// The INI service of the program: window placements, one section per
// procedure, and the sector list kept in "__Dont_Touch_Me__". Every call
// reads the file afresh, and a change is saved at once, so that what other
// windows wrote meanwhile is kept. A missing or damaged file is never an
// error; failures to write are not reported.

#include "shell/ini_file.h"

#include <QString>
#include <limits>
#include <mutex>
#include <optional>
#include <vector>

namespace kv {

// Stored for a position or size that the window did not have.
inline constexpr int kNoPlacementValue = std::numeric_limits<int>::min();

// A window's placement as saved, in the coordinate units of window layouts.
struct Placement {
    bool maximized = false;
    bool minimized = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A placement as read back. A missing or no-value entry is left empty: the
// window keeps its designed position or size there.
struct RestoredPlacement {
    bool maximized = false;
    bool minimized = false; // the stored "Yes"/"No" read as a number, so false in practice
    std::optional<int> x;
    std::optional<int> y;
    std::optional<int> width; // only for resizable windows
    std::optional<int> height; // only for resizable windows

    bool operator==(const RestoredPlacement&) const = default;
};

struct Sector {
    QString family;
    QString item;
    QString type;

    bool operator==(const Sector&) const = default;
};

class INIMgr {
public:
    explicit INIMgr(QString path);

    // Reads the sector list.
    void init();
    // Writes the sector list back and discards it.
    void kill();
    std::vector<Sector> sectors() const;

    void update(const QString& procedure, const Placement& current, bool resizable);
    // Nothing when the procedure has no saved placement ("Maximize" is not
    // exactly "Yes" or "No").
    std::optional<RestoredPlacement> fetch(const QString& procedure, bool resizable) const;

private:
    IniFile read() const;

    QString path_;
    std::vector<Sector> sectors_;
    mutable std::mutex mutex_;
};

} // namespace kv

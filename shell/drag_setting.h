#pragma once

// The desktop setting "show window contents while dragging". The program
// switches it off while it runs and back on at an orderly exit, and only
// when it was on at start.

#include <optional>

namespace kv {

class DesktopDragSetting {
public:
    virtual ~DesktopDragSetting() = default;
    // The current value, or nothing when the desktop has no such setting.
    virtual std::optional<int> read() = 0;
    // Sets the value for the user's profile and tells every window.
    virtual void write(int value) = 0;
};

// The setting of the Windows desktop; elsewhere there is none: read() gives
// nothing and write() does nothing.
class SystemDragSetting final : public DesktopDragSetting {
public:
    std::optional<int> read() override;
    void write(int value) override;
};

class DragSettingGuard {
public:
    // Remembers the setting as found; when it is 1 (on), switches it off.
    void start(DesktopDragSetting& setting);
    // Switches the setting back on when start() found it on; otherwise the
    // setting is not touched. Only for an orderly exit, so not a destructor:
    // after a crash the setting stays off.
    void finish();

    std::optional<int> settingAtStart() const { return lCurrentFDSetting_; }

private:
    DesktopDragSetting* setting_ = nullptr; // not owned; set by start()
    std::optional<int> lCurrentFDSetting_;
};

} // namespace kv

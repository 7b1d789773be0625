#include "shell/drag_setting.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kv {

#ifdef _WIN32

std::optional<int> SystemDragSetting::read()
{
    BOOL on = FALSE;
    if (!SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0))
        return std::nullopt;
    return static_cast<int>(on);
}

void SystemDragSetting::write(int value)
{
    SystemParametersInfoA(
        SPI_SETDRAGFULLWINDOWS, static_cast<UINT>(value), nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

#else

std::optional<int> SystemDragSetting::read()
{
    return std::nullopt;
}
void SystemDragSetting::write(int /*value*/)
{
}

#endif

void DragSettingGuard::start(DesktopDragSetting& setting)
{
    setting_ = &setting;
    lCurrentFDSetting_ = setting.read();
    if (lCurrentFDSetting_ == 1)
        setting.write(0);
}

void DragSettingGuard::finish()
{
    if (setting_ && lCurrentFDSetting_ == 1)
        setting_->write(1);
    setting_ = nullptr; // a second finish() does nothing
}

} // namespace kv

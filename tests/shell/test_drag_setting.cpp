#include "shell/drag_setting.h"

#include <gtest/gtest.h>
#include <vector>

namespace kv {
namespace {

class FakeDragSetting : public DesktopDragSetting {
public:
    explicit FakeDragSetting(std::optional<int> initial)
        : value(initial)
    {
    }
    std::optional<int> read() override { return value; }
    void write(int v) override
    {
        value = v;
        writes.push_back(v);
    }

    std::optional<int> value;
    std::vector<int> writes;
};

TEST(DragSettingGuardTest, OnlyASettingFoundOnIsSwitchedOffAndBackOn)
{
    struct Case {
        const char* name;
        std::optional<int> atStart;
        std::vector<int> writesDuringRun;
        std::vector<int> writesAfterFinish;
    };
    const Case cases[] = {
        {"on", 1, {0}, {0, 1}},
        {"off", 0, {}, {}},
        {"unknown value", 2, {}, {}},
        {"no such setting", std::nullopt, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDragSetting desktop(c.atStart);
        DragSettingGuard guard;
        guard.start(desktop);
        EXPECT_EQ(guard.settingAtStart(), c.atStart);
        EXPECT_EQ(desktop.writes, c.writesDuringRun);
        guard.finish();
        guard.finish(); // a second exit path must not write again
        EXPECT_EQ(desktop.writes, c.writesAfterFinish);
    }
}

} // namespace
} // namespace kv

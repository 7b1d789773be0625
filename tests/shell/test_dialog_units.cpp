#include "shell/dialog_units.h"
#include "shell/ini_file.h"
#include "shell/ini_manager.h"
#include "shell/window_placement.h"
#include "tests/support/test_support.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <limits>

namespace kv {
namespace {

TEST(DialogUnitsTest, UnitsRoundTripThroughPixels)
{
    const DialogUnits units(kvFont(QStringLiteral("Calibri"), 9));
    // With at least a pixel per unit every unit value survives the way there and back.
    ASSERT_GE(units.pixelsPerXUnit(), 1.0);
    ASSERT_GE(units.pixelsPerYUnit(), 1.0);
    for (const int value : {0, 1, 3, 7, 125, 333, -1, -48, 10000}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(units.xFromPixels(units.xToPixels(value)), value);
        EXPECT_EQ(units.yFromPixels(units.yToPixels(value)), value);
    }
    EXPECT_EQ(units.toPixels(-3, 7, 125, 333),
        QRect(units.xToPixels(-3), units.yToPixels(7), units.xToPixels(125), units.yToPixels(333)));
    // Damaged stored values must not overflow.
    EXPECT_EQ(units.xToPixels(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
    EXPECT_EQ(units.yToPixels(std::numeric_limits<int>::min() + 1), std::numeric_limits<int>::min());
}

TEST(DialogUnitsTest, BiggerFontGivesBiggerUnits)
{
    const DialogUnits small(kvFont(QStringLiteral("Calibri"), 8));
    const DialogUnits big(kvFont(QStringLiteral("Calibri"), 16));
    EXPECT_GT(big.xToPixels(100), small.xToPixels(100));
    EXPECT_GT(big.yToPixels(100), small.yToPixels(100));
    EXPECT_LT(big.xFromPixels(400), small.xFromPixels(400));
}

TEST(DialogUnitsTest, LayoutFacesResolveToInstalledTwins)
{
    struct Case {
        const char* face;
        const char* family;
        bool fixedPitch;
    };
    const Case cases[] = {
        {"Calibri", "Carlito", false},
        {"Consolas", "DejaVu Sans Mono", true},
        {"consolas", "DejaVu Sans Mono", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        const QFontInfo info(kvFont(QString::fromLatin1(c.face), 10, true));
        EXPECT_EQ(info.family().toStdString(), c.family);
        EXPECT_EQ(info.fixedPitch(), c.fixedPitch);
        EXPECT_TRUE(info.bold());
    }
}

TEST(TitleAreaTest, MustBeGrabbableOnSomeScreen)
{
    const QList<QRect> screens = {QRect(0, 0, 800, 600), QRect(800, 0, 1024, 768)};
    struct Case {
        QPoint topLeft;
        int width;
        bool visible;
    };
    const Case cases[] = {
        {{100, 100}, 300, true},
        {{-260, 0}, 300, true}, // 40 pixels left on the first screen
        {{-261, 0}, 300, false}, // 39 pixels
        {{0, 580}, 300, true}, // title area exactly on the bottom
        {{0, 581}, 300, false}, // one pixel of it below
        {{0, -1}, 300, false}, // title bar above the screen
        {{1500, 700}, 300, true}, // second, taller screen
        {{1500, 750}, 300, false},
        {{790, 0}, 20, false}, // 10 pixels on each screen: neither is enough
        {{780, 0}, 20, true}, // a narrow window needs only its own width
        {{5000, 5000}, 300, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.topLeft.x() << "," << c.topLeft.y() << " width " << c.width);
        EXPECT_EQ(titleAreaOnScreen(c.topLeft, c.width, screens), c.visible);
    }
}

class WindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.setFont(kvFont(QStringLiteral("Calibri"), 9));
        window_.resize(200, 100);
        window_.move(designed_);
    }

    test::TempFolder folder_;
    INIMgr ini_ {folder_.file(QStringLiteral("KVAPP.INI"))};
    QWidget window_;
    const QPoint designed_ {120, 90};
};

TEST_F(WindowPlacementTest, PositionOffEveryScreenKeepsTheDesignedPlace)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const DialogUnits units(window_.font());
    const int right = units.xFromPixels(screen.right() + 10);
    const int below = units.yFromPixels(screen.bottom() + 10);
    const int left = units.xFromPixels(screen.left() - 400);
    const QPoint positions[] = {{right, 10}, {10, below}, {left, 10}, {1000000, 1000000}};
    for (const QPoint& position : positions) {
        SCOPED_TRACE(testing::Message() << position.x() << "," << position.y());
        ini_.update(QStringLiteral("Main"), {false, false, position.x(), position.y(), 150, 60}, true);
        window_.move(designed_);
        restorePlacement(ini_, QStringLiteral("Main"), &window_, true);
        EXPECT_EQ(window_.pos(), designed_);
        EXPECT_EQ(window_.size(), QSize(units.xToPixels(150), units.yToPixels(60)));
    }
}

TEST_F(WindowPlacementTest, SavedPlacementRestoresOnAnotherWindow)
{
    window_.move(30, 40);
    window_.resize(333, 222);
    savePlacement(ini_, QStringLiteral("Main"), &window_, true);

    QWidget other;
    other.setFont(window_.font());
    other.move(designed_);
    restorePlacement(ini_, QStringLiteral("Main"), &other, true);

    // Within half a unit of what was saved.
    const DialogUnits units(window_.font());
    const int dx = static_cast<int>(units.pixelsPerXUnit() / 2 + 1);
    const int dy = static_cast<int>(units.pixelsPerYUnit() / 2 + 1);
    EXPECT_NEAR(other.x(), 30, dx);
    EXPECT_NEAR(other.y(), 40, dy);
    EXPECT_NEAR(other.width(), 333, dx);
    EXPECT_NEAR(other.height(), 222, dy);
    EXPECT_FALSE(other.isMaximized());
}

TEST_F(WindowPlacementTest, FixedSizeWindowTakesOnlyThePosition)
{
    ini_.update(QStringLiteral("Main"), {false, false, 20, 20, 400, 300}, true);
    restorePlacement(ini_, QStringLiteral("Main"), &window_, false);
    const DialogUnits units(window_.font());
    EXPECT_EQ(window_.pos(), QPoint(units.xToPixels(20), units.yToPixels(20)));
    EXPECT_EQ(window_.size(), QSize(200, 100));
}

TEST_F(WindowPlacementTest, MaximisedStateFollowsTheSavedOneAndMinimisedNever)
{
    window_.setWindowState(Qt::WindowMaximized);
    savePlacement(ini_, QStringLiteral("Main"), &window_, true);
    // Placements are restored on windows already open.
    QWidget reopened;
    reopened.show();
    restorePlacement(ini_, QStringLiteral("Main"), &reopened, true);
    EXPECT_TRUE(reopened.isMaximized());

    ini_.update(QStringLiteral("Main"), {false, false, 20, 20, 400, 300}, true);
    restorePlacement(ini_, QStringLiteral("Main"), &reopened, true);
    EXPECT_FALSE(reopened.isMaximized());
    const DialogUnits units(reopened.font());
    EXPECT_EQ(reopened.pos(), QPoint(units.xToPixels(20), units.yToPixels(20)));

    // Un-maximised even when nothing is moved or resized.
    reopened.setWindowState(Qt::WindowMaximized);
    ini_.update(QStringLiteral("Main"), {false, false, kNoPlacementValue, kNoPlacementValue, 0, 0}, false);
    restorePlacement(ini_, QStringLiteral("Main"), &reopened, false);
    EXPECT_FALSE(reopened.isMaximized());

    // A stored number other than 0 would minimise; a window never reopens minimised.
    ini_.update(QStringLiteral("Main"), {false, true, 0, 0, 0, 0}, true);
    IniFile file;
    file.load(folder_.file(QStringLiteral("KVAPP.INI")));
    file.setValue(QStringLiteral("Main"), QStringLiteral("Minimize"), QStringLiteral("1"));
    ASSERT_TRUE(file.save(folder_.file(QStringLiteral("KVAPP.INI"))));
    QWidget next;
    next.show();
    restorePlacement(ini_, QStringLiteral("Main"), &next, true);
    EXPECT_FALSE(next.isMinimized());
}

TEST_F(WindowPlacementTest, NothingSavedLeavesTheWindowAlone)
{
    restorePlacement(ini_, QStringLiteral("Main"), &window_, true);
    EXPECT_EQ(window_.geometry(), QRect(designed_, QSize(200, 100)));
}

} // namespace
} // namespace kv

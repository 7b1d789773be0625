#include "shell/ini_file.h"
#include "shell/ini_manager.h"
#include "tests/support/test_support.h"

#include <QFile>
#include <gtest/gtest.h>

namespace kv {

// Readable failures; internal linkage, found by argument-dependent lookup.
static void PrintTo(const RestoredPlacement& p, std::ostream* os)
{
    const auto show
        = [](const std::optional<int>& v) { return v ? std::to_string(*v) : std::string("none"); };
    *os << "{max=" << p.maximized << " min=" << p.minimized << " x=" << show(p.x) << " y=" << show(p.y)
        << " w=" << show(p.width) << " h=" << show(p.height) << "}";
}

namespace {

class IniManagerTest : public ::testing::Test {
protected:
    QString path() const { return folder_.file(QStringLiteral("KVAPP.INI")); }

    void writeFile(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::optional<QString> stored(const QString& section, const QString& key) const
    {
        IniFile ini;
        ini.load(path());
        return ini.value(section, key);
    }

    test::TempFolder folder_;
};

const QString kMain = QStringLiteral("Main");

RestoredPlacement restored(bool maximized, bool minimized, std::optional<int> x = {},
    std::optional<int> y = {}, std::optional<int> width = {}, std::optional<int> height = {})
{
    return {maximized, minimized, x, y, width, height};
}
const QStringList kPlacementKeys = {"XPos", "YPos", "Width", "Height"};

TEST_F(IniManagerTest, MaximisedOrMinimisedWindowKeepsOnlyItsState)
{
    struct Case {
        const char* name;
        Placement placement;
        const char* maximize;
        const char* minimize;
    };
    const Case cases[] = {
        {"maximised", {true, false, 10, 20, 300, 200}, "Yes", "No"},
        {"minimised", {false, true, 10, 20, 300, 200}, "No", "Yes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("[Main]\nXPos=1\nYPos=2\nWidth=3\nHeight=4\n");
        INIMgr ini(path());
        ini.update(kMain, c.placement, true);

        EXPECT_EQ(stored(kMain, "Maximize"), QString::fromLatin1(c.maximize));
        EXPECT_EQ(stored(kMain, "Minimize"), QString::fromLatin1(c.minimize));
        for (const QString& key : kPlacementKeys)
            EXPECT_FALSE(stored(kMain, key)) << key.toStdString();
    }
}

TEST_F(IniManagerTest, NonResizableWindowNeverKeepsItsSize)
{
    writeFile("[Main]\nWidth=300\nHeight=200\n");
    INIMgr ini(path());
    ini.update(kMain, {false, false, 15, 25, 640, 480}, false);

    EXPECT_EQ(stored(kMain, "XPos"), QStringLiteral("15"));
    EXPECT_EQ(stored(kMain, "YPos"), QStringLiteral("25"));
    EXPECT_FALSE(stored(kMain, "Width"));
    EXPECT_FALSE(stored(kMain, "Height"));
}

TEST_F(IniManagerTest, NormalWindowPlacementRestores)
{
    INIMgr ini(path());
    ini.update(kMain, {false, false, -12, 34, 560, 270}, true);

    EXPECT_EQ(ini.fetch(kMain, true), restored(false, false, -12, 34, 560, 270));
    // A window that cannot be resized takes the position only.
    EXPECT_EQ(ini.fetch(kMain, false), restored(false, false, -12, 34));
}

TEST_F(IniManagerTest, FetchReadsStoredTextLikeTheProfileService)
{
    struct Case {
        const char* name;
        const char* section;
        std::optional<RestoredPlacement> expected;
    };
    const Case cases[] = {
        {"no file content", "", std::nullopt},
        {"no Maximize key", "[Main]\nXPos=5\n", std::nullopt},
        {"Maximize not exactly Yes/No", "[Main]\nMaximize=yes\nXPos=5\n", std::nullopt},
        {"Maximize other text", "[Main]\nMaximize=1\nXPos=5\n", std::nullopt},
        {"maximised, position deleted", "[Main]\nMaximize=Yes\nMinimize=No\n", restored(true, false)},
        {"Minimize Yes reads as 0", "[Main]\nMaximize=No\nMinimize=Yes\n", restored(false, false)},
        {"Minimize as a number", "[Main]\nMaximize=No\nMinimize=1\n", restored(false, true)},
        {"garbage numbers", "[Main]\nMaximize=No\nXPos=abc\nYPos=12px\nWidth= -7\nHeight=\n",
            restored(false, false, 0, 12, -7, 0)},
        {"out of range clamps", "[Main]\nMaximize=No\nXPos=99999999999\nYPos=-99999999999\n",
            restored(false, false, 2147483647, std::nullopt)},
        {"no-value marker", "[Main]\nMaximize=No\nXPos=-2147483648\nYPos=3\nWidth=-2147483648\nHeight=9\n",
            restored(false, false, std::nullopt, 3, std::nullopt, 9)},
        {"names in other case", "[MAIN]\nmaximize=No\nxpos=4\n", restored(false, false, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.section);
        INIMgr ini(path());
        EXPECT_EQ(ini.fetch(kMain, true), c.expected);
    }
}

TEST_F(IniManagerTest, SaveKeepsEverythingElseInPlace)
{
    writeFile("; written by hand\r\n"
              "[Other]\r\n"
              "Colour=Blue\r\n"
              "\r\n"
              "[MAIN]\r\n"
              "Custom = kept as typed\r\n"
              "xpos=1\r\n"
              "Width=9\r\n"
              "\r\n"
              "[Last]\r\n"
              "A=1\r\n");
    INIMgr ini(path());
    ini.update(kMain, {false, false, 5, 6, 70, 80}, false);

    EXPECT_EQ(readFile().toStdString(),
        "; written by hand\r\n"
        "[Other]\r\n"
        "Colour=Blue\r\n"
        "\r\n"
        "[MAIN]\r\n"
        "Custom = kept as typed\r\n"
        "xpos=5\r\n"
        "Maximize=No\r\n"
        "Minimize=No\r\n"
        "YPos=6\r\n"
        "\r\n"
        "[Last]\r\n"
        "A=1\r\n");
}

TEST_F(IniManagerTest, GarbageFileIsHarmlessAndKept)
{
    QByteArray junk("\x00\x01\xff\xfe=\x80[\n", 9);
    junk += "line without equals sign\n"
            "[Unclosed section\n"
            "=value without key\n"
            "[Main\n"
            "Maximize=Yes\n"
            "\xc3\xa9\xe9 ;;; \x1b\n";
    writeFile(junk);

    INIMgr ini(path());
    ini.init();
    EXPECT_TRUE(ini.sectors().empty());
    // Keys under a header that is never closed belong to no section.
    EXPECT_FALSE(ini.fetch(kMain, true));

    ini.update(kMain, {false, false, 1, 2, 3, 4}, true);
    EXPECT_EQ(ini.fetch(kMain, true), restored(false, false, 1, 2, 3, 4));
    EXPECT_TRUE(readFile().startsWith(junk)) << "the junk is written back byte for byte";
}

TEST_F(IniManagerTest, SectorListIsReadAtInitAndWrittenBackAtKill)
{
    writeFile("[__Dont_Touch_Me__]\n"
              "Sectors=2\n"
              "Sectors_1=Fam,Item,Type\n"
              "Sectors_2=a,b\n"
              "Sectors_3=beyond,the,count\n");
    INIMgr ini(path());
    ini.init();
    ASSERT_EQ(ini.sectors(), (std::vector<Sector> {{"Fam", "Item", "Type"}, {"a", "b", ""}}));

    writeFile("[Main]\nMaximize=No\n"); // written meanwhile by someone else
    ini.kill();
    EXPECT_TRUE(ini.sectors().empty());
    EXPECT_EQ(stored("__Dont_Touch_Me__", "Sectors"), QStringLiteral("2"));
    EXPECT_EQ(stored("__Dont_Touch_Me__", "Sectors_1"), QStringLiteral("Fam,Item,Type"));
    EXPECT_EQ(stored("__Dont_Touch_Me__", "Sectors_2"), QStringLiteral("a,b,"));
    EXPECT_EQ(stored(kMain, "Maximize"), QStringLiteral("No"));
}

TEST_F(IniManagerTest, EmptySectorListIsWrittenAsZero)
{
    const char* const files[] = {nullptr, "", "[__Dont_Touch_Me__]\nSectors=none\n"};
    for (const char* content : files) {
        SCOPED_TRACE(content ? content : "no file");
        QFile::remove(path());
        if (content)
            writeFile(content);
        INIMgr ini(path());
        ini.init();
        EXPECT_TRUE(ini.sectors().empty());
        ini.kill();
        EXPECT_EQ(stored("__Dont_Touch_Me__", "Sectors"), QStringLiteral("0"));
    }
}

TEST_F(IniManagerTest, UnwritableFileIsNotAnError)
{
    INIMgr ini(folder_.file(QStringLiteral("missing/KVAPP.INI")));
    ini.init();
    ini.update(kMain, {false, false, 1, 2, 3, 4}, true);
    ini.kill();
    EXPECT_FALSE(ini.fetch(kMain, true));
    EXPECT_FALSE(QFile::exists(folder_.file(QStringLiteral("missing"))));
}

TEST_F(IniManagerTest, DamagedSectorCountStopsAtTheFirstMissingEntry)
{
    writeFile("[__Dont_Touch_Me__]\nSectors=2147483647\nSectors_1=x,y,z\nSectors_3=skipped,,\n");
    INIMgr ini(path());
    ini.init();
    EXPECT_EQ(ini.sectors(), (std::vector<Sector> {{"x", "y", "z"}}));
}

TEST(IniFileTest, NamesMatchInAnyCaseAndAFailedSaveChangesNothing)
{
    const test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("a.ini"));
    IniFile ini;
    ini.load(path); // missing: empty
    EXPECT_FALSE(ini.value("S", "k"));
    ini.setValue("S", "k", "1");
    ini.setValue("S", "dup", "x");
    ini.setValue("s", "K", "2");
    ASSERT_TRUE(ini.save(path));

    IniFile again;
    again.load(path);
    EXPECT_EQ(again.value("s", "k"), QStringLiteral("2"));
    again.remove("S", "DUP");
    EXPECT_FALSE(again.value("S", "dup"));
    EXPECT_FALSE(again.save(folder.file(QStringLiteral("no/such/dir.ini"))));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().replace("\r\n", "\n").toStdString(), "[S]\nk=2\ndup=x\n");
}

} // namespace
} // namespace kv

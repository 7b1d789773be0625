// Display pictures, as lists and sheets show values.

#include "shell/picture.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Picture, NumbersTextsAndDates)
{
    struct Case {
        const char* picture;
        std::int64_t value;
        const char* shown;
    };
    const Case numbers[] = {
        {"@n-14", 20345678, "20345678"},
        {"@n-7", -12, "-12"},
        {"@n3", 4, "4"},
        {"@n3", 1234, "###"},
        {"@n_10", 0, "0"},
        {"@n2", 4, "4"},
    };
    for (const Case& c : numbers) {
        EXPECT_EQ(
            Picture::parse(QString::fromLatin1(c.picture)).number(c.value), QString::fromLatin1(c.shown))
            << c.picture << " " << c.value;
    }
    const Case decimals[] = {
        {"@n6.2B", 0, ""},
        {"@n6.2B", 250, "2.50"},
        {"@n6.2B", -75, "-0.75"},
        {"@n6.2B", 1234567, "######"},
    };
    for (const Case& c : decimals) {
        EXPECT_EQ(
            Picture::parse(QString::fromLatin1(c.picture)).hundredths(c.value), QString::fromLatin1(c.shown))
            << c.picture << " " << c.value;
    }
    EXPECT_EQ(Picture::parse(u"@s1").text(QStringLiteral("X         ")), QStringLiteral("X"));
    EXPECT_EQ(Picture::parse(u"@s3").text(QStringLiteral("Abcdef")), QStringLiteral("Abc"));
    EXPECT_EQ(Picture::parse(u"@s10").text(QStringLiteral("Primer Ciclo")), QStringLiteral("Primer Cic"));
    EXPECT_EQ(Picture::parse(u"@d06").date({5, 3, 2024}), QStringLiteral("05/03/2024"));
    EXPECT_EQ(Picture::parse(u"@d06").date({}), QString());
}

} // namespace
} // namespace kv

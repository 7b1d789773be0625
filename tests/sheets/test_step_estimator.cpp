// The percentage estimated from the student's name between the range's
// first and last name.

#include "data/cp1252.h"
#include "sheets/step_estimator.h"

#include <gtest/gtest.h>

namespace kv::sheets {
namespace {

QByteArray name(const char16_t* text)
{
    return cp1252::encodeLossy(QStringView(text));
}

TEST(SheetProgressEstimate, RisesWithTheNameInKeyOrderAndStaysWithin0To100)
{
    // Key order of a case-sensitive text key: byte order of Windows-1252.
    const char16_t* names[] = {u"ACUÑA, Ignacio", u"ACUÑA, Ignacio", u"BRAVO", u"Gomez", u"GÓMEZ", u"MUÑOZ",
        u"Ruiz", u"SOSA, Mía", u"ZAPATA", u"adams", u"ÁLVAREZ"};
    StepEstimator estimator;
    estimator.setLimits(name(names[0]), name(std::end(names)[-1]));

    int previous = -1;
    for (const char16_t* n : names) {
        const int p = estimator.percent(name(n));
        EXPECT_GE(p, previous) << QString::fromUtf16(n).toStdString();
        previous = p;
    }
    EXPECT_EQ(estimator.percent(name(names[0])), 0);
    EXPECT_EQ(estimator.percent(name(std::end(names)[-1])), 100);
    EXPECT_GT(estimator.percent(name(u"MUÑOZ")), 0);
    EXPECT_LT(estimator.percent(name(u"MUÑOZ")), 100);
    // Outside the limits (a record added meanwhile) the estimate is clipped.
    EXPECT_EQ(estimator.percent(name(u"ÿÿÿ")), 100);
    EXPECT_EQ(estimator.percent(name(u"   ")), 0);
}

TEST(SheetProgressEstimate, OneNameOnlyCountsAsDone)
{
    StepEstimator estimator;
    estimator.setLimits("PAZ", "PAZ");
    EXPECT_EQ(estimator.percent("PAZ"), 100);
}

} // namespace
} // namespace kv::sheets

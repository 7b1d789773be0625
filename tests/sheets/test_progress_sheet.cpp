// The progress sheet's pages: 27 rows a page with a cumulative footer, the
// header from the caller's subject, the detail row's cells.

#include "tests/sheets/sheet_fixture.h"

namespace kv::sheets::test {
namespace {

using ProgressSheet = SheetFixture;

QString student(int n)
{
    return QStringLiteral("ALUMNO %1").arg(n, 3, 10, QLatin1Char('0'));
}

// The footer's count stands at x 19, y 2 of the footer band (4, 196).
QString footerCount(const Page& page)
{
    for (const PageText* t : page.texts()) {
        if (t->box.topLeft() == QPointF(23, 198)) {
            return t->text;
        }
    }
    return QStringLiteral("(none)");
}

TEST_F(ProgressSheet, FillsPagesOf27RowsWithACumulativeFooter)
{
    const struct {
        int rows;
        std::vector<QString> footers;
    } cases[] = {
        {1, {"1"}},
        {27, {"27"}},
        {28, {"27", "28"}},
        {55, {"27", "54", "55"}},
    };
    std::int32_t subject = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        ++subject;
        for (int n = 1; n <= c.rows; ++n) {
            addGrade(subject, student(n));
        }
        const SheetDocument doc = build(progressSheet(), subject);
        ASSERT_EQ(doc.pages.size(), c.footers.size());
        EXPECT_EQ(doc.rows, c.rows);
        for (std::size_t p = 0; p < doc.pages.size(); ++p) {
            EXPECT_EQ(footerCount(doc.pages[p]), c.footers[p]) << "page " << p + 1;
        }
        // Row 27 is the last of page 1; the next page starts at the top of the detail area.
        if (c.rows >= 27) {
            EXPECT_EQ(theText(doc.pages[0], student(27))->box.top(), 30 + 26 * 6 + 1);
        }
        if (c.rows >= 28) {
            EXPECT_EQ(theText(doc.pages[1], student(28))->box.top(), 31);
        }
    }
}

TEST_F(ProgressSheet, HeaderShowsTheCallersSubjectAndEachPagesFirstRow)
{
    // The rows name their subject themselves; the class data is whatever the
    // caller left in the KVMATERIAS buffer, even another subject.
    for (int n = 1; n <= 28; ++n) {
        addGrade(5, student(n), {}, {}, {}, QStringLiteral("Materia del alumno %1").arg(n));
    }
    setCallerSubject(QStringLiteral("PÉREZ, Ana"), QStringLiteral("Segundo Ciclo"), 4, QStringLiteral("B"),
        QStringLiteral("Tarde"));
    const SheetDocument doc = build(progressSheet(), 5);
    ASSERT_EQ(doc.pages.size(), 2u);

    EXPECT_EQ(theText(doc.pages[0], QStringLiteral("Materia del alumno 1"))->box, QRectF(8, 7, 160, 6));
    EXPECT_EQ(theText(doc.pages[1], QStringLiteral("Materia del alumno 28"))->box, QRectF(8, 7, 160, 6));
    for (const Page& page : doc.pages) {
        const PageText* teacher = theText(page, QStringLiteral("PÉREZ, Ana"));
        ASSERT_TRUE(teacher);
        EXPECT_EQ(teacher->box, QRectF(181, 15, 106, 6)); // 2 in from the right edge
        EXPECT_TRUE(teacher->align & Qt::AlignRight);
        EXPECT_EQ(teacher->font, (FontSpec {"Calibri", 12, true}));
        EXPECT_EQ(theText(page, QStringLiteral("Segundo Cic"))->box.topLeft(), QPointF(8, 15)); // "@s11"
        const PageText* course = theText(page, QStringLiteral("4"));
        ASSERT_TRUE(course);
        EXPECT_EQ(course->box.left(), 35);
        EXPECT_TRUE(course->align & Qt::AlignRight); // a number stands at the right of its positions
        EXPECT_EQ(theText(page, QStringLiteral("B"))->box.topLeft(), QPointF(46, 15));
        EXPECT_EQ(theText(page, QStringLiteral("Tarde"))->box.topLeft(), QPointF(56, 15));
    }
}

TEST_F(ProgressSheet, PrintsARowInItsCells)
{
    const QString longName = QStringLiteral("FERNÁNDEZ DE LA TORRE, María J"); // all 30 characters
    ASSERT_EQ(longName.size(), 30);
    addGrade(3, longName, QStringLiteral("MB"), QStringLiteral("B+"), QStringLiteral("10"));
    const Page page = build(progressSheet(), 3).pages.at(0);

    const struct {
        QString text;
        QRectF box;
        Qt::Alignment align;
    } cells[] = {
        {longName, {8, 31, 127, 4}, Qt::AlignLeft},
        {"MB", {146, 31, 10, 4}, Qt::AlignHCenter},
        {"B+", {173, 31, 10, 4}, Qt::AlignHCenter},
        {"10", {200, 31, 10, 4}, Qt::AlignHCenter},
    };
    for (const auto& cell : cells) {
        const PageText* t = theText(page, cell.text);
        ASSERT_TRUE(t) << cell.text.toStdString();
        EXPECT_EQ(t->box, cell.box) << cell.text.toStdString();
        EXPECT_TRUE(t->align & cell.align) << cell.text.toStdString();
        EXPECT_EQ(t->font, (FontSpec {"Calibri", 8, true}));
    }
}

TEST_F(ProgressSheet, EmptyMarksLeaveTheirCellsBlankButTheRowStands)
{
    addGrade(3, QStringLiteral("SOSA, Mía"));
    const Page page = build(progressSheet(), 3).pages.at(0);

    for (const PageText* t : page.texts()) {
        if (t->box.top() >= 30 && t->box.top() < 36) {
            EXPECT_EQ(t->text, QStringLiteral("SOSA, Mía")) << "only the name prints in the row";
        }
    }
    EXPECT_TRUE(hasBox(page, {6, 30, 131, 6})); // the shaded name cell
    for (double x : {6, 137, 164, 192, 219, 289}) {
        EXPECT_TRUE(hasLine(page, {x, 30, x, 36})) << "rule at " << x;
    }
    EXPECT_TRUE(hasLine(page, {6, 36, 289, 36}));
}

TEST_F(ProgressSheet, PrintsOnlyTheSubjectsRowsInCaseSensitiveNameOrder)
{
    addGrade(7, QStringLiteral("ZAPATA, Luis"));
    addGrade(7, QStringLiteral("adams, Eva"));
    addGrade(8, QStringLiteral("OTRA MATERIA, Ana"));
    addGrade(7, QStringLiteral("BRAVO, Juan"));
    const Page page = build(progressSheet(), 7).pages.at(0);

    const QString expected[] = {"BRAVO, Juan", "ZAPATA, Luis", "adams, Eva"};
    for (int i = 0; i < 3; ++i) {
        const PageText* t = theText(page, expected[i]);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->box.top(), 31 + 6 * i) << expected[i].toStdString();
    }
    EXPECT_TRUE(textsReading(page, QStringLiteral("OTRA MATERIA, Ana")).empty());
    EXPECT_EQ(footerCount(page), QStringLiteral("3"));
}

} // namespace
} // namespace kv::sheets::test

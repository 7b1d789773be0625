// The contents sheet's pages: student bands, the detail row's cells and
// marks, blank memos, and bands that start a new page.

#include "tests/sheets/sheet_fixture.h"

namespace kv::sheets::test {
namespace {

using ContentsSheet = SheetFixture;

TEST_F(ContentsSheet, PrintsAStudentBandBeforeEachNewName)
{
    addTracking(9, QStringLiteral("BENÍTEZ, Sol"), QStringLiteral("Contenido B1"));
    addTracking(9, QStringLiteral("ÁLVAREZ, Teo"), QStringLiteral("Contenido A1")); // after the capitals
    addTracking(9, QStringLiteral("BENÍTEZ, Sol"), QStringLiteral("Contenido B2"));
    addTracking(9, QStringLiteral("ACOSTA, Ema"), QStringLiteral("Contenido C1"));
    addTracking(4, QStringLiteral("ACOSTA, Ema"), QStringLiteral("Otra materia"));
    const SheetDocument doc = build(contentsSheet(), 9);
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page& page = doc.pages[0];

    // band ACOSTA 30, row 36; band BENÍTEZ 48, rows 54, 66; band ÁLVAREZ 78, row 84
    const struct {
        QString text;
        double top;
    } expected[] = {
        {"ACOSTA, Ema", 32},
        {"Contenido C1", 37},
        {"BENÍTEZ, Sol", 50},
        {"Contenido B1", 55},
        {"Contenido B2", 67},
        {"ÁLVAREZ, Teo", 80},
        {"Contenido A1", 85},
    };
    for (const auto& e : expected) {
        const PageText* t = theText(page, e.text);
        ASSERT_TRUE(t) << e.text.toStdString();
        EXPECT_EQ(t->box.top(), e.top + (e.text.startsWith(u"Contenido") ? 0.5 : 0)) << e.text.toStdString();
    }
    for (double top : {30, 48, 78}) {
        EXPECT_TRUE(hasBox(page, {6, top, 283, 6})) << "student band at " << top;
    }
    EXPECT_TRUE(textsReading(page, QStringLiteral("Otra materia")).empty());
    EXPECT_EQ(doc.rows, 4);
}

TEST_F(ContentsSheet, PrintsARowInItsCells)
{
    addTracking(2, QStringLiteral("PAZ, Sofía"), QStringLiteral("Lectura de cuentos"), {"X", "-", "E", "P"},
        QStringLiteral("Lee con fluidez"), QStringLiteral("Con apoyo"));
    const Page page = build(contentsSheet(), 2).pages.at(0);

    // The detail band follows the student band: it starts at y 36.
    const struct {
        QString text;
        QRectF box;
        FontSpec font;
        bool wrap;
    } cells[] = {
        {"PAZ, Sofía", {8, 32, 60, 4}, {"Calibri", 8, true}, false},
        {"Lectura de cuentos", {71.5, 37.5, 62, 9}, {"Calibri", 8, false}, true}, // inside its frame
        {"Lee con fluidez", {137, 37, 87, 10}, {"Calibri", 7, false}, true},
        {"X", {225, 38, 6, 6}, {"Calibri", 14, true}, false},
        {"-", {231, 38, 6, 6}, {"Calibri", 14, true}, false},
        {"E", {237, 38, 6, 6}, {"Calibri", 14, true}, false},
        {"P", {244, 38, 6, 6}, {"Calibri", 14, true}, false},
        {"Con apoyo", {250.5, 37.5, 37, 9}, {"Calibri", 7, false}, true},
    };
    for (const auto& cell : cells) {
        const PageText* t = theText(page, cell.text);
        ASSERT_TRUE(t) << cell.text.toStdString();
        EXPECT_EQ(t->box, cell.box) << cell.text.toStdString();
        EXPECT_EQ(t->font, cell.font) << cell.text.toStdString();
        EXPECT_EQ(t->wrap, cell.wrap) << cell.text.toStdString();
    }
    EXPECT_TRUE(hasBox(page, {71, 37, 63, 10})); // frames of the boxed texts
    EXPECT_TRUE(hasBox(page, {250, 37, 38, 10}));
}

TEST_F(ContentsSheet, MarksPrintTheirFirstCharacterLargeAndCentred)
{
    const struct {
        QString stored;
        QString printed; // empty: nothing prints
    } cases[] = {
        {"X", "X"},
        {"-", "-"},
        {"", ""},
        {"XYZ", "X"},
    };
    std::int32_t subject = 20;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        addTracking(
            ++subject, QStringLiteral("RUIZ, Ana"), QStringLiteral("Contenido"), {c.stored, {}, {}, {}});
        const Page page = build(contentsSheet(), subject).pages.at(0);
        std::vector<const PageText*> inColumn;
        for (const PageText* t : page.texts()) {
            if (t->box == QRectF(225, 38, 6, 6)) {
                inColumn.push_back(t);
            }
        }
        if (c.printed.isEmpty()) {
            EXPECT_TRUE(inColumn.empty());
            continue;
        }
        ASSERT_EQ(inColumn.size(), 1u);
        EXPECT_EQ(inColumn[0]->text, c.printed);
        EXPECT_EQ(inColumn[0]->font, (FontSpec {"Calibri", 14, true}));
        EXPECT_TRUE(inColumn[0]->align & Qt::AlignHCenter);
    }
}

TEST_F(ContentsSheet, EmptyMemosLeaveTheirBoxesBlankButTheRowStands)
{
    addTracking(2, QStringLiteral("PAZ, Sofía"), QStringLiteral("Lectura"));
    const Page page = build(contentsSheet(), 2).pages.at(0);

    for (const PageText* t : page.texts()) {
        if (t->box.top() >= 36 && t->box.top() < 48) {
            EXPECT_EQ(t->text, QStringLiteral("Lectura")) << "only the content prints in the row";
        }
    }
    EXPECT_TRUE(hasBox(page, {250, 37, 38, 10})); // the observation's frame, empty
    for (double x : {6, 69, 135, 225, 231, 237, 244, 289}) {
        EXPECT_TRUE(hasLine(page, {x, 36, x, 48})) << "rule at " << x;
    }
    EXPECT_TRUE(hasLine(page, {6, 48, 289, 48}));
}

TEST_F(ContentsSheet, ABandThatDoesNotFitStartsANewPage)
{
    // One student band (6) and 13 rows (156) fill 30..192 of the detail area,
    // which ends at 200: the next student's band still fits, its row does not.
    for (int n = 1; n <= 13; ++n) {
        addTracking(6, QStringLiteral("ACOSTA, Ema"), QStringLiteral("Fila A%1").arg(n));
    }
    addTracking(6, QStringLiteral("BRAVO, Leo"), QStringLiteral("Fila B1"));
    addTracking(6, QStringLiteral("BRAVO, Leo"), QStringLiteral("Fila B2"));
    const SheetDocument doc = build(contentsSheet(), 6);
    ASSERT_EQ(doc.pages.size(), 2u);

    EXPECT_EQ(theText(doc.pages[0], QStringLiteral("Fila A13"))->box.top(), 30 + 6 + 12 * 12 + 1.5);
    EXPECT_EQ(theText(doc.pages[0], QStringLiteral("BRAVO, Leo"))->box.top(), 194);
    EXPECT_EQ(theText(doc.pages[1], QStringLiteral("Fila B1"))->box.top(), 31.5);
    EXPECT_TRUE(textsReading(doc.pages[1], QStringLiteral("BRAVO, Leo")).empty()) << "no band repeated";
    for (const Page& page : doc.pages) {
        EXPECT_EQ(textsReading(page, QStringLiteral("Aprendizajes")).size(), 1u) << "header on every page";
        EXPECT_TRUE(hasBox(page, {6, 200, 283, 1})) << "footer on every page";
    }
}

} // namespace
} // namespace kv::sheets::test

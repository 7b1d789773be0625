// The contents report sheet: for every student of the subject a shaded
// student row, then one row per tracking record with the prioritised
// content, the learning, the four marks and the PPI observation.

#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"
#include "sheets/layout_builders.h"
#include "sheets/sheet_layouts.h"

namespace kv::sheets {
namespace {

using namespace build;

// The four mark titles read from bottom to top, standing at the right of
// their narrow boxes so that they fall inside their columns.
Control columnTitle(const QString& title, double x)
{
    Control c = text(literal(title), {x, 10, 6, 15}, calibri(7, true), Qt::AlignLeft | Qt::AlignBottom);
    c.rotation = 900;
    return c;
}

Band pageHeader()
{
    const QColor rule = grey(128);
    const FontSpec classData = calibri(12, true);
    const FontSpec columns = calibri(8, true);
    return {QStringLiteral("page header"), {4, 5, 290, 25}, calibri(8),
        {
            box(221, 2, 64, 8, grey(230), grey(230)),
            box(2, 19, 219, 6, grey(230), grey(230)),
            text(rowField(KVG::MATERIAS, QStringLiteral("@s60")), {4, 2, 171, 6}, calibri(14, true)),
            autoText(subjectField(KVM::CICLO, QStringLiteral("@s10")), 223, 4, classData),
            autoText(subjectField(KVM::CURSO, QStringLiteral("@n2")), 246, 4, classData),
            autoText(subjectField(KVM::DIVISION, QStringLiteral("@s3")), 252, 4, classData),
            text(subjectField(KVM::TURNO, QStringLiteral("@s20")), {260, 4, 23, 6}, classData),
            text(subjectField(KVM::PROFESOR, QStringLiteral("@s50")), {4, 10, 110, 6}, classData),
            line(2, 19, 0, 6, rule),
            line(2, 19, 219, 0, rule),
            autoText(literal(QStringLiteral("Alumno/a")), 4, 21, columns),
            line(65, 19, 0, 6, rule),
            autoText(literal(QStringLiteral("Nucleos - Contenidos Priorizados")), 69, 21, columns),
            line(131, 19, 0, 6, rule),
            line(221, 10, 64, 0, rule),
            line(240, 10, 0, 15, rule),
            autoText(literal(QStringLiteral("Aprendizajes")), 138, 21, columns),
            columnTitle(QStringLiteral("Logrado"), 219),
            line(227, 10, 0, 15, rule),
            line(233, 10, 0, 15, rule),
            columnTitle(QStringLiteral("Pendiente"), 225),
            columnTitle(QStringLiteral("en Proceso"), 231),
            columnTitle(QStringLiteral("PPI"), 238),
            line(285, 2, 0, 23, rule),
            line(221, 2, 65, 0, Qt::black),
            line(221, 2, 0, 23, rule),
            line(2, 25, 283, 0, rule),
        }};
}

Band studentBand()
{
    const QColor rule = grey(128);
    return {QStringLiteral("student"), {0, 0, 290, 6}, calibri(8),
        {
            box(2, 0, 283, 6, grey(192), grey(240)),
            line(2, 0, 0, 6, rule),
            text(rowField(KVG::ALUMNO, QStringLiteral("@s60")), {4, 2, 60, 4}, calibri(8, true)),
            box(2, 0, 283, 1, rule, rule),
            line(65, 0, 0, 6, rule),
            line(131, 0, 0, 6, rule),
            line(221, 0, 0, 6, rule),
            line(227, 0, 0, 6, rule),
            line(233, 0, 0, 6, rule),
            line(240, 0, 0, 6, rule),
            line(285, 0, 0, 6, rule),
        }};
}

Band detail()
{
    const QColor rule = grey(128);
    const FontSpec markFont = calibri(14, true);
    const QString firstCharacter = QStringLiteral("@s1");
    return {QStringLiteral("detail"), {0, 0, 290, 12}, calibri(8),
        {
            line(65, 0, 0, 12, rule),
            multiLine(rowField(KVG::CONTENIDO_PRIORIZADO, {}), {67, 1, 63, 10}, calibri(8), true),
            line(2, 0, 0, 12, rule),
            line(131, 0, 0, 12, rule),
            line(221, 0, 0, 12, rule),
            multiLine(rowMemo(KVG::APRENDIZAJE_TRABAJO), {133, 1, 87, 10}, calibri(7), false),
            text(rowField(KVG::LOGRADO, firstCharacter), {221, 2, 6, 6}, markFont, kCentred),
            line(227, 0, 0, 12, rule),
            text(rowField(KVG::PENDIENTE, firstCharacter), {227, 2, 6, 6}, markFont, kCentred),
            line(233, 0, 0, 12, rule),
            line(240, 0, 0, 12, rule),
            line(285, 0, 0, 12, rule),
            line(2, 12, 283, 0, rule),
            multiLine(rowMemo(KVG::OBSPPI), {246, 1, 38, 10}, calibri(7), true),
            text(rowField(KVG::ENPROCESO, firstCharacter), {233, 2, 6, 6}, markFont, kCentred),
            text(rowField(KVG::PPI, firstCharacter), {240, 2, 6, 6}, markFont, kCentred),
        }};
}

ReportLayout makeLayout()
{
    ReportLayout r;
    r.page = {QStringLiteral("Planilla"), QPageSize::A4, QPageLayout::Landscape};
    r.font = calibri(10);
    r.detailArea = {4, 30, 290, 170};
    r.form = {QStringLiteral("page form"), {4, 4, 290, 200}, std::nullopt, {}};
    r.header = pageHeader();
    r.breakOn = BreakBand {KVG::ALUMNO, studentBand()};
    r.detail = detail();
    r.footer = {QStringLiteral("page footer"), {4, 200, 290, 25}, std::nullopt,
        {box(2, 0, 283, 1, grey(128), grey(128))}};
    return r;
}

} // namespace

const ReportLayout& contentsSheetLayout()
{
    static const ReportLayout layout = makeLayout();
    return layout;
}

} // namespace kv::sheets

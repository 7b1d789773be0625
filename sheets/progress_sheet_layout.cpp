// The progress report sheet: the subject's grade book, one row per student
// with the two stage marks and the annual mark; a footer with the running
// count of rows.

#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "sheets/layout_builders.h"
#include "sheets/sheet_layouts.h"

namespace kv::sheets {
namespace {

using namespace build;

Band pageHeader()
{
    const QColor rule = grey(128);
    const FontSpec title = calibri(14, true);
    const FontSpec classData = calibri(12, true);
    const FontSpec columns = calibri(8, true);

    Control teacher = text(subjectField(KVM::PROFESOR, QStringLiteral("@s50")), {177, 10, 108, 6}, classData,
        Qt::AlignRight | Qt::AlignTop);
    teacher.indent = 2;

    return {QStringLiteral("page header"), {4, 5, 290, 25}, calibri(8),
        {
            box(2, 17, 131, 8, grey(230), grey(230)),
            box(2, 17, 283, 6, grey(242), grey(242)),
            text(rowField(KVL::MATERIAS, QStringLiteral("@s60")), {4, 2, 160, 6}, title),
            teacher,
            autoText(literal(QStringLiteral("Etapa 2")), 170, 19, columns),
            autoText(subjectField(KVM::CICLO, QStringLiteral("@s11")), 4, 10, classData),
            autoText(subjectField(KVM::CURSO, QStringLiteral("@n3")), 31, 10, classData),
            autoText(subjectField(KVM::DIVISION, QStringLiteral("@s3")), 42, 10, classData),
            autoText(subjectField(KVM::TURNO, QStringLiteral("@s20")), 52, 10, classData),
            line(2, 17, 283, 0, rule),
            autoText(literal(QStringLiteral("Alumno/a")), 4, 19, columns),
            line(133, 17, 0, 8, rule),
            autoText(literal(QStringLiteral("Etapa 1")), 142, 19, columns),
            line(215, 17, 0, 8, rule),
            line(160, 17, 0, 8, rule),
            line(188, 17, 0, 8, rule),
            autoText(literal(QStringLiteral("Anual")), 198, 19, columns),
            line(285, 17, 0, 8, rule),
            box(2, 23, 283, 1, rule, rule),
            line(2, 17, 0, 8, rule),
        }};
}

Band detail()
{
    const QColor rule = grey(128);
    const FontSpec cell = calibri(8, true);
    const QString mark = QStringLiteral("@s3");
    return {QStringLiteral("detail"), {0, 0, 290, 6}, calibri(8),
        {
            box(2, 0, 131, 6, grey(192), grey(242)),
            line(285, 0, 0, 6, rule),
            text(rowField(KVL::ALUMNO, QStringLiteral("@s80")), {4, 1, 127, 4}, cell),
            line(133, 0, 0, 6, rule),
            text(rowField(KVL::FINAL1, mark), {142, 1, 10, 4}, cell, kCentred),
            line(160, 0, 0, 6, QColor(128, 128, 64)),
            line(215, 0, 0, 6, rule),
            text(rowField(KVL::FINAL2, mark), {169, 1, 10, 4}, cell, kCentred),
            text(rowField(KVL::FINALANUAL, mark), {196, 1, 10, 4}, cell, kCentred),
            line(188, 0, 0, 6, rule),
            line(2, 6, 283, 0, rule),
            line(2, 0, 0, 6, rule),
        }};
}

Band pageFooter()
{
    const FontSpec count = calibri(10, true);
    return {QStringLiteral("page footer"), {4, 196, 290, 25}, std::nullopt,
        {
            box(2, 0, 283, 1, grey(128), grey(128)),
            autoText(literal(QStringLiteral("Alumns:")), 4, 2, count),
            autoText(rowCount(QStringLiteral("@n5.")), 19, 2, count),
        }};
}

ReportLayout makeLayout()
{
    ReportLayout r;
    r.page = {QStringLiteral("Planilla"), QPageSize::A4, QPageLayout::Landscape};
    r.font = calibri(10);
    r.detailArea = {4, 30, 290, 164};
    r.form = {QStringLiteral("page form"), {4, 4, 290, 200}, std::nullopt, {}};
    r.header = pageHeader();
    r.detail = detail();
    r.footer = pageFooter();
    return r;
}

} // namespace

const ReportLayout& progressSheetLayout()
{
    static const ReportLayout layout = makeLayout();
    return layout;
}

} // namespace kv::sheets

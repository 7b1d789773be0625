#include "tracking/tracking_lists.h"

#include "data/cp1252.h"
#include "data/files/kvaluap.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"

namespace kv {
namespace {

void capitalise(Record& row, int field)
{
    QByteArray bytes = row.rawText(field);
    for (char& c : bytes) {
        c = static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(c)));
    }
    row.setRawText(field, bytes);
}

constexpr int kMarks[] = {KVG::LOGRADO, KVG::PENDIENTE, KVG::ENPROCESO, KVG::PPI};

} // namespace

BrowseSetup subjectListSetup()
{
    BrowseSetup s;
    s.key = KVM::CLAVE_DNI_PROFESOR;
    s.format = QStringLiteral(
        "200L(2)|_~MATERIA~@s60@E(,0E6E6E6H,,)100L(2)|_~CICLO~@s30@40C(2)_~CURSO~L@n3@E(,0E6E6E6H,,)40C(2)|_@"
        "s4@E(,"
        "0E6E6E6H,,)275L(2)|_~ESPECIALIDAD~@s40@56R(2)|_~DNI_DOCENTE~L@n-14@56R(2)|_~NRO_REGISTRO~L@n-14@56R("
        "2)|_~COD_"
        "CURSO~L@n-14@56R(2)|_~COD_PROFESOR~L@n-14@28R(2)|_~NRO_ORDEN~L@n-7@56R(2)|_~PROMEDIAEN~L@n-14@");
    s.sources = {QStringLiteral("KVM:MATERIA"), QStringLiteral("KVM:CICLO"), QStringLiteral("KVM:CURSO"),
        QStringLiteral("KVM:DIVISION"), QStringLiteral("KVM:ESPECIALIDAD"), QStringLiteral("KVM:DNI_DOCENTE"),
        QStringLiteral("KVM:NRO_REGISTRO"), QStringLiteral("KVM:COD_CURSO"),
        QStringLiteral("KVM:COD_PROFESOR"), QStringLiteral("KVM:NRO_ORDEN"),
        QStringLiteral("KVM:PROMEDIAEN")};
    s.rowFields = s.sources;
    s.locatorField = KVM::DNI_DOCENTE;
    s.locatorIgnoresCase = true;
    return s;
}

BrowseSetup gradeBookSetup()
{
    BrowseSetup s;
    s.key = KVL::CLAVE_CODMATERIA_ALUALFA;
    s.format = QStringLiteral(
        "85C|_~Nº Legajo~L(2)@n_10@491L(2)|_~ALUMNO~@s80@E(,0F2F2F2H,,)100C(2)|_~ETAPA "
        "1~@s3@E(,0FFFFFFH,,)100C(2)|_~"
        "ETAPA "
        "2~@s3@E(,0FFFFFFH,,)100C(2)|_~ANUAL~@s3@E(,0FFFFFFH,,)70C(2)|_~Justif.~@n6.2B@E(,0FFFFFFH,,)70C(2)|_"
        "~"
        "Injustif~@n6.2B@E(,0FFFFFFH,,)70C(2)|_~F. "
        "Total~@n6.2B@E(,0FFFFFFH,,)30R(2)|_~NRO_REGISTRO~L@n-14@E(0C0C0C0H,"
        "0C0C0C0H,0C0C0C0H,0C0C0C0H)56C(2)|_~COD_MATERIA~L@n3@E(0C0C0C0H,0C0C0C0H,0C0C0C0H,0C0C0C0H)");
    s.sources = {QStringLiteral("KVL:NRO_LEGAJO"), QStringLiteral("KVL:ALUMNO"), QStringLiteral("KVL:FINAL1"),
        QStringLiteral("KVL:FINAL2"), QStringLiteral("KVL:FINALANUAL"), QStringLiteral("KVL:ETAPA28"),
        QStringLiteral("KVL:ETAPA29"), QStringLiteral("KVL:ETAPA30"), QStringLiteral("KVL:NRO_REGISTRO"),
        QStringLiteral("KVL:COD_MATERIA")};
    s.rowFields = s.sources;
    s.locatorField = KVL::ALUMNO;
    s.locatorIgnoresCase = false;
    return s;
}

BrowseSetup studentListSetup()
{
    BrowseSetup s;
    s.key = KVA::CLAVE_TIPO_CURSO_DIVISION;
    s.format = QStringLiteral(
        "184L(2)|_~APELLIDO_NOMBRE~@s50@E(,0E6E6E6H,,)50R(2)|_~LEGAJO~L@n_10@56R(2)|_~DNI~L@n-"
        "14@80R(2)|_~SEXO~L@s20@56R(2)|_~COD_CURSO~L@n-14@");
    s.sources = {QStringLiteral("KVA:APELLIDO_NOMBRE"), QStringLiteral("KVA:LEGAJO"),
        QStringLiteral("KVA:DNI"), QStringLiteral("KVA:SEXO"), QStringLiteral("KVA:COD_CURSO")};
    s.rowFields = s.sources;
    s.locatorField = KVA::APELLIDO_NOMBRE;
    s.locatorIgnoresCase = true;
    return s;
}

BrowseSetup trackingListSetup()
{
    BrowseSetup s;
    s.key = KVG::CLAVE_LEGAJO_ORDEN_MATERIA;
    s.format = QStringLiteral(
        "167L(2)|_~CONTENIDO "
        "PRIORIZADO~@s255@220L(2)|_~APRENDIZAJE~@s255@43C|_~LOGRADO~C(2)@s1@43C|_~PENDIENTE~C(2)@"
        "s1@43C|_~EN "
        "PROCESO~C(2)@s1@43C|_~PPI~C(2)@s1@62L(2)|_~OBSPPI~@s255@28R(2)|_~NRO_ORDEN~L@n-7@240R(2)|_~"
        "ALUMNO~L@s60@56R(2)|_~NRO_LEGAJO~L@n-14@56R(2)|_~COD_MATERIA~L@n-14@");
    s.sources = {QStringLiteral("KVG:CONTENIDO_PRIORIZADO"), QStringLiteral("KVG:APRENDIZAJE_TRABAJO"),
        QStringLiteral("KVG:LOGRADO"), QStringLiteral("KVG:PENDIENTE"), QStringLiteral("KVG:ENPROCESO"),
        QStringLiteral("KVG:PPI"), QStringLiteral("KVG:OBSPPI"), QStringLiteral("KVG:NRO_ORDEN"),
        QStringLiteral("KVG:ALUMNO"), QStringLiteral("KVG:NRO_LEGAJO"), QStringLiteral("KVG:COD_MATERIA")};
    s.rowFields = {QStringLiteral("KVG:CONTENIDO_PRIORIZADO"), QStringLiteral("KVG:LOGRADO"),
        QStringLiteral("KVG:PENDIENTE"), QStringLiteral("KVG:ENPROCESO"), QStringLiteral("KVG:PPI"),
        QStringLiteral("KVG:NRO_ORDEN"), QStringLiteral("KVG:ALUMNO"), QStringLiteral("KVG:NRO_LEGAJO"),
        QStringLiteral("KVG:COD_MATERIA"), QStringLiteral("KVG:NRO_REGISTRO")};
    s.locatorField = KVG::NRO_ORDEN;
    s.locatorIgnoresCase = false;
    return s;
}

void capitaliseGradeMarks(Record& row)
{
    for (int f : {KVL::FINAL1, KVL::FINAL2, KVL::FINALANUAL}) {
        capitalise(row, f);
    }
}

void applyTrackingMarks(Record& row, int ownedField)
{
    for (int f : kMarks) {
        capitalise(row, f);
    }
    if (row.text(ownedField) != QLatin1String("X")) {
        return;
    }
    for (int f : kMarks) {
        if (f != ownedField) {
            row.setRawText(f, QByteArray("-"));
        }
    }
}

EditSettings gradeBookEditing()
{
    EditSettings s;
    s.editableColumns = {2, 3, 4};
    s.tabContinues = false;
    s.normalise = [](Record& row, int) { capitaliseGradeMarks(row); };
    return s;
}

EditSettings trackingEditing()
{
    EditSettings s;
    s.editableColumns = {2, 3, 4, 5, 6};
    s.tabContinues = true;
    s.normalise = [](Record& row, int column) {
        // Columns 2 to 5 are the four marks; the observation has no rule of its own.
        if (column >= 2 && column <= 5) {
            applyTrackingMarks(row, kMarks[column - 2]);
        }
    };
    return s;
}

} // namespace kv

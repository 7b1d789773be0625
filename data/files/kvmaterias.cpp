#include "data/files/kvmaterias.h"

#include <iterator>

namespace kv {
namespace {

using namespace KVM;

constexpr FieldDef fields[] = {
    {"KVM:NRO_REGISTRO", FieldType::Long, 0, 4},
    {"KVM:NRO_ORDEN", FieldType::Short, 4, 2},
    {"KVM:MATERIA", FieldType::Text, 6, 60},
    {"KVM:BILINGUE_MATERIA", FieldType::Text, 66, 50},
    {"KVM:TIPO", FieldType::Text, 116, 10},
    {"KVM:TIPO_LENGUAJE", FieldType::Text, 126, 10},
    {"KVM:COD_PROFESOR", FieldType::Long, 136, 4},
    {"KVM:PROFESOR", FieldType::Text, 140, 50},
    {"KVM:COD_CURSO", FieldType::Long, 190, 4},
    {"KVM:SEXO", FieldType::Text, 194, 20},
    {"KVM:HORAS", FieldType::Decimal, 214, 3},
    {"KVM:SINPROMEDIO", FieldType::Text, 217, 4},
    {"KVM:PROMEDIOGRAL", FieldType::Text, 221, 4},
    {"KVM:VINCULANTE", FieldType::Text, 225, 4},
    {"KVM:CONTENIDOSACTITUDINALES", FieldType::Text, 229, 2},
    {"KVM:INTEGRADORA", FieldType::Text, 231, 2},
    {"KVM:MATERIASCORRELATIVAS", FieldType::Text, 233, 120},
    {"KVM:PROMEDIAEN", FieldType::Long, 353, 4},
    {"KVM:CANTIDADMATEPROM", FieldType::Short, 357, 2},
    {"KVM:CICLO", FieldType::Text, 359, 30},
    {"KVM:CURSO", FieldType::Short, 389, 2},
    {"KVM:DIVISION", FieldType::Text, 391, 4},
    {"KVM:ESPECIALIDAD", FieldType::Text, 395, 40},
    {"KVM:TURNO", FieldType::Text, 435, 20},
    {"KVM:MAIL_PEN_DRIVE", FieldType::Text, 455, 60},
    {"KVM:DNI_DOCENTE", FieldType::Long, 515, 4},
    {"KVM:KVP_FECHANAC", FieldType::Date, 519, 4},
};
static_assert(std::size(fields) == KVP_FECHANAC + 1);

constexpr MemoDef memos[] = {
    {"KVM:OBJETIVO", 4000},
};

constexpr KeyComponent k_principal[] = {{NRO_REGISTRO}};
constexpr KeyComponent k_curso[] = {{COD_CURSO}};
constexpr KeyComponent k_profesor[] = {{COD_PROFESOR}, {MATERIA}};
constexpr KeyComponent k_alfa[] = {{MATERIA}};
constexpr KeyComponent k_profesor_curso[] = {{COD_PROFESOR}, {COD_CURSO}};
constexpr KeyComponent k_materia_sexo[] = {{MATERIA}, {SEXO}};
constexpr KeyComponent k_curso_orden_codigo[] = {{COD_CURSO}, {NRO_ORDEN}, {NRO_REGISTRO}};
constexpr KeyComponent k_promedia[] = {{PROMEDIAEN}, {NRO_REGISTRO}};
constexpr KeyComponent k_curso_materia[] = {{COD_CURSO}, {MATERIA}};
constexpr KeyComponent k_codmateria_codprofesor[] = {{NRO_REGISTRO}, {COD_PROFESOR}};
constexpr KeyComponent k_dni_profesor[] = {{DNI_DOCENTE}};

// label, components, unique, optional, caseInsensitive, primary, autoNumber
constexpr KeyDef keys[] = {
    {"KVM:CLAVE_PRINCIPAL", k_principal, false, true, true, false, false},
    {"KVM:CLAVE_CURSO", k_curso, false, true, false, false, false},
    {"KVM:CLAVE_PROFESOR", k_profesor, false, true, false, false, false},
    {"KVM:CLAVE_ALFA", k_alfa, false, true, false, false, false},
    {"KVM:CLAVE_PROFESOR_CURSO", k_profesor_curso, false, true, false, false, false},
    {"KVM:CLAVE_MATERIA_SEXO", k_materia_sexo, false, true, false, false, false},
    {"KVM:CLAVE_CURSO_ORDEN_CODIGO", k_curso_orden_codigo, false, true, true, false, false},
    {"KVM:CLAVE_PROMEDIA", k_promedia, false, true, true, false, false},
    {"KVM:CLAVE_CURSO_MATERIA", k_curso_materia, false, true, true, false, false},
    {"KVM:CLAVE_CODMATERIA_CODPROFESOR", k_codmateria_codprofesor, false, true, false, false, false},
    {"KVM:CLAVE_DNI_PROFESOR", k_dni_profesor, false, true, true, false, false},
};
static_assert(std::size(keys) == CLAVE_DNI_PROFESOR + 1);

} // namespace

const FileDef& kvmateriasFile()
{
    static const FileDef def {"KVMATERIAS", "KVMaterias.TPS", "KVM", 523, fields, memos, keys};
    return def;
}

} // namespace kv

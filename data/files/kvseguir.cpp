#include "data/files/kvseguir.h"

#include <iterator>

namespace kv {
namespace {

using namespace KVG;

constexpr FieldDef fields[] = {
    {"KVG:NRO_REGISTRO", FieldType::Long, 0, 4},
    {"KVG:NRO_LEGAJO", FieldType::Long, 4, 4},
    {"KVG:COD_MATERIA", FieldType::Long, 8, 4},
    {"KVG:NRO_ORDEN", FieldType::Short, 12, 2},
    {"KVG:ALUMNO", FieldType::Text, 14, 60},
    {"KVG:MATERIAS", FieldType::Text, 74, 60},
    {"KVG:CONTENIDO_PRIORIZADO", FieldType::Text, 134, 255},
    {"KVG:LOGRADO", FieldType::Text, 389, 10},
    {"KVG:PENDIENTE", FieldType::Text, 399, 10},
    {"KVG:ENPROCESO", FieldType::Text, 409, 10},
    {"KVG:PPI", FieldType::Text, 419, 10},
    {"KVG:VALORACION_FINAL", FieldType::Text, 429, 10},
    {"KVG:COD_CURSO", FieldType::Long, 439, 4},
    {"KVG:INGRESO", FieldType::Text, 443, 10},
    {"KVG:OPERADOR", FieldType::Text, 453, 20},
    {"KVG:DOCENTE", FieldType::Text, 473, 60},
    {"KVG:COD_DOCENTE", FieldType::Long, 533, 4},
};
static_assert(std::size(fields) == COD_DOCENTE + 1);

constexpr MemoDef memos[] = {
    {"KVG:OBSPPI", 1000},
    {"KVG:APRENDIZAJE_TRABAJO", 1000},
};

constexpr KeyComponent k_primaria[] = {{NRO_REGISTRO}};
constexpr KeyComponent k_legajo_orden_materia[] = {{NRO_LEGAJO}, {NRO_ORDEN}, {COD_MATERIA}};
constexpr KeyComponent k_cod_materia[] = {{COD_MATERIA}};
constexpr KeyComponent k_alfa_materias[] = {{MATERIAS}, {COD_MATERIA}};
constexpr KeyComponent k_materia_registro_legajo[] = {{COD_MATERIA}, {NRO_REGISTRO}, {NRO_LEGAJO}};
constexpr KeyComponent k_materia_legajo[] = {{COD_MATERIA}, {NRO_LEGAJO}};
constexpr KeyComponent k_codmateria_alualfa[] = {{COD_MATERIA}, {ALUMNO}};
constexpr KeyComponent k_promediaen_legajo[] = {{NRO_LEGAJO}};
constexpr KeyComponent k_legajo_estado_orden_cmateria[] = {{NRO_LEGAJO}, {NRO_ORDEN}, {COD_MATERIA}};
constexpr KeyComponent k_alfamageria_legajo[] = {{MATERIAS}, {NRO_LEGAJO}};
constexpr KeyComponent k_legajo_cod_materia[] = {{NRO_LEGAJO}, {COD_MATERIA}};

// label, components, unique, optional, caseInsensitive, primary, autoNumber
constexpr KeyDef keys[] = {
    // Numbered on insert: highest existing NRO_REGISTRO plus one.
    {"KVG:CLAVE_PRIMARIA", k_primaria, true, true, false, true, true},
    {"KVG:CLAVE_LEGAJO_ORDEN_MATERIA", k_legajo_orden_materia, false, true, false, false, false},
    {"KVG:CLAVE_COD_MATERIA", k_cod_materia, false, true, false, false, false},
    {"KVG:CLAVE_ALFA_MATERIAS", k_alfa_materias, false, true, false, false, false},
    {"KVG:CLAVE_MATERIA_REGISTRO_LEGAJO", k_materia_registro_legajo, false, true, false, false, false},
    {"KVG:CLAVE_MATERIA_LEGAJO", k_materia_legajo, false, true, true, false, false},
    {"KVG:CLAVE_CODMATERIA_ALUALFA", k_codmateria_alualfa, false, true, false, false, false},
    {"KVG:CLAVE_PROMEDIAEN_LEGAJO", k_promediaen_legajo, false, true, true, false, false},
    {"KVG:CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA", k_legajo_estado_orden_cmateria, false, true, true, false,
        false},
    {"KVG:CLAVE_ALFAMAGERIA_LEGAJO", k_alfamageria_legajo, false, true, true, false, false},
    {"KVG:CLAVE_LEGAJO_COD_MATERIA", k_legajo_cod_materia, false, true, true, false, false},
};
static_assert(std::size(keys) == CLAVE_LEGAJO_COD_MATERIA + 1);

} // namespace

const FileDef& kvseguirFile()
{
    static const FileDef def {"KVSEGUIR", "KVSEGUIR.TPS", "KVG", 537, fields, memos, keys};
    return def;
}

} // namespace kv

#include "data/files/kvaprende.h"

#include <iterator>

namespace kv {
namespace {

using namespace KVAP;

constexpr FieldDef fields[] = {
    {"KVAP:NRO_REGISTRO", FieldType::Long, 0, 4},
    {"KVAP:COD_MATERIA", FieldType::Long, 4, 4},
    {"KVAP:COD_CURSO", FieldType::Long, 8, 4},
    {"KVAP:COD_DOCENTE", FieldType::Long, 12, 4},
    {"KVAP:NRO_ORDEN", FieldType::Short, 16, 2},
    {"KVAP:MATERIAS", FieldType::Text, 18, 60},
    {"KVAP:DOCENTE", FieldType::Text, 78, 60},
    {"KVAP:CONTENIDO_PRIORIZADO", FieldType::Text, 138, 255},
};
static_assert(std::size(fields) == CONTENIDO_PRIORIZADO + 1);

constexpr MemoDef memos[] = {
    {"KVAP:APRENDIZAJE_TRABAJO", 1000},
};

// Several labels name student fields this file does not have; the components are what count.
constexpr KeyComponent k_primaria[] = {{NRO_REGISTRO}};
constexpr KeyComponent k_legajo_orden_materia[] = {{NRO_ORDEN}, {COD_MATERIA}};
constexpr KeyComponent k_cod_materia[] = {{COD_MATERIA}};
constexpr KeyComponent k_alfa_materias[] = {{MATERIAS}, {COD_MATERIA}};
constexpr KeyComponent k_materia_registro_legajo[] = {{COD_MATERIA}, {NRO_REGISTRO}};
constexpr KeyComponent k_materia_legajo[] = {{COD_MATERIA}};
constexpr KeyComponent k_codmateria_alualfa[] = {{COD_MATERIA}};
constexpr KeyComponent k_legajo_estado_orden_cmateria[] = {{NRO_ORDEN}, {COD_MATERIA}};
constexpr KeyComponent k_alfamageria_legajo[] = {{MATERIAS}};
constexpr KeyComponent k_legajo_cod_materia[] = {{COD_MATERIA}};

// label, components, unique, optional, caseInsensitive, primary, autoNumber
constexpr KeyDef keys[] = {
    {"KVAP:CLAVE_PRIMARIA", k_primaria, true, true, false, true, false},
    {"KVAP:CLAVE_LEGAJO_ORDEN_MATERIA", k_legajo_orden_materia, false, true, false, false, false},
    {"KVAP:CLAVE_COD_MATERIA", k_cod_materia, false, true, false, false, false},
    {"KVAP:CLAVE_ALFA_MATERIAS", k_alfa_materias, false, true, false, false, false},
    {"KVAP:CLAVE_MATERIA_REGISTRO_LEGAJO", k_materia_registro_legajo, false, true, false, false, false},
    {"KVAP:CLAVE_MATERIA_LEGAJO", k_materia_legajo, false, true, true, false, false},
    {"KVAP:CLAVE_CODMATERIA_ALUALFA", k_codmateria_alualfa, false, true, false, false, false},
    {"KVAP:CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA", k_legajo_estado_orden_cmateria, false, true, true, false,
        false},
    {"KVAP:CLAVE_ALFAMAGERIA_LEGAJO", k_alfamageria_legajo, false, true, true, false, false},
    {"KVAP:CLAVE_LEGAJO_COD_MATERIA", k_legajo_cod_materia, false, true, true, false, false},
};
static_assert(std::size(keys) == CLAVE_LEGAJO_COD_MATERIA + 1);

} // namespace

const FileDef& kvaprendeFile()
{
    static const FileDef def {"KVAPRENDE", "KVAPRENDE.TPS", "KVAP", 393, fields, memos, keys};
    return def;
}

} // namespace kv

#include "data/files/kvlibreta.h"

#include <iterator>

namespace kv {
namespace {

using namespace KVL;

constexpr FieldDef fields[] = {
    {"KVL:NRO_REGISTRO", FieldType::Long, 0, 4},
    {"KVL:NRO_LEGAJO", FieldType::Long, 4, 4},
    {"KVL:NRO_ORDEN", FieldType::Short, 8, 2},
    {"KVL:SEXO", FieldType::Text, 10, 10},
    {"KVL:ALUMNO", FieldType::Text, 20, 30},
    {"KVL:COD_MATERIA", FieldType::Long, 50, 4},
    {"KVL:MATERIAS", FieldType::Text, 54, 60},
    {"KVL:CAMPO", FieldType::Text, 114, 6},
    {"KVL:ETAPA1", FieldType::Decimal, 120, 4},
    {"KVL:ETAPA2", FieldType::Decimal, 124, 4},
    {"KVL:ETAPA3", FieldType::Decimal, 128, 4},
    {"KVL:ETAPA4", FieldType::Decimal, 132, 4},
    {"KVL:ETAPA5", FieldType::Decimal, 136, 4},
    {"KVL:ETAPA6", FieldType::Decimal, 140, 4},
    {"KVL:ETAPA7", FieldType::Decimal, 144, 4},
    {"KVL:ETAPA8", FieldType::Decimal, 148, 4},
    {"KVL:ETAPA9", FieldType::Decimal, 152, 4},
    {"KVL:ETAPA10", FieldType::Decimal, 156, 4},
    {"KVL:ETAPA11", FieldType::Decimal, 160, 4},
    {"KVL:ETAPA12", FieldType::Decimal, 164, 4},
    {"KVL:ETAPA13", FieldType::Decimal, 168, 4},
    {"KVL:ETAPA14", FieldType::Decimal, 172, 4},
    {"KVL:ETAPA15", FieldType::Decimal, 176, 4},
    {"KVL:ETAPA16", FieldType::Decimal, 180, 4},
    {"KVL:ETAPA17", FieldType::Decimal, 184, 4},
    {"KVL:ETAPA18", FieldType::Decimal, 188, 4},
    {"KVL:ETAPA19", FieldType::Decimal, 192, 4},
    {"KVL:ETAPA20", FieldType::Decimal, 196, 4},
    {"KVL:ETAPA21", FieldType::Decimal, 200, 4},
    {"KVL:ETAPA22", FieldType::Decimal, 204, 4},
    {"KVL:ETAPA23", FieldType::Decimal, 208, 4},
    {"KVL:ETAPA24", FieldType::Decimal, 212, 4},
    {"KVL:ETAPA25", FieldType::Decimal, 216, 4},
    {"KVL:ETAPA26", FieldType::Decimal, 220, 4},
    {"KVL:ETAPA27", FieldType::Decimal, 224, 4},
    {"KVL:ETAPA28", FieldType::Decimal, 228, 4},
    {"KVL:ETAPA29", FieldType::Decimal, 232, 4},
    {"KVL:ETAPA30", FieldType::Decimal, 236, 4},
    {"KVL:PRONOSTICO1", FieldType::Decimal, 240, 3},
    {"KVL:PRONOSTICO2", FieldType::Decimal, 243, 4},
    {"KVL:PRONOSTICO3", FieldType::Decimal, 247, 3},
    {"KVL:FINALETAPAI", FieldType::Decimal, 250, 4},
    {"KVL:FINALETAPAII", FieldType::Decimal, 254, 4},
    {"KVL:FINALETAPAIII", FieldType::Decimal, 258, 4},
    {"KVL:EVALUACION_ANUAL", FieldType::Decimal, 262, 4},
    {"KVL:DICIEMBRE", FieldType::Decimal, 266, 4},
    {"KVL:MARZO", FieldType::Decimal, 270, 4},
    {"KVL:FINAL", FieldType::Decimal, 274, 4},
    {"KVL:CUALIFICA1", FieldType::Text, 278, 3},
    {"KVL:CUALIFICA2", FieldType::Text, 281, 3},
    {"KVL:CUALIFICA3", FieldType::Text, 284, 3},
    {"KVL:CUALIFICA4", FieldType::Text, 287, 3},
    {"KVL:CUALIFICA5", FieldType::Text, 290, 3},
    {"KVL:CUALIFICA6", FieldType::Text, 293, 3},
    {"KVL:CUALIFICA7", FieldType::Text, 296, 3},
    {"KVL:CUALIFICA8", FieldType::Text, 299, 3},
    {"KVL:CUALIFICA9", FieldType::Text, 302, 3},
    {"KVL:CUALIFICA10", FieldType::Text, 305, 3},
    {"KVL:CUALIFICA11", FieldType::Text, 308, 3},
    {"KVL:CUALIFICA12", FieldType::Text, 311, 3},
    {"KVL:CUALIFICA13", FieldType::Text, 314, 3},
    {"KVL:CUALIFICA14", FieldType::Text, 317, 3},
    {"KVL:CUALIFICA15", FieldType::Text, 320, 3},
    {"KVL:CUALIFICA16", FieldType::Text, 323, 3},
    {"KVL:CUALIFICA17", FieldType::Text, 326, 3},
    {"KVL:CUALIFICA18", FieldType::Text, 329, 3},
    {"KVL:CUALIFICA19", FieldType::Text, 332, 3},
    {"KVL:CUALIFICA20", FieldType::Text, 335, 3},
    {"KVL:FINAL1", FieldType::Text, 338, 3},
    {"KVL:FINAL2", FieldType::Text, 341, 3},
    {"KVL:FINAL3", FieldType::Text, 344, 3},
    {"KVL:FINALANUAL", FieldType::Text, 347, 3},
    {"KVL:EXTRA1", FieldType::Decimal, 350, 4},
    {"KVL:EXTRA2", FieldType::Decimal, 354, 4},
    {"KVL:EXTRA3", FieldType::Decimal, 358, 4},
    {"KVL:EXTRA4", FieldType::Decimal, 362, 4},
    {"KVL:EXTRA5", FieldType::Decimal, 366, 4},
    {"KVL:EXTRA6", FieldType::Decimal, 370, 4},
    {"KVL:EXTRA7", FieldType::Decimal, 374, 4},
    {"KVL:EXTRA8", FieldType::Decimal, 378, 4},
    {"KVL:EXTRA9", FieldType::Decimal, 382, 4},
    {"KVL:EXTRA10", FieldType::Decimal, 386, 4},
    {"KVL:EXTRA11", FieldType::Decimal, 390, 4},
    {"KVL:EXTRA12", FieldType::Decimal, 394, 4},
    {"KVL:EXTRA13", FieldType::Decimal, 398, 4},
    {"KVL:EXTRA14", FieldType::Decimal, 402, 4},
    {"KVL:EXTRA15", FieldType::Decimal, 406, 4},
    {"KVL:EXTRA16", FieldType::Decimal, 410, 4},
    {"KVL:EXTRA17", FieldType::Decimal, 414, 4},
    {"KVL:EXTRA18", FieldType::Decimal, 418, 4},
    {"KVL:EXTRA19", FieldType::Decimal, 422, 4},
    {"KVL:EXTRA20", FieldType::Decimal, 426, 4},
    {"KVL:ETADO", FieldType::Text, 430, 20},
    {"KVL:FECHA_OPERACION", FieldType::Date, 450, 4},
    {"KVL:FECHA1", FieldType::Date, 454, 4},
    {"KVL:FECHA2", FieldType::Date, 458, 4},
    {"KVL:FECHA3", FieldType::Date, 462, 4},
    {"KVL:FECHA4", FieldType::Date, 466, 4},
    {"KVL:FECHA5", FieldType::Date, 470, 4},
    {"KVL:FECHA6", FieldType::Date, 474, 4},
    {"KVL:FECHA7", FieldType::Date, 478, 4},
    {"KVL:FECHA8", FieldType::Date, 482, 4},
    {"KVL:FECHA9", FieldType::Date, 486, 4},
    {"KVL:FECHA10", FieldType::Date, 490, 4},
    {"KVL:FECHA11", FieldType::Date, 494, 4},
    {"KVL:FECHA12", FieldType::Date, 498, 4},
    {"KVL:AC", FieldType::Text, 502, 10},
    {"KVL:AM", FieldType::Text, 512, 10},
    {"KVL:TOTALFALTAS", FieldType::Long, 522, 4},
    {"KVL:ASISTENCIAS", FieldType::Long, 526, 4},
    {"KVL:PORCENTAJE", FieldType::Long, 530, 4},
    {"KVL:COD_CURSO", FieldType::Long, 534, 4},
    {"KVL:INGRESO", FieldType::Text, 538, 10},
    {"KVL:OPERADOR", FieldType::Text, 548, 20},
    {"KVL:OBSERVACION1", FieldType::Text, 568, 255},
    {"KVL:OBSERVACION2", FieldType::Text, 823, 255},
    {"KVL:OBSERVACION3", FieldType::Text, 1078, 255},
    {"KVL:OBSERVACION4", FieldType::Text, 1333, 255},
    {"KVL:OBSERVACION5", FieldType::Text, 1588, 255},
    {"KVL:OBSERVACION6", FieldType::Text, 1843, 255},
    {"KVL:OBSERVACION7", FieldType::Text, 2098, 255},
    {"KVL:OBSERVACION8", FieldType::Text, 2353, 255},
    {"KVL:OBSERVACION9", FieldType::Text, 2608, 255},
    {"KVL:OBSERVACION10", FieldType::Text, 2863, 255},
    {"KVL:OBSERVACION11", FieldType::Text, 3118, 255},
    {"KVL:OBSERVACION12", FieldType::Text, 3373, 255},
    {"KVL:OBSERVACION13", FieldType::Text, 3628, 255},
    {"KVL:OBSERVACION14", FieldType::Text, 3883, 255},
    {"KVL:OBSERVACION15", FieldType::Text, 4138, 255},
    {"KVL:PROMEDIAEN", FieldType::Long, 4393, 4},
    {"KVL:CANTIDAD", FieldType::Short, 4397, 2},
};
static_assert(std::size(fields) == CANTIDAD + 1);

constexpr KeyComponent k_primaria[] = {{NRO_REGISTRO}};
constexpr KeyComponent k_legago[] = {{NRO_LEGAJO}, {NRO_ORDEN}, {COD_MATERIA}};
constexpr KeyComponent k_materia[] = {{COD_MATERIA}};
constexpr KeyComponent k_alfa_materias[] = {{MATERIAS}, {COD_MATERIA}};
constexpr KeyComponent k_materia_orden_legajo[] = {{COD_MATERIA}, {NRO_REGISTRO}, {NRO_LEGAJO}};
constexpr KeyComponent k_materia_legajos[] = {{COD_MATERIA}, {NRO_LEGAJO}};
constexpr KeyComponent k_materia_sexo_alumno[] = {{COD_MATERIA}, {SEXO}, {ALUMNO}};
constexpr KeyComponent k_materia_sexo_alumno2[] = {{COD_MATERIA}, {SEXO, true}, {ALUMNO}};
constexpr KeyComponent k_codmateria_alualfa[] = {{COD_MATERIA}, {ALUMNO}};
constexpr KeyComponent k_rendimiento_academico[]
    = {{EVALUACION_ANUAL, true}, {FINALETAPAIII, true}, {FINALETAPAII, true}, {FINALETAPAI, true}};
constexpr KeyComponent k_promediaen_legajo[] = {{PROMEDIAEN}, {NRO_LEGAJO}};
constexpr KeyComponent k_legajo_estado_orden_cmateria[] = {{NRO_LEGAJO}, {ETADO}, {NRO_ORDEN}, {COD_MATERIA}};

// label, components, unique, optional, caseInsensitive, primary, autoNumber
constexpr KeyDef keys[] = {
    {"KVL:CLAVE_PRIMARIA", k_primaria, true, true, false, true, false},
    {"KVL:CLAVE_LEGAGO", k_legago, false, true, false, false, false},
    {"KVL:CLAVE_MATERIA", k_materia, false, true, false, false, false},
    {"KVL:CLAVE_ALFA_MATERIAS", k_alfa_materias, false, true, false, false, false},
    {"KVL:CLAVE_MATERIA_ORDEN_LEGAJO", k_materia_orden_legajo, false, true, false, false, false},
    {"KVL:CLAVE_MATERIA_LEGAJOS", k_materia_legajos, false, true, true, false, false},
    {"KVL:CLAVE_MATERIA_SEXO_ALUMNO", k_materia_sexo_alumno, false, true, false, false, false},
    {"KVL:CLAVE_MATERIA_SEXO_ALUMNO2", k_materia_sexo_alumno2, false, true, true, false, false},
    {"KVL:CLAVE_CODMATERIA_ALUALFA", k_codmateria_alualfa, false, true, false, false, false},
    // The only key of all the files that also holds records whose components are all empty.
    {"KVL:CLAVE_RENDIMIENTO_ACADEMICO", k_rendimiento_academico, false, false, true, false, false},
    {"KVL:CLAVE_PROMEDIAEN_LEGAJO", k_promediaen_legajo, false, true, true, false, false},
    {"KVL:CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA", k_legajo_estado_orden_cmateria, false, true, true, false,
        false},
};
static_assert(std::size(keys) == CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA + 1);

} // namespace

const FileDef& kvlibretaFile()
{
    static const FileDef def {"KVLIBRETA", "KVLIBRETA.TPS", "KVL", 4399, fields, {}, keys};
    return def;
}

} // namespace kv

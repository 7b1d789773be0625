#include "data/files/kvaluap.h"

#include <iterator>

namespace kv {
namespace {

using namespace KVA;

constexpr FieldDef fields[] = {
    {"KVA:LEGAJO", FieldType::Long, 0, 4},
    {"KVA:APELLIDO_NOMBRE", FieldType::Text, 4, 50},
    {"KVA:DNI", FieldType::Long, 54, 4},
    {"KVA:SEXO", FieldType::Text, 58, 20},
    {"KVA:E_MAIL", FieldType::Text, 78, 80},
    {"KVA:COD_CURSO", FieldType::Long, 158, 4},
};
static_assert(std::size(fields) == COD_CURSO + 1);

constexpr KeyComponent k_principal[] = {{LEGAJO}};
constexpr KeyComponent k_alfa[] = {{APELLIDO_NOMBRE}};
constexpr KeyComponent k_dni[] = {{DNI}};
constexpr KeyComponent k_tipo_curso_division[] = {{COD_CURSO}, {APELLIDO_NOMBRE}};
constexpr KeyComponent k_curso_sexo_alfa[] = {{COD_CURSO}, {SEXO}, {APELLIDO_NOMBRE}};
constexpr KeyComponent k_curso_legajo[] = {{COD_CURSO}, {LEGAJO}};

// label, components, unique, optional, caseInsensitive, primary, autoNumber
constexpr KeyDef keys[] = {
    {"KVA:CLAVE_PRINCIPAL", k_principal, false, true, false, false, false},
    {"KVA:CLAVE_ALFA", k_alfa, false, true, true, false, false},
    {"KVA:CLAVE_DNI", k_dni, true, true, false, false, false},
    {"KVA:CLAVE_TIPO_CURSO_DIVISION", k_tipo_curso_division, false, true, true, false, false},
    {"KVA:CLAVE_CURSO_SEXO_ALFA", k_curso_sexo_alfa, false, true, true, false, false},
    {"KVA:CLAVE_CURSO_LEGAJO", k_curso_legajo, false, true, true, false, false},
};
static_assert(std::size(keys) == CLAVE_CURSO_LEGAJO + 1);

} // namespace

const FileDef& kvaluapFile()
{
    static const FileDef def {"KVALUAP", "KVAluAP.TPS", "KVA", 162, fields, {}, keys};
    return def;
}

} // namespace kv

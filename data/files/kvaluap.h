#pragma once

// KVALUAP: one record per student, with the course the student belongs to.

#include "data/schema.h"

namespace kv {
namespace KVA {
enum Field : int { LEGAJO, APELLIDO_NOMBRE, DNI, SEXO, E_MAIL, COD_CURSO };
enum Memo : int {};
enum Key : int {
    CLAVE_PRINCIPAL,
    CLAVE_ALFA,
    CLAVE_DNI,
    CLAVE_TIPO_CURSO_DIVISION,
    CLAVE_CURSO_SEXO_ALFA,
    CLAVE_CURSO_LEGAJO,
};
} // namespace KVA

const FileDef& kvaluapFile();

} // namespace kv

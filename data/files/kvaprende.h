#pragma once

// KVAPRENDE: the content catalogue, one record per prioritised content of a subject.

#include "data/schema.h"

namespace kv {
namespace KVAP {
enum Field : int {
    NRO_REGISTRO,
    COD_MATERIA,
    COD_CURSO,
    COD_DOCENTE,
    NRO_ORDEN,
    MATERIAS,
    DOCENTE,
    CONTENIDO_PRIORIZADO,
};
enum Memo : int { APRENDIZAJE_TRABAJO };
enum Key : int {
    CLAVE_PRIMARIA,
    CLAVE_LEGAJO_ORDEN_MATERIA,
    CLAVE_COD_MATERIA,
    CLAVE_ALFA_MATERIAS,
    CLAVE_MATERIA_REGISTRO_LEGAJO,
    CLAVE_MATERIA_LEGAJO,
    CLAVE_CODMATERIA_ALUALFA,
    CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA,
    CLAVE_ALFAMAGERIA_LEGAJO,
    CLAVE_LEGAJO_COD_MATERIA,
};
} // namespace KVAP

const FileDef& kvaprendeFile();

} // namespace kv

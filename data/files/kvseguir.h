#pragma once

// KVSEGUIR: learning tracking, one record per student, subject and content.

#include "data/schema.h"

namespace kv {
namespace KVG {
enum Field : int {
    NRO_REGISTRO,
    NRO_LEGAJO,
    COD_MATERIA,
    NRO_ORDEN,
    ALUMNO,
    MATERIAS,
    CONTENIDO_PRIORIZADO,
    LOGRADO,
    PENDIENTE,
    ENPROCESO,
    PPI,
    VALORACION_FINAL,
    COD_CURSO,
    INGRESO,
    OPERADOR,
    DOCENTE,
    COD_DOCENTE,
};
enum Memo : int { OBSPPI, APRENDIZAJE_TRABAJO };
enum Key : int {
    CLAVE_PRIMARIA,
    CLAVE_LEGAJO_ORDEN_MATERIA,
    CLAVE_COD_MATERIA,
    CLAVE_ALFA_MATERIAS,
    CLAVE_MATERIA_REGISTRO_LEGAJO,
    CLAVE_MATERIA_LEGAJO,
    CLAVE_CODMATERIA_ALUALFA,
    CLAVE_PROMEDIAEN_LEGAJO,
    CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA,
    CLAVE_ALFAMAGERIA_LEGAJO,
    CLAVE_LEGAJO_COD_MATERIA,
};
} // namespace KVG

const FileDef& kvseguirFile();

} // namespace kv

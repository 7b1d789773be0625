#pragma once

// KVMATERIAS: one record per subject as taught in one course by one teacher.

#include "data/schema.h"

namespace kv {
namespace KVM {
enum Field : int {
    NRO_REGISTRO,
    NRO_ORDEN,
    MATERIA,
    BILINGUE_MATERIA,
    TIPO,
    TIPO_LENGUAJE,
    COD_PROFESOR,
    PROFESOR,
    COD_CURSO,
    SEXO,
    HORAS,
    SINPROMEDIO,
    PROMEDIOGRAL,
    VINCULANTE,
    CONTENIDOSACTITUDINALES,
    INTEGRADORA,
    MATERIASCORRELATIVAS,
    PROMEDIAEN,
    CANTIDADMATEPROM,
    CICLO,
    CURSO,
    DIVISION,
    ESPECIALIDAD,
    TURNO,
    MAIL_PEN_DRIVE,
    DNI_DOCENTE,
    KVP_FECHANAC,
};
enum Memo : int { OBJETIVO };
enum Key : int {
    CLAVE_PRINCIPAL,
    CLAVE_CURSO,
    CLAVE_PROFESOR,
    CLAVE_ALFA,
    CLAVE_PROFESOR_CURSO,
    CLAVE_MATERIA_SEXO,
    CLAVE_CURSO_ORDEN_CODIGO,
    CLAVE_PROMEDIA,
    CLAVE_CURSO_MATERIA,
    CLAVE_CODMATERIA_CODPROFESOR,
    CLAVE_DNI_PROFESOR,
};
} // namespace KVM

const FileDef& kvmateriasFile();

} // namespace kv

#include "data/files/all_files.h"
#include "data/files/kvaluap.h"
#include "data/files/kvaprende.h"
#include "data/files/kvlibreta.h"
#include "data/files/kvmaterias.h"
#include "data/files/kvseguir.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace kv;

namespace {

struct MemoExpect {
    std::string_view label;
    int size;
};

struct FileExpect {
    const FileDef& (*def)();
    std::string_view label;
    std::string_view fileName;
    std::string_view prefix;
    int recordLength;
    int fieldCount;
    int keyCount;
    std::vector<MemoExpect> memos;
};

const std::vector<FileExpect>& fileExpectations()
{
    static const std::vector<FileExpect> files {
        {kvmateriasFile, "KVMATERIAS", "KVMaterias.TPS", "KVM", 523, 27, 11, {{"KVM:OBJETIVO", 4000}}},
        {kvaluapFile, "KVALUAP", "KVAluAP.TPS", "KVA", 162, 6, 6, {}},
        {kvlibretaFile, "KVLIBRETA", "KVLIBRETA.TPS", "KVL", 4399, 131, 12, {}},
        {kvaprendeFile, "KVAPRENDE", "KVAPRENDE.TPS", "KVAP", 393, 8, 10,
            {{"KVAP:APRENDIZAJE_TRABAJO", 1000}}},
        {kvseguirFile, "KVSEGUIR", "KVSEGUIR.TPS", "KVG", 537, 17, 11,
            {{"KVG:OBSPPI", 1000}, {"KVG:APRENDIZAJE_TRABAJO", 1000}}},
    };
    return files;
}

bool hasPrefix(std::string_view label, std::string_view prefix)
{
    return label.size() > prefix.size() + 1 && label.substr(0, prefix.size()) == prefix
        && label[prefix.size()] == ':';
}

} // namespace

TEST(FileTables, FilesMatchTheirDescriptions)
{
    for (const FileExpect& e : fileExpectations()) {
        SCOPED_TRACE(std::string(e.label));
        const FileDef& f = e.def();
        EXPECT_EQ(f.label, e.label);
        EXPECT_EQ(f.fileName, e.fileName);
        EXPECT_EQ(f.prefix, e.prefix);
        EXPECT_EQ(f.recordLength, e.recordLength);
        EXPECT_EQ(f.fields.size(), static_cast<std::size_t>(e.fieldCount));
        EXPECT_EQ(f.keys.size(), static_cast<std::size_t>(e.keyCount));
        ASSERT_EQ(f.memos.size(), e.memos.size());
        for (std::size_t i = 0; i < e.memos.size(); ++i) {
            EXPECT_EQ(f.memos[i].label, e.memos[i].label);
            EXPECT_EQ(f.memos[i].size, e.memos[i].size);
        }
        EXPECT_EQ(fileByLabel(e.label), &f);
    }
    EXPECT_EQ(fileByLabel("KVNADA"), nullptr);
}

TEST(FileTables, AllFilesInSetUpOrder)
{
    const std::vector<std::string_view> expected {
        "KVLIBRETA", "KVAPRENDE", "KVMATERIAS", "KVALUAP", "KVSEGUIR"};
    std::vector<std::string_view> actual;
    for (const FileDef* f : allFiles())
        actual.push_back(f->label);
    EXPECT_EQ(actual, expected);
}

TEST(FileTables, FieldsAreContiguousAndSizedByType)
{
    for (const FileDef* f : allFiles()) {
        SCOPED_TRACE(std::string(f->label));
        int end = 0;
        for (std::size_t i = 0; i < f->fields.size(); ++i) {
            const FieldDef& fd = f->fields[i];
            SCOPED_TRACE(std::string(fd.label));
            EXPECT_TRUE(hasPrefix(fd.label, f->prefix));
            EXPECT_EQ(f->fieldIndex(fd.label), static_cast<int>(i)) << "label used twice";
            EXPECT_EQ(fd.offset, end);
            switch (fd.type) {
            case FieldType::Long:
            case FieldType::Date:
                EXPECT_EQ(fd.size, 4);
                break;
            case FieldType::Short:
                EXPECT_EQ(fd.size, 2);
                break;
            case FieldType::Text:
            case FieldType::Decimal:
                EXPECT_GT(fd.size, 0);
                break;
            }
            end = fd.offset + fd.size;
        }
        EXPECT_EQ(end, f->recordLength);
        for (const MemoDef& m : f->memos)
            EXPECT_TRUE(hasPrefix(m.label, f->prefix)) << m.label;
    }
}

TEST(FileTables, FieldsFromTheRecordLayouts)
{
    struct Case {
        const FileDef& (*def)();
        int index; // enumerator of the file's Field enum
        std::string_view label;
        FieldType type;
        int offset;
        int size;
    };
    const Case cases[] = {
        {kvmateriasFile, KVM::HORAS, "KVM:HORAS", FieldType::Decimal, 214, 3},
        {kvmateriasFile, KVM::PROMEDIAEN, "KVM:PROMEDIAEN", FieldType::Long, 353, 4},
        {kvmateriasFile, KVM::CURSO, "KVM:CURSO", FieldType::Short, 389, 2},
        {kvmateriasFile, KVM::DNI_DOCENTE, "KVM:DNI_DOCENTE", FieldType::Long, 515, 4},
        {kvmateriasFile, KVM::KVP_FECHANAC, "KVM:KVP_FECHANAC", FieldType::Date, 519, 4},
        {kvaluapFile, KVA::DNI, "KVA:DNI", FieldType::Long, 54, 4},
        {kvaluapFile, KVA::E_MAIL, "KVA:E_MAIL", FieldType::Text, 78, 80},
        {kvaluapFile, KVA::COD_CURSO, "KVA:COD_CURSO", FieldType::Long, 158, 4},
        {kvlibretaFile, KVL::CAMPO, "KVL:CAMPO", FieldType::Text, 114, 6},
        {kvlibretaFile, KVL::ETAPA1, "KVL:ETAPA1", FieldType::Decimal, 120, 4},
        {kvlibretaFile, KVL::ETAPA28, "KVL:ETAPA28", FieldType::Decimal, 228, 4},
        {kvlibretaFile, KVL::PRONOSTICO1, "KVL:PRONOSTICO1", FieldType::Decimal, 240, 3},
        {kvlibretaFile, KVL::PRONOSTICO2, "KVL:PRONOSTICO2", FieldType::Decimal, 243, 4},
        {kvlibretaFile, KVL::FINALETAPAI, "KVL:FINALETAPAI", FieldType::Decimal, 250, 4},
        {kvlibretaFile, KVL::CUALIFICA1, "KVL:CUALIFICA1", FieldType::Text, 278, 3},
        {kvlibretaFile, KVL::FINAL1, "KVL:FINAL1", FieldType::Text, 338, 3},
        {kvlibretaFile, KVL::FINALANUAL, "KVL:FINALANUAL", FieldType::Text, 347, 3},
        {kvlibretaFile, KVL::EXTRA1, "KVL:EXTRA1", FieldType::Decimal, 350, 4},
        {kvlibretaFile, KVL::ETADO, "KVL:ETADO", FieldType::Text, 430, 20},
        {kvlibretaFile, KVL::FECHA1, "KVL:FECHA1", FieldType::Date, 454, 4},
        {kvlibretaFile, KVL::COD_CURSO, "KVL:COD_CURSO", FieldType::Long, 534, 4},
        {kvlibretaFile, KVL::OBSERVACION1, "KVL:OBSERVACION1", FieldType::Text, 568, 255},
        {kvlibretaFile, KVL::OBSERVACION15, "KVL:OBSERVACION15", FieldType::Text, 4138, 255},
        {kvlibretaFile, KVL::PROMEDIAEN, "KVL:PROMEDIAEN", FieldType::Long, 4393, 4},
        {kvlibretaFile, KVL::CANTIDAD, "KVL:CANTIDAD", FieldType::Short, 4397, 2},
        {kvaprendeFile, KVAP::NRO_ORDEN, "KVAP:NRO_ORDEN", FieldType::Short, 16, 2},
        {kvaprendeFile, KVAP::DOCENTE, "KVAP:DOCENTE", FieldType::Text, 78, 60},
        {kvaprendeFile, KVAP::CONTENIDO_PRIORIZADO, "KVAP:CONTENIDO_PRIORIZADO", FieldType::Text, 138, 255},
        {kvseguirFile, KVG::NRO_ORDEN, "KVG:NRO_ORDEN", FieldType::Short, 12, 2},
        {kvseguirFile, KVG::CONTENIDO_PRIORIZADO, "KVG:CONTENIDO_PRIORIZADO", FieldType::Text, 134, 255},
        {kvseguirFile, KVG::LOGRADO, "KVG:LOGRADO", FieldType::Text, 389, 10},
        {kvseguirFile, KVG::COD_CURSO, "KVG:COD_CURSO", FieldType::Long, 439, 4},
        {kvseguirFile, KVG::COD_DOCENTE, "KVG:COD_DOCENTE", FieldType::Long, 533, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        const FileDef& f = c.def();
        ASSERT_LT(c.index, static_cast<int>(f.fields.size()));
        const FieldDef& fd = f.fields[c.index];
        EXPECT_EQ(fd.label, c.label);
        EXPECT_EQ(fd.type, c.type);
        EXPECT_EQ(fd.offset, c.offset);
        EXPECT_EQ(fd.size, c.size);
    }
}

TEST(FileTables, NotableKeys)
{
    struct Component {
        std::string_view field;
        bool descending;
    };
    struct Case {
        const FileDef& (*def)();
        int index; // enumerator of the file's Key enum
        std::string_view label;
        std::vector<Component> components;
        bool unique, optional, caseInsensitive, primary, autoNumber;
    };
    const Case cases[] = {
        {kvmateriasFile, KVM::CLAVE_ALFA, "KVM:CLAVE_ALFA", {{"KVM:MATERIA", false}}, false, true, false,
            false, false},
        {kvmateriasFile, KVM::CLAVE_DNI_PROFESOR, "KVM:CLAVE_DNI_PROFESOR", {{"KVM:DNI_DOCENTE", false}},
            false, true, true, false, false},
        {kvaluapFile, KVA::CLAVE_ALFA, "KVA:CLAVE_ALFA", {{"KVA:APELLIDO_NOMBRE", false}}, false, true, true,
            false, false},
        {kvaluapFile, KVA::CLAVE_DNI, "KVA:CLAVE_DNI", {{"KVA:DNI", false}}, true, true, false, false, false},
        {kvlibretaFile, KVL::CLAVE_PRIMARIA, "KVL:CLAVE_PRIMARIA", {{"KVL:NRO_REGISTRO", false}}, true, true,
            false, true, false},
        {kvlibretaFile, KVL::CLAVE_LEGAGO, "KVL:CLAVE_LEGAGO",
            {{"KVL:NRO_LEGAJO", false}, {"KVL:NRO_ORDEN", false}, {"KVL:COD_MATERIA", false}}, false, true,
            false, false, false},
        {kvlibretaFile, KVL::CLAVE_MATERIA_SEXO_ALUMNO2, "KVL:CLAVE_MATERIA_SEXO_ALUMNO2",
            {{"KVL:COD_MATERIA", false}, {"KVL:SEXO", true}, {"KVL:ALUMNO", false}}, false, true, true, false,
            false},
        {kvlibretaFile, KVL::CLAVE_CODMATERIA_ALUALFA, "KVL:CLAVE_CODMATERIA_ALUALFA",
            {{"KVL:COD_MATERIA", false}, {"KVL:ALUMNO", false}}, false, true, false, false, false},
        {kvlibretaFile, KVL::CLAVE_RENDIMIENTO_ACADEMICO, "KVL:CLAVE_RENDIMIENTO_ACADEMICO",
            {{"KVL:EVALUACION_ANUAL", true}, {"KVL:FINALETAPAIII", true}, {"KVL:FINALETAPAII", true},
                {"KVL:FINALETAPAI", true}},
            false, false, true, false, false},
        {kvlibretaFile, KVL::CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA, "KVL:CLAVE_LEGAJO_ESTADO_ORDEN_CMATERIA",
            {{"KVL:NRO_LEGAJO", false}, {"KVL:ETADO", false}, {"KVL:NRO_ORDEN", false},
                {"KVL:COD_MATERIA", false}},
            false, true, true, false, false},
        {kvaprendeFile, KVAP::CLAVE_PRIMARIA, "KVAP:CLAVE_PRIMARIA", {{"KVAP:NRO_REGISTRO", false}}, true,
            true, false, true, false},
        {kvaprendeFile, KVAP::CLAVE_LEGAJO_ORDEN_MATERIA, "KVAP:CLAVE_LEGAJO_ORDEN_MATERIA",
            {{"KVAP:NRO_ORDEN", false}, {"KVAP:COD_MATERIA", false}}, false, true, false, false, false},
        {kvaprendeFile, KVAP::CLAVE_ALFAMAGERIA_LEGAJO, "KVAP:CLAVE_ALFAMAGERIA_LEGAJO",
            {{"KVAP:MATERIAS", false}}, false, true, true, false, false},
        {kvseguirFile, KVG::CLAVE_PRIMARIA, "KVG:CLAVE_PRIMARIA", {{"KVG:NRO_REGISTRO", false}}, true, true,
            false, true, true},
        {kvseguirFile, KVG::CLAVE_LEGAJO_ORDEN_MATERIA, "KVG:CLAVE_LEGAJO_ORDEN_MATERIA",
            {{"KVG:NRO_LEGAJO", false}, {"KVG:NRO_ORDEN", false}, {"KVG:COD_MATERIA", false}}, false, true,
            false, false, false},
        {kvseguirFile, KVG::CLAVE_CODMATERIA_ALUALFA, "KVG:CLAVE_CODMATERIA_ALUALFA",
            {{"KVG:COD_MATERIA", false}, {"KVG:ALUMNO", false}}, false, true, false, false, false},
        {kvseguirFile, KVG::CLAVE_PROMEDIAEN_LEGAJO, "KVG:CLAVE_PROMEDIAEN_LEGAJO",
            {{"KVG:NRO_LEGAJO", false}}, false, true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        const FileDef& f = c.def();
        ASSERT_LT(c.index, static_cast<int>(f.keys.size()));
        const KeyDef& k = f.keys[c.index];
        EXPECT_EQ(k.label, c.label);
        EXPECT_EQ(k.unique, c.unique);
        EXPECT_EQ(k.optional, c.optional);
        EXPECT_EQ(k.caseInsensitive, c.caseInsensitive);
        EXPECT_EQ(k.primary, c.primary);
        EXPECT_EQ(k.autoNumber, c.autoNumber);
        ASSERT_EQ(k.components.size(), c.components.size());
        for (std::size_t i = 0; i < c.components.size(); ++i) {
            EXPECT_EQ(f.fields[k.components[i].field].label, c.components[i].field) << "component " << i;
            EXPECT_EQ(k.components[i].descending, c.components[i].descending) << "component " << i;
        }
    }
}

TEST(FileTables, KeyRulesAcrossAllFiles)
{
    std::vector<std::string_view> autoNumbered, required, withDescending;
    for (const FileDef* f : allFiles()) {
        SCOPED_TRACE(std::string(f->label));
        int primaries = 0;
        for (std::size_t i = 0; i < f->keys.size(); ++i) {
            const KeyDef& k = f->keys[i];
            SCOPED_TRACE(std::string(k.label));
            EXPECT_TRUE(hasPrefix(k.label, f->prefix));
            EXPECT_EQ(f->keyIndex(k.label), static_cast<int>(i)) << "label used twice";
            EXPECT_FALSE(k.components.empty());
            std::set<int> seen;
            for (const KeyComponent& c : k.components) {
                EXPECT_GE(c.field, 0);
                EXPECT_LT(c.field, static_cast<int>(f->fields.size()));
                EXPECT_TRUE(seen.insert(c.field).second) << "field repeated in key";
                if (c.descending)
                    withDescending.push_back(k.label);
            }
            if (k.primary) {
                ++primaries;
                EXPECT_TRUE(k.unique);
            }
            if (k.autoNumber)
                autoNumbered.push_back(k.label);
            if (!k.optional)
                required.push_back(k.label);
        }
        EXPECT_EQ(primaries, f->label == "KVMATERIAS" || f->label == "KVALUAP" ? 0 : 1);
    }
    EXPECT_EQ(autoNumbered, std::vector<std::string_view> {"KVG:CLAVE_PRIMARIA"});
    EXPECT_EQ(required, std::vector<std::string_view> {"KVL:CLAVE_RENDIMIENTO_ACADEMICO"});
    const std::set<std::string_view> descendingKeys(withDescending.begin(), withDescending.end());
    EXPECT_EQ(descendingKeys,
        (std::set<std::string_view> {"KVL:CLAVE_MATERIA_SEXO_ALUMNO2", "KVL:CLAVE_RENDIMIENTO_ACADEMICO"}));
}

TEST(FileTables, LookupByLabel)
{
    const FileDef& g = kvseguirFile();
    EXPECT_EQ(g.fieldIndex("KVG:LOGRADO"), KVG::LOGRADO);
    EXPECT_EQ(g.fieldIndex("LOGRADO"), -1); // labels are looked up with their prefix
    EXPECT_EQ(g.fieldIndex("KVAP:NRO_REGISTRO"), -1);
    EXPECT_EQ(g.fieldIndex("KVG:OBSPPI"), -1); // a memo, not a field
    EXPECT_EQ(g.memoIndex("KVG:APRENDIZAJE_TRABAJO"), KVG::APRENDIZAJE_TRABAJO);
    EXPECT_EQ(g.keyIndex("KVG:CLAVE_LEGAJO_COD_MATERIA"), KVG::CLAVE_LEGAJO_COD_MATERIA);
    EXPECT_EQ(g.keyIndex("KVG:CLAVE_NADA"), -1);
    EXPECT_EQ(kvaluapFile().memoIndex("KVA:OBJETIVO"), -1);

    EXPECT_EQ(bareName("KVG:LOGRADO"), "LOGRADO");
    EXPECT_EQ(bareName("KVAP:APRENDIZAJE_TRABAJO"), "APRENDIZAJE_TRABAJO");
    EXPECT_EQ(bareName("KVSEGUIR"), "KVSEGUIR");
    EXPECT_EQ(bareName("A:B:C"), "B:C");
}

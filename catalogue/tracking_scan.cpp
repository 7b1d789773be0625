#include "catalogue/tracking_scan.h"

#include "data/files/kvseguir.h"
#include "data/table_schema.h"

namespace kv {

Status forEachTrackingLink(FileManager& seguir, const std::function<bool(const StoredTrackingLink&)>& sink)
{
    sql::Database* db = seguir.database();
    if (!db) {
        return Status::Error;
    }
    const FileDef& def = kvseguirFile();
    sql::Statement* stmt = db->cached("SELECT pos, " + schema::fieldColumn(def.fields[KVG::NRO_LEGAJO]) + ", "
        + schema::fieldColumn(def.fields[KVG::COD_MATERIA]) + ", "
        + schema::fieldColumn(def.fields[KVG::CONTENIDO_PRIORIZADO]) + ", "
        + schema::memoColumn(def.memos[KVG::APRENDIZAJE_TRABAJO]) + " FROM " + schema::table(def)
        + " ORDER BY pos");
    if (!stmt) {
        seguir.reportReadError();
        return Status::Error;
    }
    sql::StatementUse use(*stmt);
    int rc;
    while ((rc = use->step()) == SQLITE_ROW) {
        const StoredTrackingLink row {use->columnInt(0), static_cast<std::int32_t>(use->columnInt(1)),
            static_cast<std::int32_t>(use->columnInt(2)), use->columnText(3), use->columnText(4)};
        if (!sink(row)) {
            return Status::Ok;
        }
    }
    if (rc != SQLITE_DONE) {
        seguir.reportReadError();
        return Status::Error;
    }
    return Status::Ok;
}

} // namespace kv

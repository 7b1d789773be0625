#include "catalogue/content_delete.h"

namespace kv {

std::uint8_t runContentDelete(AppState& app)
{
    const QString previousProcedure = app.errors.procedureName();
    app.errors.setProcedureName(kContentFormProcedure);
    app.globalRequest = 0;
    app.globalResponse = 0;
    DataFile* const files[] = {&app.dict.kvaprende, &app.dict.kvmaterias};
    for (DataFile* f : files) {
        f->relate.open();
    }

    std::uint8_t response = RequestCancelled;
    for (;;) {
        if (app.dict.kvaprende.relate.deleteRecord() == Status::Ok) {
            response = RequestCompleted;
            break;
        }
        if (app.errors.throwMessage(Msg::DeleteRetry) != Answer::Yes) {
            break;
        }
    }

    for (DataFile* f : files) {
        f->relate.close();
    }
    app.errors.setProcedureName(previousProcedure);
    app.globalResponse = response;
    return response;
}

} // namespace kv

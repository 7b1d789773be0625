#include "data/error_service.h"

#include <cstdio>
#include <cstdlib>

namespace kv {
namespace {

struct Template {
    Msg id;
    MsgKind kind;
    const char* title;
    const char* text;
    Buttons buttons;
    Answer defaultAnswer;
};

constexpr Template kTemplates[] = {
    {Msg::AccessDenied, MsgKind::Notice, "Access Denied",
        "Could not get write access to %File so trying read-only.", Buttons::Ok, Answer::Ok},
    {Msg::InvalidKey, MsgKind::Notice, "Invalid Key", "%File key file is invalid. Key must be rebuilt.",
        Buttons::Ok, Answer::Ok},
    {Msg::RebuildKeyFailed, MsgKind::Fatal, "Key was not built",
        "Error: (%ErrorText) repairing key for %File.", Buttons::Ok, Answer::Ok},
    {Msg::CreateFailed, MsgKind::Fatal, "File Creation Error", "Error: (%ErrorText) creating %File.",
        Buttons::Ok, Answer::Ok},
    {Msg::OpenFailed, MsgKind::Fatal, "File Access Error",
        "File %File could not be opened.  Error: %ErrorText.", Buttons::Ok, Answer::Ok},
    {Msg::CloseFailed, MsgKind::Notice, "File Access Error",
        "File %File could not be closed.  Error: %ErrorText.", Buttons::Ok, Answer::Ok},
    {Msg::InsertFailed, MsgKind::Notice, "Record Insert Error",
        "An error was experienced during the creation of a record.|File: %File|Error: %ErrorText.",
        Buttons::Ok, Answer::Ok},
    {Msg::DuplicateKey, MsgKind::Notice, "Duplicate Key Error",
        "Adding this record creates a duplicate entry for the key: %Message", Buttons::Ok, Answer::Ok},
    {Msg::AutoIncrementFailed, MsgKind::Question, "Auto Increment Error",
        "Attempts to automatically number this record have failed.|File: %File|Key: %Key|Error: "
        "%ErrorText.|Try "
        "Again?",
        Buttons::YesNo, Answer::Yes},
    {Msg::UpdateFailed, MsgKind::Notice, "Record was not updated",
        "An error (%ErrorText) was experienced when making changes to the %File file.", Buttons::Ok,
        Answer::Ok},
    {Msg::DeleteFailed, MsgKind::Notice, "Record was not deleted",
        "An error (%ErrorText) was experienced when deleting a record from the %File file.", Buttons::Ok,
        Answer::Ok},
    {Msg::ChangedByOtherStation, MsgKind::Notice, "Record Was Not Updated",
        "This record was changed by another station. Those changes will now be displayed. Use the Ditto "
        "Button or "
        "Ctrl+H to recall your changes.",
        Buttons::Ok, Answer::Ok},
    {Msg::UpdateRetry, MsgKind::Question, "Record Update Error",
        "An error was experienced changing this record. Do you want to try to save again?",
        Buttons::YesNoCancel, Answer::Cancel},
    {Msg::DeleteRetry, MsgKind::Question, "Record Delete Error",
        "An error was experienced deleting this record. Do you want to try to delete it again?",
        Buttons::YesNo, Answer::Yes},
    {Msg::RetrievalFailed, MsgKind::Notice, "Record Retrieval Error",
        "Error: (%ErrorText) attempting to access a record from the %File file.  Returning to previous "
        "window.",
        Buttons::Ok, Answer::Ok},
    {Msg::ViewOpenFailed, MsgKind::Notice, "View Open Error",
        "Error: (%ErrorText) attempting to open the current VIEW. Filter and Range Limits ignored.",
        Buttons::Ok, Answer::Ok},
    {Msg::RecordChangedOrDeleted, MsgKind::Notice, "Record Retrieval Error",
        "This record was changed or deleted by another station.|Error: (%ErrorText) attempting to access a "
        "record "
        "from the %File file.",
        Buttons::Ok, Answer::Ok},
    {Msg::RecordLocked, MsgKind::Notice, "Record not read",
        "A record held by another station was encountered reading from the %File file.", Buttons::Ok,
        Answer::Ok},
    {Msg::NoRecords, MsgKind::Notice, "No Records", "There are no records available to process.", Buttons::Ok,
        Answer::Ok},
};

// Fills the placeholders in one pass, so that a value containing a
// placeholder name is shown as it is; "|" becomes a line break.
QString fill(const QString& pattern, const MsgArgs& args)
{
    static const std::pair<QLatin1String, const QString MsgArgs::*> kPlaceholders[] = {
        {QLatin1String("%File"), &MsgArgs::file},
        {QLatin1String("%Key"), &MsgArgs::key},
        {QLatin1String("%Message"), &MsgArgs::key},
        {QLatin1String("%ErrorText"), &MsgArgs::errorText},
    };
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        bool replaced = false;
        for (const auto& [name, member] : kPlaceholders) {
            if (QStringView(pattern).mid(i).startsWith(name)) {
                out += args.*member;
                i += name.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out += pattern[i] == QLatin1Char('|') ? QChar(QLatin1Char('\n')) : pattern[i];
            ++i;
        }
    }
    return out;
}

} // namespace

Answer StreamPresenter::present(const Message& message)
{
    const QByteArray line = (message.title + QStringLiteral(": ")
        + QString(message.text).replace(QLatin1Char('\n'), QLatin1Char(' ')))
                                .toUtf8();
    std::fprintf(stream_, "%s\n", line.constData());
    // Nobody is there to answer: never retry, never go on.
    switch (message.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    }
    return Answer::No;
}

ErrorService::ErrorService()
    : fatalHandler_([] { std::exit(EXIT_FAILURE); })
{
}

void ErrorService::setPresenter(MessagePresenter* presenter)
{
    presenter_ = presenter;
}

void ErrorService::setFatalHandler(std::function<void()> handler)
{
    fatalHandler_ = std::move(handler);
}

Message ErrorService::build(Msg id, const MsgArgs& args)
{
    for (const Template& t : kTemplates) {
        if (t.id != id) {
            continue;
        }
        QString text = fill(QString::fromUtf8(t.text), args);
        if (t.kind == MsgKind::Fatal) {
            text += QStringLiteral("  Press OK to end this application");
        }
        return {id, t.kind, QString::fromUtf8(t.title), text, t.buttons, t.defaultAnswer};
    }
    return {id, MsgKind::Notice, QString(), QString(), Buttons::Ok, Answer::Ok};
}

Answer ErrorService::throwMessage(Msg id, const MsgArgs& args)
{
    last_ = build(id, args);
    MessagePresenter* presenter = presenter_ ? presenter_ : &stderrPresenter_;
    const Answer answer = presenter->present(*last_);
    if (last_->kind == MsgKind::Fatal && fatalHandler_) {
        fatalHandler_();
    }
    return answer;
}

} // namespace kv

#pragma once

// GlobalErrors: the messages of the file layer and of the forms, with their
// fixed titles and texts. The service builds the message; a presenter shows
// it (a message box in the program, a recorder in tests, stderr in kvadmin).

#include <QString>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace kv {

enum class Msg {
    AccessDenied,
    InvalidKey,
    RebuildKeyFailed,
    CreateFailed,
    OpenFailed,
    CloseFailed,
    InsertFailed,
    DuplicateKey,
    AutoIncrementFailed,
    UpdateFailed,
    DeleteFailed,
    ChangedByOtherStation, // a form's change met a record changed meanwhile
    UpdateRetry, // question after a form's failed write
    DeleteRetry, // question after a form's failed delete
    RetrievalFailed,
    ViewOpenFailed,
    RecordChangedOrDeleted,
    RecordLocked,
    NoRecords,
};

enum class MsgKind { Notice, Question, Fatal };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    Msg id;
    MsgKind kind;
    QString title;
    QString text; // "|" already turned into line breaks; fatal suffix added
    Buttons buttons;
    Answer defaultAnswer;
};

// What fills the placeholders of a message.
struct MsgArgs {
    QString file; // %File
    QString key; // %Key and %Message
    QString errorText; // %ErrorText
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual Answer present(const Message& message) = 0;
};

// Presents each message as a line on a stream (standard error by default),
// for kvadmin and anything without a screen. Questions are answered No
// (Cancel where offered): with nobody to ask, nothing is retried.
class StreamPresenter : public MessagePresenter {
public:
    explicit StreamPresenter(std::FILE* stream = stderr)
        : stream_(stream)
    {
    }
    Answer present(const Message& message) override;

private:
    std::FILE* stream_;
};

class ErrorService {
public:
    ErrorService();

    // The presenter is not owned; it must outlive its use. Null restores stderr.
    void setPresenter(MessagePresenter* presenter);
    // Called after a fatal message has been confirmed. The default ends the process.
    void setFatalHandler(std::function<void()> handler);

    Answer throwMessage(Msg id, const MsgArgs& args = {});
    static Message build(Msg id, const MsgArgs& args);

    void setProcedureName(const QString& name) { procedure_ = name; }
    const QString& procedureName() const { return procedure_; }

    // The last message thrown, for callers that report it in their own words.
    const Message* lastMessage() const { return last_ ? &*last_ : nullptr; }

private:
    MessagePresenter* presenter_ = nullptr;
    StreamPresenter stderrPresenter_;
    std::function<void()> fatalHandler_;
    QString procedure_;
    std::optional<Message> last_;
};

} // namespace kv

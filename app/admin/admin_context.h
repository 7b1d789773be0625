#pragma once

// What every kvadmin command works with: the data folder, the output
// streams, and an error service that reports on the command's error stream.

#include "data/dictionary.h"

#include <QString>
#include <cstdio>

namespace kv::admin {

enum ExitCode : int { kSucceeded = 0, kFailed = 1, kUsage = 2 };

struct Context {
    QString directory;
    std::FILE* out;
    std::FILE* err;
};

void print(std::FILE* stream, const QString& text); // UTF-8
int usageError(const Context& ctx, const QString& text);

// The data files of the folder, wired to report on the error stream.
struct Session {
    explicit Session(const Context& ctx);

    StreamPresenter presenter;
    ErrorService errors;
    Dictionary dictionary;
};

// The data file named by a label such as "kvaluap", or a usage message on
// the error stream and nullptr.
DataFile* findFile(Session& session, const Context& ctx, const QString& label);

// "KVALUAP", "KVA:CLAVE_ALFA", ...
inline QString labelText(std::string_view label)
{
    return QString::fromLatin1(label.data(), qsizetype(label.size()));
}

} // namespace kv::admin

#pragma once

// Runs a kvadmin command in-process and collects what it printed.

#include "app/admin/admin_commands.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <memory>

namespace kv::test {

struct AdminOutcome {
    int code;
    QByteArray out;
    QString err;
    QString outText() const { return QString::fromUtf8(out); }
};

inline QByteArray drainFile(std::FILE* f)
{
    std::rewind(f);
    QByteArray bytes;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) {
        bytes.append(buf, static_cast<qsizetype>(n));
    }
    return bytes;
}

// kvadmin --dir DIR ARGS...
inline AdminOutcome runAdmin(const QString& dir, QStringList args)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
    if (!dir.isEmpty()) {
        args.prepend(dir);
        args.prepend(QStringLiteral("--dir"));
    }
    const int code = admin::run(args, out.get(), err.get());
    return {code, drainFile(out.get()), QString::fromUtf8(drainFile(err.get()))};
}

} // namespace kv::test

#include "shell/ini_file.h"

#include "data/cp1252.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace kv {
namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The section name of a "[Name]" line; nothing for any other line, including
// a header that is never closed.
std::optional<QString> headerName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line; empty for comments and lines without '='.
QString keyOf(const QString& line)
{
    if (line.trimmed().startsWith(u';'))
        return {};
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

QString valueOf(const QString& line)
{
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

// The first section of that name, const or not as the list is; null when none.
template <typename Sections>
auto findSection(Sections& sections, const QString& name) -> decltype(&sections.front())
{
    const auto it = std::find_if(sections.begin(), sections.end(),
        [&](const auto& s) { return s.hasHeader && sameName(s.name, name); });
    return it == sections.end() ? nullptr : &*it;
}

constexpr bool kPlatformCrlf =
#ifdef _WIN32
    true;
#else
    false;
#endif

} // namespace

void IniFile::load(const QString& path)
{
    sections_.clear();
    sections_.push_back(Section {});
    crlf_.reset();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (!bytes.isEmpty())
        crlf_ = bytes.contains("\r\n");

    QList<QByteArray> rawLines = bytes.split('\n');
    if (!rawLines.isEmpty() && rawLines.last().isEmpty())
        rawLines.removeLast(); // the file's final line break
    for (QByteArray& raw : rawLines) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        QString text = cp1252::decode(raw);
        if (const auto name = headerName(text)) {
            sections_.push_back(Section {*name, true, {}});
            sections_.back().lines.push_back(Line {std::move(text), {}});
            continue;
        }
        // Keys before the first header belong to no section: kept, never found.
        QString key = sections_.back().hasHeader ? keyOf(text) : QString();
        sections_.back().lines.push_back(Line {std::move(text), std::move(key)});
    }
}

bool IniFile::save(const QString& path) const
{
    const QByteArray eol = crlf_.value_or(kPlatformCrlf) ? "\r\n" : "\n";
    QByteArray bytes;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines)
            bytes += cp1252::encodeLossy(line.text) + eol;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const Section* found = findSection(sections_, section);
    if (!found)
        return std::nullopt;
    for (const Line& line : found->lines) {
        if (!line.key.isEmpty() && sameName(line.key, key))
            return valueOf(line.text);
    }
    return std::nullopt;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    Section* target = findSection(sections_, section);
    if (!target) {
        sections_.push_back(Section {section, true, {Line {u'[' + section + u']', {}}}});
        target = &sections_.back();
    }
    for (Line& line : target->lines) {
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line.text = line.key + u'=' + value; // keeps the key as it was spelt
            return;
        }
    }
    // After the section's last non-blank line, so that a blank separator
    // before the next section stays where it is.
    auto insertAt = std::find_if(target->lines.rbegin(), target->lines.rend(), [](const Line& line) {
        return !line.text.trimmed().isEmpty();
    }).base();
    target->lines.insert(insertAt, Line {key + u'=' + value, key});
}

void IniFile::remove(const QString& section, const QString& key)
{
    Section* target = findSection(sections_, section);
    if (!target)
        return;
    std::erase_if(
        target->lines, [&](const Line& line) { return !line.key.isEmpty() && sameName(line.key, key); });
}

} // namespace kv

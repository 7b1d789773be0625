#include "catalogue/tracking_links.h"

#include "data/cp1252.h"
#include "data/files/kvaprende.h"
#include "data/files/kvseguir.h"

#include <algorithm>

namespace kv {
namespace {

std::string_view withoutPadding(std::string_view text)
{
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view view(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

std::size_t CatalogueLinks::LinkHash::operator()(const Link& l) const
{
    const auto a = static_cast<std::uint64_t>(static_cast<std::uint32_t>(l.subject));
    const auto b = static_cast<std::uint64_t>(static_cast<std::uint32_t>(l.content));
    const auto c = static_cast<std::uint64_t>(static_cast<std::uint32_t>(l.learning));
    return std::hash<std::uint64_t> {}((a << 32 | b) * 0x9E3779B97F4A7C15ull ^ c);
}

int CatalogueLinks::idOf(TextIds& ids, std::string_view text)
{
    const auto it = ids.find(text);
    if (it != ids.end()) {
        return it->second;
    }
    const int id = static_cast<int>(ids.size());
    ids.emplace(std::string(text), id);
    return id;
}

int CatalogueLinks::add(const Record& entry)
{
    const Link link {entry.integer(KVAP::COD_MATERIA),
        idOf(contents_, withoutPadding(view(entry.rawText(KVAP::CONTENIDO_PRIORIZADO)))),
        idOf(learnings_, withoutPadding(view(entry.rawMemo(KVAP::APRENDIZAJE_TRABAJO))))};
    // A new text makes the stored texts seen so far worth looking at again.
    storedContents_.clear();
    storedLearnings_.clear();
    return links_.emplace(link, static_cast<int>(links_.size())).first->second;
}

int CatalogueLinks::storedId(
    TextIds& stored, const TextIds& ids, std::string_view utf8, std::size_t fieldSize)
{
    utf8 = withoutPadding(utf8);
    if (const auto it = stored.find(utf8); it != stored.end()) {
        return it->second;
    }
    QByteArray bytes;
    const bool plain = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    std::string_view text = utf8; // ASCII is the same in both character sets
    if (!plain) {
        bytes = cp1252::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        text = view(bytes);
    }
    text = withoutPadding(text.substr(0, std::min(fieldSize, text.size())));
    const auto found = ids.find(text);
    const int id = found == ids.end() ? -1 : found->second;
    stored.emplace(std::string(utf8), id);
    return id;
}

int CatalogueLinks::find(std::int32_t subject, std::string_view content, std::string_view learning)
{
    const FileDef& def = kvseguirFile();
    const int c = storedId(storedContents_, contents_, content,
        static_cast<std::size_t>(def.fields[KVG::CONTENIDO_PRIORIZADO].size));
    if (c < 0) {
        return -1;
    }
    const int l = storedId(storedLearnings_, learnings_, learning,
        static_cast<std::size_t>(def.memos[KVG::APRENDIZAJE_TRABAJO].size));
    if (l < 0) {
        return -1;
    }
    const auto it = links_.find({subject, c, l});
    return it == links_.end() ? -1 : it->second;
}

} // namespace kv

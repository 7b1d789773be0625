#pragma once

// What ties a tracking row (KVSEGUIR) to its catalogue entry (KVAPRENDE):
// the subject number, the prioritised content and the learning. Texts are
// equal when they are equal once padded with spaces to the same length;
// capitals and small letters differ.
//
// The catalogue's links are numbered; a tracking row is recognised from its
// texts as stored (UTF-8), each distinct stored text being converted only
// once, so that a file of many rows with few distinct texts is matched at
// the cost of two hash look-ups a row.

#include "data/record.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kv {

class CatalogueLinks {
public:
    // Adds a catalogue entry; returns the number of its link (entries with
    // equal links get the same number).
    int add(const Record& entry);
    // The number of a stored tracking row's link, or -1 when no entry added
    // so far has it. Texts are taken as a record buffer would hold them: in
    // Windows-1252, cut to the field's size.
    int find(std::int32_t subject, std::string_view content, std::string_view learning);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view> {}(s); }
    };
    using TextIds = std::unordered_map<std::string, int, Hash, std::equal_to<>>;
    struct Link {
        std::int32_t subject;
        int content;
        int learning;
        bool operator==(const Link&) const = default;
    };
    struct LinkHash {
        std::size_t operator()(const Link& l) const;
    };

    static int idOf(TextIds& ids, std::string_view text);
    int storedId(TextIds& stored, const TextIds& ids, std::string_view utf8, std::size_t fieldSize);

    TextIds contents_, learnings_; // Windows-1252, without trailing spaces
    TextIds storedContents_, storedLearnings_; // UTF-8 as stored: the id, or -1
    std::unordered_map<Link, int, LinkHash> links_;
};

} // namespace kv

#include "data/table_schema.h"

#include "data/sqlite_db.h"

namespace kv::schema {
namespace {

// Bump when the key encoding changes, so existing files rebuild their keys.
constexpr int kKeyEncodingRevision = 1;

const char* sqlType(FieldType t)
{
    switch (t) {
    case FieldType::Long:
    case FieldType::Short:
        return "INTEGER NOT NULL DEFAULT 0";
    case FieldType::Decimal:
        return "REAL NOT NULL DEFAULT 0";
    case FieldType::Text:
        return "TEXT NOT NULL DEFAULT ''";
    case FieldType::Date:
        return "TEXT";
    }
    return "";
}

} // namespace

std::string table(const FileDef& def)
{
    return sql::quoted(def.label);
}
std::string fieldColumn(const FieldDef& field)
{
    return sql::quoted(bareName(field.label));
}
std::string memoColumn(const MemoDef& memo)
{
    return sql::quoted(bareName(memo.label));
}
std::string keyColumn(const KeyDef& key)
{
    return sql::quoted("k_" + std::string(bareName(key.label)));
}

std::string indexName(const FileDef& def, const KeyDef& key)
{
    return sql::quoted(std::string(def.label) + "_" + std::string(bareName(key.label)));
}

std::string createTableSql(const FileDef& def)
{
    std::string sql = "CREATE TABLE " + table(def) + " (pos INTEGER PRIMARY KEY AUTOINCREMENT";
    for (const FieldDef& f : def.fields) {
        sql += ", " + fieldColumn(f) + " " + sqlType(f.type);
    }
    for (const MemoDef& m : def.memos) {
        sql += ", " + memoColumn(m) + " TEXT NOT NULL DEFAULT ''";
    }
    for (const KeyDef& k : def.keys) {
        sql += ", " + keyColumn(k) + " BLOB";
    }
    sql += ")";
    return sql;
}

std::string createIndexSql(const FileDef& def, const KeyDef& key)
{
    std::string sql = std::string("CREATE ") + (key.unique ? "UNIQUE " : "") + "INDEX " + indexName(def, key)
        + " ON " + table(def) + " (" + keyColumn(key) + ")";
    if (key.optional) {
        sql += " WHERE " + keyColumn(key) + " IS NOT NULL";
    }
    return sql;
}

std::string dataColumns(const FileDef& def)
{
    std::string out;
    for (const FieldDef& f : def.fields) {
        out += (out.empty() ? "" : ", ") + fieldColumn(f);
    }
    for (const MemoDef& m : def.memos) {
        out += ", " + memoColumn(m);
    }
    return out;
}

std::string keyColumns(const FileDef& def)
{
    std::string out;
    for (const KeyDef& k : def.keys) {
        out += (out.empty() ? "" : ", ") + keyColumn(k);
    }
    return out;
}

int layoutVersion(const FileDef& def)
{
    std::string text = createTableSql(def);
    for (const KeyDef& k : def.keys) {
        text += createIndexSql(def, k);
        text += k.caseInsensitive ? "ci" : "cs";
        for (const KeyComponent& c : k.components) {
            text += std::to_string(c.field) + (c.descending ? "d" : "a");
        }
    }
    text += std::to_string(kKeyEncodingRevision);
    // FNV-1a, folded to a positive 31-bit number.
    std::uint32_t h = 2166136261u;
    for (unsigned char c : text) {
        h = (h ^ c) * 16777619u;
    }
    return static_cast<int>(h & 0x7FFFFFFF);
}

} // namespace kv::schema

#include <map>
#include <mutex>

namespace kv::schema {
namespace {

StatementTexts buildStatements(const FileDef& def)
{
    StatementTexts s;
    const std::string t = table(def);
    const std::string data = dataColumns(def);
    const int bound = static_cast<int>(def.fields.size() + def.memos.size() + def.keys.size());
    std::string placeholders;
    for (int i = 0; i < bound; ++i) {
        placeholders += i == 0 ? "?" : ",?";
    }
    s.insert = "INSERT INTO " + t + " (" + data + ", " + keyColumns(def) + ") VALUES (" + placeholders + ")";
    std::string set;
    for (const FieldDef& f : def.fields) {
        set += (set.empty() ? "" : ", ") + fieldColumn(f) + "=?";
    }
    for (const MemoDef& m : def.memos) {
        set += ", " + memoColumn(m) + "=?";
    }
    for (const KeyDef& k : def.keys) {
        set += ", " + keyColumn(k) + "=?";
    }
    s.update = "UPDATE " + t + " SET " + set + " WHERE pos=?";
    s.selectByPos = "SELECT pos, " + data + " FROM " + t + " WHERE pos = ?1";
    s.selectAfterPos = "SELECT pos, " + data + " FROM " + t + " WHERE pos > ?1 ORDER BY pos LIMIT 1";
    s.deleteByPos = "DELETE FROM " + t + " WHERE pos=?1";
    s.count = "SELECT count(*) FROM " + t;
    for (const KeyDef& k : def.keys) {
        const std::string kc = keyColumn(k);
        s.fetchByKey.push_back(
            "SELECT pos, " + data + " FROM " + t + " WHERE " + kc + " = ?1 ORDER BY " + kc + ", pos LIMIT 1");
        if (k.autoNumber) {
            // The key column alone: answered from the index without touching the table.
            s.highestAutoNumber = "SELECT " + kc + " FROM " + t + " WHERE " + kc + " IS NOT NULL ORDER BY "
                + kc + " DESC LIMIT 1";
        }
    }
    return s;
}

} // namespace

const StatementTexts& statements(const FileDef& def)
{
    static std::mutex mutex;
    static std::map<const FileDef*, StatementTexts> cache;
    const std::lock_guard lock(mutex);
    auto it = cache.find(&def);
    if (it == cache.end()) {
        it = cache.emplace(&def, buildStatements(def)).first;
    }
    return it->second;
}

} // namespace kv::schema

#include "shell/ini_manager.h"

#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace kv {
namespace {

const QString kSectorSection = QStringLiteral("__Dont_Touch_Me__");
const QString kSectorCount = QStringLiteral("Sectors");

QString sectorKey(std::size_t number)
{
    return kSectorCount + u'_' + QString::number(number);
}

// Reads a number the way the profile service does: leading blanks, a sign
// and the digits that follow; whatever comes after is ignored and text
// without digits reads 0. Out-of-range values stop at the int limits.
int profileInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t {std::numeric_limits<int>::max()} + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), kLimit);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::optional<int> storedNumber(const IniFile& ini, const QString& section, const QString& key)
{
    const std::optional<QString> text = ini.value(section, key);
    const int number = text ? profileInt(*text) : kNoPlacementValue;
    return number == kNoPlacementValue ? std::nullopt : std::optional<int>(number);
}

QString yesNo(bool on)
{
    return on ? QStringLiteral("Yes") : QStringLiteral("No");
}

Sector parseSector(const QString& text)
{
    const QStringList parts = text.split(u',');
    Sector sector;
    sector.family = parts.value(0);
    sector.item = parts.value(1);
    sector.type = parts.size() > 2 ? parts.mid(2).join(u',') : QString();
    return sector;
}

} // namespace

INIMgr::INIMgr(QString path)
    : path_(std::move(path))
{
}

IniFile INIMgr::read() const
{
    IniFile ini;
    ini.load(path_);
    return ini;
}

void INIMgr::init()
{
    const std::lock_guard lock(mutex_);
    const IniFile ini = read();
    sectors_.clear();
    const int count = profileInt(ini.value(kSectorSection, kSectorCount).value_or(QString()));
    // A damaged count may be huge: stop at the first entry that is not there.
    for (int number = 1; number <= count; ++number) {
        const std::optional<QString> entry
            = ini.value(kSectorSection, sectorKey(static_cast<std::size_t>(number)));
        if (!entry)
            break;
        sectors_.push_back(parseSector(*entry));
    }
}

void INIMgr::kill()
{
    const std::lock_guard lock(mutex_);
    IniFile ini = read();
    ini.setValue(kSectorSection, kSectorCount, QString::number(sectors_.size()));
    for (std::size_t i = 0; i < sectors_.size(); ++i) {
        const Sector& s = sectors_[i];
        ini.setValue(kSectorSection, sectorKey(i + 1), s.family + u',' + s.item + u',' + s.type);
    }
    ini.save(path_);
    sectors_.clear();
}

std::vector<Sector> INIMgr::sectors() const
{
    const std::lock_guard lock(mutex_);
    return sectors_;
}

void INIMgr::update(const QString& procedure, const Placement& current, bool resizable)
{
    int x = kNoPlacementValue;
    int y = kNoPlacementValue;
    int width = kNoPlacementValue;
    int height = kNoPlacementValue;
    if (!current.minimized && !current.maximized) {
        x = current.x;
        y = current.y;
        if (resizable) {
            width = current.width;
            height = current.height;
        }
    }

    const std::lock_guard lock(mutex_);
    IniFile ini = read();
    ini.setValue(procedure, QStringLiteral("Maximize"), yesNo(current.maximized));
    ini.setValue(procedure, QStringLiteral("Minimize"), yesNo(current.minimized));
    const std::pair<const char*, int> entries[]
        = {{"XPos", x}, {"YPos", y}, {"Width", width}, {"Height", height}};
    for (const auto& [key, value] : entries) {
        if (value == kNoPlacementValue)
            ini.remove(procedure, QLatin1String(key));
        else
            ini.setValue(procedure, QLatin1String(key), QString::number(value));
    }
    ini.save(path_);
}

std::optional<RestoredPlacement> INIMgr::fetch(const QString& procedure, bool resizable) const
{
    const std::lock_guard lock(mutex_);
    const IniFile ini = read();
    const std::optional<QString> maximize = ini.value(procedure, QStringLiteral("Maximize"));
    if (maximize != QStringLiteral("Yes") && maximize != QStringLiteral("No"))
        return std::nullopt;

    RestoredPlacement placement;
    placement.maximized = *maximize == QStringLiteral("Yes");
    placement.minimized
        = profileInt(ini.value(procedure, QStringLiteral("Minimize")).value_or(QString())) != 0;
    placement.x = storedNumber(ini, procedure, QStringLiteral("XPos"));
    placement.y = storedNumber(ini, procedure, QStringLiteral("YPos"));
    if (resizable) {
        placement.width = storedNumber(ini, procedure, QStringLiteral("Width"));
        placement.height = storedNumber(ini, procedure, QStringLiteral("Height"));
    }
    return placement;
}

} // namespace kv

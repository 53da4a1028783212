#include "timezones/ZoneRulesCache.h"

#include "base/FileVersion.h"

#include <QHash>
#include <QMutex>

namespace ZoneRulesCache {
namespace {

// A file's version and what it read as. A file that is no zone file is remembered too, so
// that the zones using it do not each read it again.
struct Entry {
    FileVersion version;
    std::weak_ptr<const ZoneRules> rules;
    bool refused = false;
};

QMutex entriesLock;
QHash<QString, Entry> entries;

}

std::shared_ptr<const ZoneRules> rulesOf(const QString &path)
{
    const FileVersion version = fileVersion(path);
    if (version == FileVersion())
        return nullptr;
    const QMutexLocker locker(&entriesLock);
    const auto known = entries.constFind(path);
    if (known != entries.cend() && known->version == version) {
        if (std::shared_ptr<const ZoneRules> rules = known->rules.lock(); rules || known->refused)
            return rules;
    }
    entries.removeIf([](const auto &entry) { return !entry.value().refused && entry.value().rules.expired(); });
    std::optional<ZoneRules> read = ZoneRules::read(path);
    std::shared_ptr<const ZoneRules> rules = read ? std::make_shared<const ZoneRules>(std::move(*read)) : nullptr;
    entries.insert(path, { version, rules, !rules });
    return rules;
}

}

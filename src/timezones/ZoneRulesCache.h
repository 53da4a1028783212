#pragma once

#include "timezones/ZoneRules.h"

#include <QString>
#include <memory>

// Zone files read once per version and shared by every zone that uses them: the clock and
// each of its other zones follow the computer's zone, and several zones may share a file.
// Rules are kept only while some zone holds them.
namespace ZoneRulesCache {

// The rules of the zone file at path as it is now: the ones read before while the file is
// the same version, else read anew. Null when there is no such file or it is no zone file.
std::shared_ptr<const ZoneRules> rulesOf(const QString &path);

}

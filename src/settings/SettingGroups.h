#pragma once

#include <QStringList>

// Settings stored under more than one key. A site that locks one of their keys locks the
// setting whole: every key of it reads the site's value and none is written.
namespace SettingGroups {

// The keys stored together with key, key among them (matched without regard to case); key
// alone when it is a setting of its own.
QStringList keysWith(const QString &key);

}

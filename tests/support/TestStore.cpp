#include "support/TestStore.h"

#include "settings/SettingsStore.h"

#include <QSettings>

TestStore::TestStore(const QString &parentFolder)
    : mFolder(parentFolder + QStringLiteral("/lumetra-test-XXXXXX"))
    , mPreviousConfigHome(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", mFolder.path().toLocal8Bit());
}

TestStore::~TestStore()
{
    qputenv("XDG_CONFIG_HOME", mPreviousConfigHome);
}

QString TestStore::filePath() const
{
    return SettingsStore::defaultFilePath();
}

void TestStore::seed(const QMap<QString, QString> &values) const
{
    QSettings file(filePath(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        file.setValue(it.key(), it.value());
}

QString TestStore::value(const QString &key) const
{
    QSettings file(filePath(), QSettings::IniFormat);
    const QVariant value = file.value(key);
    return value.isValid() ? value.toString() : QString();
}

QStringList TestStore::keys() const
{
    QSettings file(filePath(), QSettings::IniFormat);
    return file.childKeys();
}

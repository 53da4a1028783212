#include "settings/SettingsStore.h"

#include "base/FileHelpers.h"
#include "base/ProductInfo.h"
#include "settings/IniCheck.h"
#include "settings/SettingGroups.h"
#include "settings/SettingsLock.h"
#include "settings/SiteFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <chrono>

namespace {

using namespace std::chrono_literals;

// How long a write waits for another writer's lock before it counts as failed.
constexpr std::chrono::milliseconds lockWait = 1500ms;
// The last try, as the program ends, waits longer: other copies writing at once may hold the
// lock in turns for longer than a write waits, and nothing retries after it.
constexpr std::chrono::milliseconds lastLockWait = 10s;

QString unusedSetAsidePath(const QString &filePath)
{
    const QString base = filePath + QStringLiteral(".unreadable");
    QString candidate = base;
    for (int n = 2; QFile::exists(candidate); ++n)
        candidate = base + QLatin1Char('.') + QString::number(n);
    return candidate;
}

// A value typed by hand with a comma reads back as a list; the store only holds texts.
QString textOf(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// Whether Qt's reader took the whole file. It reads the file only when first asked for
// a value, and only then knows of a format error.
bool readsWhole(QSettings &settings)
{
    settings.childKeys();
    return settings.status() != QSettings::FormatError;
}

// The same for a text. Qt reports a format error only to the first reader of a file name
// in a process, so the text is read from a file of its own.
bool qtReadsWhole(const QByteArray &content)
{
    QTemporaryFile probe;
    if (!probe.open() || probe.write(content) != content.size() || !probe.flush())
        return false;
    QSettings settings(probe.fileName(), QSettings::IniFormat);
    return readsWhole(settings);
}

// The letters under which the settings hold a key, matched without regard to case; a null
// text when they do not hold it.
QString keyAsStored(const QSettings &settings, const QString &key)
{
    const QStringList keys = settings.childKeys();
    for (const QString &existing : keys) {
        if (existing.compare(key, Qt::CaseInsensitive) == 0)
            return existing;
    }
    return QString();
}

QString storeFileIn(const QString &configFolder)
{
    return QDir(configFolder)
        .filePath(ProductInfo::organisation + QLatin1Char('/') + ProductInfo::productName + QStringLiteral(".ini"));
}

}

QString SettingsStore::defaultFilePath()
{
    return storeFileIn(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QStringList SettingsStore::defaultSiteFilePaths()
{
    QStringList paths;
    for (const QString &folder : siteConfigFolders())
        paths.append(storeFileIn(folder));
    return paths;
}

SettingsStore::SettingsStore(ProblemReporter reportProblem, QString filePath, const QStringList &siteFilePaths)
    : mReportProblem(std::move(reportProblem))
    , mFilePath(std::move(filePath))
{
    for (const QString &sitePath : siteFilePaths) {
        if (QFileInfo(sitePath).isFile())
            mSiteDefaults.push_back(std::make_unique<QSettings>(sitePath, QSettings::IniFormat));
    }
    // A name may be written as the file writes keys, "Night%20Dim%20Level": it is read as a key is.
    for (const QString &key : textOf(siteDefault(QStringLiteral("Locked Keys"))).split(QLatin1Char(',')))
        mLockedKeys.append(QUrl::fromPercentEncoding(key.trimmed().toUtf8()));
    // The file's own check comes first: it refuses a FIFO, a device or a folder at once,
    // where Qt's reader would wait on it or read nothing.
    if (isReadableIniFile(mFilePath)) {
        openFile();
        if (readsWhole(*mSettings))
            return;
        mSettings.reset();
    }
    if (!replaceInvalidText())
        setAsideUnreadableFile();
    openFile();
}

SettingsStore::~SettingsStore()
{
    // A last try for the values whose write failed.
    if (mUnsaved.isEmpty())
        return;
    if (mWriteFailed)
        openFile();
    writeUnsaved(lastLockWait);
}

void SettingsStore::openFile()
{
    mSettings = std::make_unique<QSettings>(mFilePath, QSettings::IniFormat);
    // Never write the file in place: a crash mid-write must not leave half a file.
    mSettings->setAtomicSyncRequired(true);
}

bool SettingsStore::replaceInvalidText()
{
    QFile file(mFilePath);
    if (!openRegularFile(file))
        return false;
    const QByteArray content = file.readAll();
    file.close();
    const QByteArray repaired = withInvalidUtf8Replaced(content);
    // Only a text that reads whole once repaired keeps every line.
    if (repaired == content || !isReadableIni(repaired) || !qtReadsWhole(repaired))
        return false;
    const QString copy = unusedSetAsidePath(mFilePath);
    if (!QFile::copy(mFilePath, copy))
        return false;
    QSaveFile replacement(mFilePath);
    if (!replacement.open(QIODevice::WriteOnly) || replacement.write(repaired) != repaired.size()
        || !replacement.commit()) {
        QFile::remove(copy);
        return false;
    }
    mReportProblem(
        QCoreApplication::translate("SettingsStore",
                                    "The settings file \"%1\" held characters that are not valid UTF-8 text; "
                                    "they now read as \"%3\". The file as it was has been kept as \"%2\".")
            .arg(QDir::toNativeSeparators(mFilePath), QDir::toNativeSeparators(copy),
                 QString(QChar::ReplacementCharacter)));
    return true;
}

void SettingsStore::setAsideUnreadableFile()
{
    const QString setAside = unusedSetAsidePath(mFilePath);
    if (QFile::rename(mFilePath, setAside)) {
        mReportProblem(QCoreApplication::translate("SettingsStore",
                                                   "The settings file \"%1\" could not be read. It has been kept as "
                                                   "\"%2\" and the program starts with its default settings.")
                           .arg(QDir::toNativeSeparators(mFilePath), QDir::toNativeSeparators(setAside)));
        return;
    }
    mReportProblem(QCoreApplication::translate("SettingsStore",
                                               "The settings file \"%1\" could not be read, and it could not be set "
                                               "aside either. The program starts with its default settings; "
                                               "changes are not saved.")
                       .arg(QDir::toNativeSeparators(mFilePath)));
    mWriteFailureReported = true;
}

QString SettingsStore::storedKey(const QString &key) const
{
    for (auto it = mUnsaved.cbegin(); it != mUnsaved.cend(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    const QString stored = keyAsStored(*mSettings, key);
    return stored.isNull() ? key : stored;
}

QVariant SettingsStore::siteDefault(const QString &key) const
{
    for (const auto &site : mSiteDefaults) {
        const QString stored = keyAsStored(*site, key);
        if (!stored.isNull())
            return site->value(stored);
    }
    return QVariant();
}

std::optional<QString> SettingsStore::userValue(const QString &key) const
{
    // Picks up what another running copy wrote meanwhile.
    syncFromFile();
    const QString stored = storedKey(key);
    if (const auto unsaved = mUnsaved.constFind(stored); unsaved != mUnsaved.cend())
        return unsaved.value();
    const QVariant value = mSettings->value(stored);
    if (!value.isValid())
        return std::nullopt;
    return textOf(value);
}

bool SettingsStore::isLocked(const QString &key) const
{
    const QStringList setting = SettingGroups::keysWith(key);
    return std::any_of(setting.cbegin(), setting.cend(),
                       [this](const QString &part) { return mLockedKeys.contains(part, Qt::CaseInsensitive); });
}

QString SettingsStore::GetSetting(const QString &key, const QString &defaultValue) const
{
    if (const std::optional<QString> own = isLocked(key) ? std::nullopt : userValue(key))
        return *own;
    const QVariant site = siteDefault(key);
    return site.isValid() ? textOf(site) : defaultValue;
}

QString SettingsStore::GetSetting(const QString &key, int defaultValue) const
{
    return GetSetting(key, QString::number(defaultValue));
}

void SettingsStore::SaveSettingIfChanged(const QString &key, const QString &text)
{
    if (userValue(key) != text)
        SaveSetting(key, text);
}

bool SettingsStore::change(const QString &key, const std::function<void()> &makeChange)
{
    if (isLocked(key))
        return false;
    makeChange();
    return true;
}

void SettingsStore::SaveSetting(const QString &key, const QString &text)
{
    change(key, [&] {
        // A QSettings object that failed to write keeps failing: retry with a fresh one.
        if (mWriteFailed)
            openFile();
        syncFromFile();
        mUnsaved.insert(storedKey(key), text);
        writeUnsaved(lockWait);
    });
}

void SettingsStore::syncFromFile() const
{
    // Something put in the file's place meanwhile is not read: a FIFO would never answer.
    if (!isOtherThanRegularFile(mFilePath))
        mSettings->sync();
}

void SettingsStore::writeUnsaved(std::chrono::milliseconds wait)
{
    // Qt would wait for its lock without end: a lock not free soon is a failed write, the
    // values kept for the next one.
    const bool lockFree = !isOtherThanRegularFile(mFilePath) && SettingsLock::isFree(mFilePath, wait);
    if (lockFree) {
        for (auto it = mUnsaved.cbegin(); it != mUnsaved.cend(); ++it)
            mSettings->setValue(it.key(), it.value());
        mSettings->sync();
    }
    mWriteFailed = !lockFree || mSettings->status() != QSettings::NoError;
    if (!mWriteFailed) {
        mUnsaved.clear();
        mWriteFailureReported = false;
        return;
    }
    if (!mWriteFailureReported) {
        mWriteFailureReported = true;
        mReportProblem(QCoreApplication::translate("SettingsStore",
                                                   "The settings could not be saved to \"%1\". Check that the folder "
                                                   "exists, is writable and that the disk is not full. Your changes "
                                                   "stay in force while the program runs.")
                           .arg(QDir::toNativeSeparators(mFilePath)));
    }
}

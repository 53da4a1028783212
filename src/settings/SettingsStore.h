#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSettings;

// The per-user store of named text values: an INI file under the user's configuration
// folder, keys in its [General] group, matched without regard to letter case.
//
// Every write reaches the file at once, through a temporary file and a rename under a
// lock file, merged with what other running copies wrote meanwhile. A lock another writer
// holds longer than a second and a half fails the write, as a full disk does.
//
// A file that cannot be parsed, or a FIFO, device or folder in its place, is set aside before anything is written; one
// whose only fault is text that is not valid UTF-8 keeps its values, the bad characters replaced, and a copy of it as
// it was is kept; a store that cannot be written is reported once and the values are kept for this run and written when
// writing works again.
//
// A key the user's file does not hold is read from the site's defaults, the same file
// under the folders of XDG_CONFIG_DIRS (the first that holds the key wins), before the
// reader's own default. Those files are only ever read. The keys a site file lists under
// "Locked Keys" (separated by commas; "%20" and the like decoded as in the file's own
// keys) are the site's alone: read from the site's files and
// the default, never from the user's, and never written. A setting stored under several
// keys (the zone, the time format, the clock's screen) is locked whole by any of them.
class SettingsStore {
public:
    using ProblemReporter = std::function<void(const QString &message)>;

    // The store of the current user: $XDG_CONFIG_HOME/Orvanta/Lumetra Wall Time Display.ini.
    static QString defaultFilePath();

    // The site's defaults: $XDG_CONFIG_DIRS/Orvanta/Lumetra Wall Time Display.ini, in the
    // order of the folders (/etc/xdg when the variable is unset or empty).
    static QStringList defaultSiteFilePaths();

    explicit SettingsStore(ProblemReporter reportProblem, QString filePath = defaultFilePath(),
                           const QStringList &siteFilePaths = defaultSiteFilePaths());
    // Tries once more to write the values whose write failed.
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString GetSetting(const QString &key, const QString &defaultValue) const;
    QString GetSetting(const QString &key, int defaultValue) const;
    // Every change of a setting passes here, stored or for the moment only (the typed word
    // that hides the hint): a key the site locks refuses it. Runs makeChange otherwise, and
    // returns whether it ran.
    bool change(const QString &key, const std::function<void()> &makeChange);
    void SaveSetting(const QString &key, const QString &text);
    // Writes only when the user's own file does not hold that text already: a write reaches
    // the disk. A site default of the same text does not count, so the choice is the user's.
    void SaveSettingIfChanged(const QString &key, const QString &text);
    // Whether the site has locked the key, or another key of the same setting.
    bool isLocked(const QString &key) const;

    QString filePath() const { return mFilePath; }

private:
    bool replaceInvalidText();
    void setAsideUnreadableFile();
    void openFile();
    QString storedKey(const QString &key) const;
    QVariant siteDefault(const QString &key) const;
    // The text the user's own file (or a write still to be saved) holds under key.
    std::optional<QString> userValue(const QString &key) const;
    void syncFromFile() const;
    void writeUnsaved(std::chrono::milliseconds wait);

    ProblemReporter mReportProblem;
    QString mFilePath;
    std::unique_ptr<QSettings> mSettings;
    std::vector<std::unique_ptr<QSettings>> mSiteDefaults;
    QStringList mLockedKeys;
    // Values not in the file yet (their write failed), by key as written; they win over
    // the file until saved.
    QMap<QString, QString> mUnsaved;
    bool mWriteFailed = false;
    bool mWriteFailureReported = false;
};

#pragma once

#include <QMap>
#include <QString>
#include <functional>
#include <memory>

class QSettings;

// The per-user store of named text values: an INI file under the user's configuration
// folder, keys in its [General] group, matched without regard to letter case.
//
// Every write reaches the file at once, through a temporary file and a rename under a
// lock file, merged with what other running copies wrote meanwhile. A file that cannot
// be parsed is set aside before anything is written; one whose only fault is text that
// is not valid UTF-8 keeps its values, the bad characters replaced, and a copy of it as
// it was is kept; a store that cannot be written is
// reported once and the values are kept for this run and written when writing works again.
class SettingsStore {
public:
    using ProblemReporter = std::function<void(const QString &message)>;

    // The store of the current user: $XDG_CONFIG_HOME/Orvanta/Lumetra Wall Time Display.ini.
    static QString defaultFilePath();

    explicit SettingsStore(ProblemReporter reportProblem, QString filePath = defaultFilePath());
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString GetSetting(const QString &key, const QString &defaultValue) const;
    QString GetSetting(const QString &key, int defaultValue) const;
    void SaveSetting(const QString &key, const QString &text);

    QString filePath() const { return mFilePath; }

private:
    bool replaceInvalidText();
    void setAsideUnreadableFile();
    void openFile();
    QString storedKey(const QString &key) const;
    void writeUnsaved();

    ProblemReporter mReportProblem;
    QString mFilePath;
    std::unique_ptr<QSettings> mSettings;
    // Values whose write failed, by key as written; they win over the file until saved.
    QMap<QString, QString> mUnsaved;
    bool mWriteFailureReported = false;
};

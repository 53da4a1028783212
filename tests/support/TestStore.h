#pragma once

#include <QDir>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A fresh configuration folder for one test: XDG_CONFIG_HOME points at it while the
// object lives, so the program's store is a file of the test's own.
class TestStore {
public:
    // The folder is made inside parentFolder.
    explicit TestStore(const QString &parentFolder = QDir::tempPath());
    ~TestStore();

    QString configFolder() const { return mFolder.path(); }
    QString filePath() const;

    // Writes values into the store file as another program run would have.
    void seed(const QMap<QString, QString> &values) const;
    // The stored text, or a null string when the key is absent (exact letters).
    QString value(const QString &key) const;
    QStringList keys() const;

private:
    QTemporaryDir mFolder;
    QByteArray mPreviousConfigHome;
};

#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class Form1;
class Form2;
class Form3;
class PlatformServices;
class SettingsStore;

// Owns the program's windows and the services they share. No window reaches another
// through a global: each gets the Program.
class Program : public QObject {
    Q_OBJECT

public:
    Program(PlatformServices &platform, QString programFolder);
    ~Program() override;

    PlatformServices &platform() { return mPlatform; }
    SettingsStore &settings() { return *mSettings; }
    Form1 &form1() { return *mForm1; }
    Form2 &form2() { return *mForm2; }
    Form3 &form3() { return *mForm3; }

    QString programFolder() const { return mProgramFolder; }
    // The running program's own file, which the start-up entry runs; tests may set another.
    QString executablePath() const { return mExecutablePath; }
    void setExecutablePath(QString path) { mExecutablePath = std::move(path); }
    QIcon appIcon() const;

    // Loads the control panel and shows it, unless its load opened the clock or ended
    // the program.
    void start();

    // Another start of the program handed over its arguments: the clock comes or stays
    // in front when it is shown or "--clock" asks for it; otherwise the window the user
    // works in (the panel, or the colour window that stands in for it) does.
    void activate(const QStringList &arguments);

    // Ends the program at once: every window closes without its closing procedure.
    void end(int exitCode = 0);
    bool hasEnded() const { return mEnded; }
    int exitCode() const { return mExitCode; }

signals:
    void ended(int exitCode);

private:
    PlatformServices &mPlatform;
    QString mProgramFolder;
    QString mExecutablePath;
    mutable QIcon mAppIcon;
    std::unique_ptr<SettingsStore> mSettings;
    std::unique_ptr<Form1> mForm1;
    std::unique_ptr<Form2> mForm2;
    std::unique_ptr<Form3> mForm3;
    bool mEnded = false;
    int mExitCode = 0;
};

#pragma once

#include "windows/ProgramContext.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <memory>

// Owns the program's windows and the services they share. No window reaches another
// through a global: each gets the Program as its context.
class Program : public QObject, public ProgramContext {
    Q_OBJECT

public:
    Program(PlatformServices &platform, QString programFolder);
    ~Program() override;

    PlatformServices &platform() override { return mPlatform; }
    SettingsStore &settings() override { return *mSettings; }
    Form1 &form1() override { return *mForm1; }
    Form2 &form2() override { return *mForm2; }
    Form3 &form3() override { return *mForm3; }

    QString programFolder() const override { return mProgramFolder; }
    QString executablePath() const override { return mExecutablePath; }
    // Tests may run the program as another file.
    void setExecutablePath(QString path) { mExecutablePath = std::move(path); }
    QIcon appIcon() const override;

    // Loads the control panel and shows it, unless its load opened the clock or ended
    // the program.
    void start();

    void end(int exitCode = 0) override;
    bool hasEnded() const override { return mEnded; }
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

#pragma once

#include "app/Program.h"
#include "support/FakePlatform.h"
#include "support/TestStore.h"

#include <QTemporaryDir>

// A program with a fake platform, a store of its own and an empty program folder.
struct ProgramFixture {
    TestStore store;
    QTemporaryDir programFolder;
    FakePlatform platform;
    Program program { platform, programFolder.path() };

    QString programFile(const QString &name) const { return programFolder.filePath(name); }
};

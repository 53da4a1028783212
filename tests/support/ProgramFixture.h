#pragma once

#include "program/Program.h"
#include "support/FakePlatform.h"
#include "support/TestStore.h"

#include <QMap>
#include <QTemporaryDir>
#include <memory>

class QWidget;

using StoredValues = QMap<QString, QString>;

// A program with a fake platform, a store of its own and an empty program folder.
struct ProgramFixture {
    TestStore store;
    QTemporaryDir programFolder;
    FakePlatform platform;
    Program program { platform, programFolder.path() };

    QString programFile(const QString &name) const { return programFolder.filePath(name); }
};

// A program started on a store that holds the given values.
std::unique_ptr<ProgramFixture> startedProgram(const StoredValues &stored = {});

// Moves the mouse onto a widget through its window, as the platform delivers it, so the
// move reaches whatever lies under the point.
void moveMouseOver(QWidget &widget);

// A widget's background as painted, and the system's button-face colour.
QColor backgroundOf(const QWidget &widget);
QColor buttonFace();

#pragma once

#include <QString>

class QWidget;

// The program's skin: a Qt style sheet read from the skin file. Once loaded it dresses
// the windows it is applied to and, with AutoApplyNewWindows, every window of the
// program, later ones included.
class SkinFramework {
public:
    // Reads the skin file; the section name is accepted for the skin format's sake
    // (a style sheet has no sections). Throws RuntimeError when the file cannot be read.
    void LoadSkin(const QString &path, const QString &section);
    void ApplyWindow(QWidget &window) const;

    int ApplyOptions() const { return mApplyOptions; }
    void setApplyOptions(int options) { mApplyOptions = options; }
    bool AutoApplyNewWindows() const { return mAutoApplyNewWindows; }
    void setAutoApplyNewWindows(bool on);
    bool AutoApplyNewThreads() const { return mAutoApplyNewThreads; }
    void setAutoApplyNewThreads(bool on) { mAutoApplyNewThreads = on; }

    bool isLoaded() const { return mLoaded; }
    QString styleSheet() const { return mStyleSheet; }

private:
    QString mStyleSheet;
    bool mLoaded = false;
    int mApplyOptions = 0;
    bool mAutoApplyNewWindows = false;
    bool mAutoApplyNewThreads = false;
};

#include "program/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale &locale)
{
    if (!mProgram.load(locale, QStringLiteral("lumetra"), QStringLiteral("_"), QStringLiteral(":/translations"))) {
        // No catalogue speaks the language (the C locale among them): the English one gives
        // the counted texts their plural forms, "1 hour" and not "1 hour(s)".
        static_cast<void>(mProgram.load(QStringLiteral("lumetra_en"), QStringLiteral(":/translations")));
        return;
    }
    // Qt's own catalogue in the language the program speaks, so that the dialogs' buttons
    // agree with the rest of the window.
    const QLocale spoken(mProgram.language());
    static_cast<void>(mQt.load(spoken, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

Translations::~Translations()
{
    remove();
}

void Translations::install()
{
    if (!mProgram.isEmpty())
        QCoreApplication::installTranslator(&mProgram);
    if (!mQt.isEmpty())
        QCoreApplication::installTranslator(&mQt);
}

void Translations::remove()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(&mQt);
    QCoreApplication::removeTranslator(&mProgram);
}

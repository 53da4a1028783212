#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts and Qt's own (its dialogs' buttons, the command line's help) in the
// user's language: the first language of the locale's list (LANGUAGE, then LC_ALL,
// LC_MESSAGES, LANG) that the program ships a catalogue for, else English, whose catalogue
// holds only its plural forms.
class Translations {
public:
    explicit Translations(const QLocale &locale = QLocale::system());
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;
    ~Translations();

    // Into the application object that exists now; the catalogues outlive it, so a later
    // application object takes them again.
    void install();
    void remove();

    // The language of the program's catalogue ("de", "pt_BR", "en").
    QString language() const { return mProgram.language(); }

private:
    QTranslator mProgram;
    QTranslator mQt;
};

#pragma once

#include <QTranslator>

class QLocale;

// The program's texts and Qt's own (the standard buttons) in the user's language: the first
// of the locale's UI languages that the program has a catalogue for. English, the language
// the program is written in, ends the search, so that a desktop set to English first and
// another language second stays English. Installed for as long as the object lives.
class Translations {
public:
    // Where the program's catalogues are: in "translations" beside the program on Windows
    // and in the build tree; in share/vorrintal/translations of the prefix it is installed to
    // on Linux.
    static QString directory();

    Translations(const QLocale &locale, const QString &directory);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language of the program's catalogue, such as "de" or "pt_BR"; empty in English.
    QString language() const;

private:
    QTranslator own;
    QTranslator qt;
};

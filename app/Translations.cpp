#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// Every text of Qt's that the program's windows show, which our catalogues translate too, so
// that the windows are whole in the language without Qt's own catalogue: Debian keeps that
// in a package of its own, and the Windows downloads do not carry it. Where it is there,
// it comes first.
[[maybe_unused]] const char *const qtTexts[] = {
    // Arabic and Hebrew are written right to left; Qt takes the direction from this text.
    //: Translate as "RTL" for a language written right to left, "LTR" otherwise.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
    // The dialogs' and message boxes' buttons.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    // A text field's context menu.
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    // The player list's scroll bar's context menu; the list scrolls only up and down.
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll here"),
    QT_TRANSLATE_NOOP("QScrollBar", "Top"),
    QT_TRANSLATE_NOOP("QScrollBar", "Bottom"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page up"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page down"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll up"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll down"),
};

} // namespace

QString Translations::directory()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(program.filePath(QStringLiteral(VORRINTAL_INSTALLED_TRANSLATIONS)));
}

Translations::Translations(const QLocale &locale, const QString &directory)
{
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            break;
        if (own.load(language, QStringLiteral("vorrintal"), QStringLiteral("_"), directory))
            break;
    }
    if (own.isEmpty())
        return;
    QCoreApplication::installTranslator(&own);
    // Qt's catalogue in the same language, so that no dialog mixes two.
    if (qt.load(QStringLiteral("qtbase_") + own.language(),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    // Takes the direction from the catalogues now, before the first window is made.
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&own);
}

QString Translations::language() const
{
    return own.language();
}

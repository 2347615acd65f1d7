#pragma once

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

// The fonts the tests measure with, loaded from the files of Debian's font packages, which
// the test command installs. A test that measures text then measures the same font on
// every machine, whatever fontconfig prefers there. A build root with the build
// dependencies alone may lack them: the cases that measure a family skip there.
namespace testFonts {

// The interface fonts of the major desktops, at the size each desktop gives them.
struct Family {
    QString name;
    qreal desktopSize;
};
inline const QList<Family> desktops = {
    {"DejaVu Sans", 9}, // Debian's default, Xfce
    {"Noto Sans", 10},  // KDE Plasma, the closest to Windows' Segoe UI
    {"Cantarell", 11},  // GNOME
};
// Every form is drawn to hold its texts as drawn in this font, and the tests use it unless
// they try another.
inline const Family drawnFor = {"DejaVu Sans", 9};

// Each family's Debian package, and its files as Debian 12 and as Debian 13 package them:
// Cantarell there comes as one variable font.
struct Source {
    QString package;
    QList<QStringList> files;
};
inline Source source(const QString &family)
{
    if (family == "DejaVu Sans")
        return {"fonts-dejavu-core",
                {{"truetype/dejavu/DejaVuSans.ttf", "truetype/dejavu/DejaVuSans-Bold.ttf"}}};
    if (family == "Noto Sans")
        return {"fonts-noto-core",
                {{"truetype/noto/NotoSans-Regular.ttf", "truetype/noto/NotoSans-Bold.ttf"}}};
    if (family == "Cantarell")
        return {
            "fonts-cantarell",
            {{"opentype/cantarell/Cantarell-Regular.otf", "opentype/cantarell/Cantarell-Bold.otf"},
             {"opentype/cantarell/Cantarell-VF.otf"}}};
    return {};
}

// Loads the family's files once; false where none of its sets can be read.
inline bool load(const QString &family)
{
    static QStringList loaded;
    if (loaded.contains(family))
        return true;
#ifdef Q_OS_WIN
    const QString root = "Z:/usr/share/fonts/"; // Wine shows the host's files as drive Z:
#else
    const QString root = "/usr/share/fonts/";
#endif
    for (const QStringList &set : source(family).files) {
        if (!std::all_of(set.begin(), set.end(),
                         [&](const QString &name) { return QFile::exists(root + name); }))
            continue;
        for (const QString &name : set) {
            if (QFontDatabase::addApplicationFont(root + name) < 0)
                return false;
        }
        loaded << family;
        return true;
    }
    return false;
}

// Makes the family at the size the application's font, as a desktop would.
inline bool use(const QString &family, qreal pointSize)
{
    if (!load(family))
        return false;
    QFont font(family);
    font.setPointSizeF(pointSize);
    QApplication::setFont(font);
    return true;
}

// Why a case that measures the family skips where it cannot be loaded, naming the package
// to install.
inline QByteArray missing(const QString &family)
{
    return QString("%1 cannot be loaded; Debian's %2 brings it")
        .arg(family, source(family).package)
        .toUtf8();
}

} // namespace testFonts

// How the forms fit their font, language and screen: every text whole at every font size
// and in German and Arabic, the player list and its scroll bar, the window on a small
// screen and as it is resized, and long names shortened visibly.
#include "Catalogues.h"
#include "Children.h"
#include "MainWindowRecord.h"
#include "MainWindowSteps.h"
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "ScreenReaderBridge.h"
#include "TestFonts.h"
#include "app/MainWindow.h"
#include "app/Translations.h"
#include "widgets/PlayerWidget.h"
#include "widgets/addPlayerDialog.h"
#include "widgets/addpointsDialog.h"
#include "widgets/optionsDialog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QToolTip>

#include <climits>
#include <cmath>
#include <optional>
#include <tuple>

Q_IMPORT_PLUGIN(ScreenReaderBridge)

namespace {
// WCAG's contrast ratio between two colours.
qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](qreal v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const qreal la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a tool tip on the widget shows, as a screen reader reads it, or nothing; and whether
// it shows it on one line.
QString toolTipOn(QWidget *widget, bool *oneLine = nullptr)
{
    QToolTip::hideText();
    const QPoint at = widget->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        auto *tip = qobject_cast<QLabel *>(shown);
        if (!tip || !tip->inherits("QTipLabel") || !tip->isVisible())
            continue;
        if (oneLine)
            *oneLine = tip->height() < 2 * tip->fontMetrics().height();
        return QAccessible::queryAccessibleInterface(tip)->text(QAccessible::Name);
    }
    return QString();
}

// Every text of the form that does not fit the widget that shows it, as a person would
// see it cut: wider or higher than the widget's contents, by the font's metrics, or outside
// what its parents show.
QStringList cutTexts(QWidget &form)
{
    QStringList cut;
    const auto report = [&cut](const QWidget *widget, const QString &text, QSize need, QSize room) {
        if (need.width() > room.width() || need.height() > room.height())
            cut << QString("%1 \"%2\": %3x%4 in %5x%6")
                       .arg(widget->objectName(), text)
                       .arg(need.width())
                       .arg(need.height())
                       .arg(room.width())
                       .arg(room.height());
    };
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&form))
            continue;
        // Each widget is checked, so each against its own parent covers every ancestor. The
        // player list scrolls within its view, where outOfView() checks a row.
        if (!widget->parentWidget()->rect().contains(widget->geometry()) &&
            !qobject_cast<QScrollArea *>(widget->parentWidget()->parentWidget()))
            cut << widget->objectName() + " is outside " + widget->parentWidget()->objectName();
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            const QSize room = label->contentsRect().size();
            QSize need =
                label->wordWrap()
                    ? metrics.boundingRect(QRect(QPoint(), room), Qt::TextWordWrap, label->text())
                          .size()
                    : metrics.size(Qt::TextSingleLine, label->text());
            // These two are drawn shortened where they are too long, as checked below.
            if (label->objectName() == "nameLabel" || label->objectName() == "titleLabel")
                need.setWidth(std::min(need.width(), room.width()));
            report(label, label->text(), need, room);
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            report(button, button->text(), metrics.size(Qt::TextShowMnemonic, button->text()),
                   room.size());
        } else if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            QStyleOptionFrame option;
            option.initFrom(field);
            option.lineWidth =
                field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
            // Qt keeps a margin of one pixel above and below the text it draws.
            const QRect room = field->style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, field)
                                   .marginsRemoved(field->textMargins())
                                   .adjusted(0, 1, 0, -1);
            report(field, "Xg", QSize(0, metrics.height()), room.size());
        }
    }
    return cut;
}
} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    void playerArea_data();
    void playerArea();
    void scrollBarCanBeSeenAndGrabbed_data();
    void scrollBarCanBeSeenAndGrabbed();
    void windowKeepsItsWidgetsWhole_data();
    void windowKeepsItsWidgetsWhole();
    void resizeKeepsTheListWhereItIs_data();
    void resizeKeepsTheListWhereItIs();
    void textFitsAtEveryFontSize_data();
    void textFitsAtEveryFontSize();
    void longNameIsShortenedVisibly_data();
    void longNameIsShortenedVisibly();
    void initTestCase();
    void cleanup();

private:
    void useDesktopFontAt(qreal pointSize);

    bool drawnFontLoaded = false;
    QFont desktopFont;
    QPalette desktopPalette;
};

// The desktop's font is the one the forms are drawn for, where it can be loaded; elsewhere
// the machine's own, and only the cases that measure a family skip.
void WindowFitTest::initTestCase()
{
    drawnFontLoaded = testFonts::use(testFonts::drawnFor.name, testFonts::drawnFor.desktopSize);
    desktopFont = QApplication::font();
    desktopPalette = QApplication::palette();
}

// As a desktop sets a larger or smaller size of its font.
void WindowFitTest::useDesktopFontAt(qreal pointSize)
{
    QFont font = desktopFont;
    font.setPointSizeF(pointSize);
    QApplication::setFont(font);
}

void WindowFitTest::cleanup()
{
    // The font and direction the desktop gives, whatever a test set.
    QApplication::setFont(desktopFont);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setPalette(desktopPalette);
}

void WindowFitTest::playerArea_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("1") << 1 << false;
    QTest::newRow("9") << 9 << false;
    QTest::newRow("10") << 10 << true;
    QTest::newRow("25") << 25 << true;
}

void WindowFitTest::playerArea()
{
    QFETCH(int, players);
    QFETCH(bool, scrolls);

    // The area as drawn, and so the rows' share of it, in the font it is drawn for.
    if (!drawnFontLoaded)
        QSKIP(testFonts::missing(testFonts::drawnFor.name).constData());
    auto window = openShownWindow();
    QVERIFY(window);
    for (int i = 1; i <= players; ++i)
        QVERIFY(addPlayer(*window, QString("Player %1").arg(i)));
    QCoreApplication::processEvents(); // lay the rows out

    auto *area = child<QScrollArea>(*window, "playerArea");
    QCOMPARE(area->geometry(), QRect(10, 80, 381, 371));
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QCOMPARE(area->verticalScrollBar()->isVisible(), scrolls);

    const QList<PlayerWidget *> all = rows(*window);
    QCOMPARE(all.size(), players);
    const int spacing = child<QWidget>(*window, "widget")->layout()->spacing();
    if (!scrolls) {
        // The rows share the area's height.
        const int share = (371 - (players - 1) * spacing) / players;
        for (PlayerWidget *row : all)
            QVERIFY(qAbs(row->height() - share) <= 1);
        return;
    }

    // The newest row is in view, whole, right edge of its button included.
    PlayerWidget *last = all.last();
    QCOMPARE(last->height(), 41);
    QCOMPARE(outOfView(*window, last), QString());
    QCOMPARE(last->childrenRect(), QRect(0, 0, 371, 41));

    // Its button works, as a click of the mouse does it.
    auto *button = child(*last, "addpointsButton");
    QVERIFY(run([&] { QTest::mouseClick(button, Qt::LeftButton); }, answer::accept("6")));
    QCOMPARE(label(*last, "points"), QString("6"));
    QCOMPARE(announced(*window), QString("And the winner is...\nPlayer %1!!!").arg(players));
}

void WindowFitTest::scrollBarCanBeSeenAndGrabbed_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QPalette(QColor(239, 239, 239));
    QTest::newRow("dark") << QPalette(QColor(53, 53, 53));
}

// The player area's slim scroll bar: its handle stands out by 3:1 from its groove and from
// the rows beside it, and dragging it scrolls the list.
void WindowFitTest::scrollBarCanBeSeenAndGrabbed()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(addNumberedPlayers(*window, 25));
    QCoreApplication::processEvents(); // lay the rows out
    QScrollBar *bar = child<QScrollArea>(*window, "playerArea")->verticalScrollBar();
    bar->setValue(bar->minimum());

    const QImage shot = window->grab().toImage();
    const auto colourAt = [&](QWidget *widget, QPoint at) {
        return shot.pixelColor(widget->mapTo(window.get(), at) * shot.devicePixelRatio());
    };
    const QColor handle = colourAt(bar, QPoint(bar->width() / 2, 8));
    const QColor groove = colourAt(bar, QPoint(bar->width() / 2, bar->height() - 3));
    PlayerWidget *row = rows(*window).first();
    const QColor beside = colourAt(row, QPoint(row->width() / 2, 1));
    QVERIFY2(contrast(handle, groove) >= 3, qPrintable(handle.name() + " on " + groove.name()));
    QVERIFY2(contrast(handle, beside) >= 3, qPrintable(handle.name() + " by " + beside.name()));

    const QPoint grip(bar->width() / 2, 8);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(0, bar->height() / 2));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(0, bar->height() / 2));
    QVERIFY(bar->value() > bar->minimum());
}

void WindowFitTest::windowKeepsItsWidgetsWhole_data()
{
    QTest::addColumn<qreal>("openedAt");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("smallest");
    const qreal desktop = testFonts::drawnFor.desktopSize;
    QTest::newRow("as it opens at 24 pt") << 24.0 << 24.0 << false;
    QTest::newRow("20 pt, then 24 pt while open") << 20.0 << 24.0 << false;
    QTest::newRow("made as small as it goes") << desktop << desktop << true;
    QTest::newRow("made as small as it goes at 24 pt") << 24.0 << 24.0 << true;
}

// The window's frame lies within its screen, here the offscreen platform's 800 x 800, even
// where its font asks for more; and no size leaves the buttons, the title line or a row cut.
void WindowFitTest::windowKeepsItsWidgetsWhole()
{
    QFETCH(qreal, openedAt);
    QFETCH(qreal, pointSize);
    QFETCH(bool, smallest);
    useDesktopFontAt(openedAt);
    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(addPlayer(*window, "Ada"));
    QVERIFY(addPlayer(*window, "Grace"));
    QVERIFY(addPoints(rows(*window).first(), QString::number(INT_MIN)));
    useDesktopFontAt(pointSize);
    if (smallest)
        window->resize(1, 1);
    QCoreApplication::processEvents(); // fit and lay the window out

    // Within the screen, the frame leaves the screen's area as it is.
    const QRect screen = window->screen()->availableGeometry();
    QCOMPARE(screen.united(window->frameGeometry()), screen);
    if (smallest)
        QCOMPARE(window->size(), window->minimumSize());
    QTRY_COMPARE(cutTexts(*window).join("; "), QString());
    QCOMPARE(outOfView(*window, rows(*window).first()), QString());
}

void WindowFitTest::resizeKeepsTheListWhereItIs_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("atTop");
    QTest::newRow("at the top") << testFonts::drawnFor.desktopSize << true;
    QTest::newRow("in the middle") << testFonts::drawnFor.desktopSize << false;
    QTest::newRow("at the top, at 14 pt") << 14.0 << true;
}

// Only adding a player scrolls the list, to the newest row; resizing the window leaves it.
void WindowFitTest::resizeKeepsTheListWhereItIs()
{
    QFETCH(qreal, pointSize);
    QFETCH(bool, atTop);
    useDesktopFontAt(pointSize);
    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(addNumberedPlayers(*window, 25));
    QCoreApplication::processEvents(); // lay the rows out
    QScrollBar *bar = child<QScrollArea>(*window, "playerArea")->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());

    const int at = atTop ? bar->minimum() : bar->maximum() / 2;
    bar->setValue(at);
    for (int step = 0; step < 3; ++step) {
        window->resize(window->size() - QSize(0, 10));
        QCoreApplication::processEvents();
        QCOMPARE(bar->value(), at);
    }
}

void WindowFitTest::textFitsAtEveryFontSize_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("drawn");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("whileOpen");
    QTest::addColumn<QString>("language"); // empty for English

    // The rows are checked in the main window, whose list draws them all at one size. The
    // points dialog refusing an amount is as large as its reason needs.
    const QList<std::pair<QString, QSize>> forms = {{"main window", QSize(400, 494)},
                                                    {"title dialog", QSize(251, 91)},
                                                    {"name dialog", QSize(320, 77)},
                                                    {"points dialog", QSize(290, 81)},
                                                    {"points dialog refusing", QSize(290, 81)}};
    for (const auto &[family, desktopSize] : testFonts::desktops) {
        for (const auto &[form, drawn] : forms) {
            for (qreal size : {desktopSize, 16.0, 24.0, 2 * desktopSize}) {
                const QString font = size == desktopSize       ? "desktop size"
                                     : size == 2 * desktopSize ? "200%"
                                                               : QString("%1 pt").arg(size);
                QTest::addRow("%s, %s, %s", qPrintable(form), qPrintable(family), qPrintable(font))
                    << form << drawn << family << size << false << QString();
            }
            QTest::addRow("%s, %s, 200%% set while open", qPrintable(form), qPrintable(family))
                << form << drawn << family << 2 * desktopSize << true << QString();
        }
    }
    // German's words are long; Arabic is set right to left, in DejaVu Sans, Debian's default
    // font, which has its letters.
    for (const auto &[language, family, desktopSize] :
         {std::tuple("de", "DejaVu Sans", 9.0), std::tuple("de", "Noto Sans", 10.0),
          std::tuple("ar", "DejaVu Sans", 9.0)}) {
        for (const auto &[form, drawn] : forms) {
            for (qreal size : {desktopSize, 2 * desktopSize}) {
                QTest::addRow("%s, %s, %s, %s", qPrintable(form), language, family,
                              size == desktopSize ? "desktop size" : "200%")
                    << form << drawn << family << size << false << language;
            }
        }
    }
}

// Each form with the widest texts it shows: a row's total of the lowest 32-bit number,
// beside a few players.
void WindowFitTest::textFitsAtEveryFontSize()
{
    QFETCH(QString, form);
    QFETCH(QSize, drawn);
    QFETCH(QString, family);
    QFETCH(qreal, pointSize);
    QFETCH(bool, whileOpen);
    QFETCH(QString, language);

    // The size set while the form is open is twice the desktop's, which the form opens with.
    const qreal openedAt = whileOpen ? pointSize / 2 : pointSize;
    if (!testFonts::use(family, openedAt))
        QSKIP(testFonts::missing(family).constData());
    const QFont desktop = QApplication::font();
    const bool asDrawn = language.isEmpty() && family == testFonts::drawnFor.name &&
                         openedAt == testFonts::drawnFor.desktopSize;
    std::optional<Translations> translations;
    if (!language.isEmpty()) {
        translations.emplace(QLocale(language), catalogues::built);
        QCOMPARE(translations->language(), language);
    }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QWidget> shown;
    if (form == "main window") {
        window = openShownWindow();
        QVERIFY(window);
        for (const QString name : {"Ada", "Grace", "Edsger"})
            QVERIFY(addPlayer(*window, name));
        QVERIFY(addPoints(rows(*window).first(), QString::number(INT_MIN)));
    } else if (form == "title dialog") {
        shown = std::make_unique<optionsDialog>(nullptr, "Game Title");
    } else if (form == "name dialog") {
        shown = std::make_unique<addPlayerDialog>();
    } else {
        auto dialog = std::make_unique<addpointsDialog>();
        dialog->setPlayer("Ada", INT_MIN);
        shown = std::move(dialog);
    }
    QWidget *widget = window ? window.get() : shown.get();
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    const bool refusing = form.endsWith("refusing");
    if (refusing) {
        QTest::keyClicks(widget->findChild<QLineEdit *>(), "-1");
        QTest::keyClick(widget, Qt::Key_Return);
        QVERIFY(widget->isVisible());
    }
    // In the font the forms are drawn for, each form is exactly as drawn.
    const QSize before = widget->size();
    if (asDrawn && !refusing) {
        QCOMPARE(before, drawn);
        if (window)
            QCOMPARE(rows(*window).first()->childrenRect(), QRect(0, 0, 371, 41));
    }
    if (whileOpen)
        QVERIFY(testFonts::use(family, pointSize));

    // The form follows its font, and is laid out, once the event loop has run.
    QTRY_COMPARE(cutTexts(*widget).join("; "), QString());
    QVERIFY(widget->width() >= drawn.width() && widget->height() >= drawn.height());
    if (window)
        QCOMPARE(outOfView(*window, rows(*window).last()), QString());

    if (whileOpen) {
        // And back to the desktop's font: the form as it was again.
        QApplication::setFont(desktop);
        QTRY_COMPARE(widget->size(), before);
        QTRY_COMPARE(cutTexts(*widget), QStringList());
    }
}

void WindowFitTest::longNameIsShortenedVisibly_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::LayoutDirection>("windowDirection");
    QTest::addColumn<int>("shownAtLeast"); // letters of the name before the "…"

    const QString latin = "Maximilian Alexander von Hohenzollern-Sigmaringen the Third";
    const QString arabic = "عبد الرحمن بن محمد بن عبد الله بن إبراهيم بن سليمان بن عبد العزيز";
    const QString markup = "<b>Maximilian Alexander von Hohenzollern-Sigmaringen</b>";
    QTest::newRow("row") << false << latin << Qt::LeftToRight << 10;
    QTest::newRow("points dialog") << true << latin << Qt::LeftToRight << 5;
    QTest::newRow("row, markup") << false << markup << Qt::LeftToRight << 10;
    QTest::newRow("row, Arabic") << false << arabic << Qt::LeftToRight << 10;
    QTest::newRow("row, right-to-left window") << false << latin << Qt::RightToLeft << 10;
    QTest::newRow("points dialog, Arabic in a right-to-left window")
        << true << arabic << Qt::RightToLeft << 5;
}

// The row, and the points dialog it opens, each draw a long name as a label showing it cut
// with "…" would, in the name's own direction, and give it whole, as typed, in the tool tip
// and to screen readers.
void WindowFitTest::longNameIsShortenedVisibly()
{
    QFETCH(bool, inDialog);
    QFETCH(QString, name);
    QFETCH(Qt::LayoutDirection, windowDirection);
    QFETCH(int, shownAtLeast);
    QApplication::setLayoutDirection(windowDirection);
    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(addPlayer(*window, "Ada"));
    QVERIFY(addPlayer(*window, name));
    QCoreApplication::processEvents();
    PlayerWidget *row = rows(*window).last();

    QString shortened, problem = "(no dialog)";
    const auto check = [&](QLabel *nameLabel) {
        shortened = nameLabel->fontMetrics().elidedText(name, Qt::ElideRight,
                                                        nameLabel->contentsRect().width());
        // As a label of the shortened name draws it laid out in the name's own direction,
        // where the window's direction places the label's text.
        QLabel plain(shortened);
        plain.setTextFormat(Qt::PlainText);
        plain.setFont(nameLabel->font());
        plain.setLayoutDirection(name.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        plain.setAlignment(QStyle::visualAlignment(windowDirection, nameLabel->alignment()));
        plain.resize(nameLabel->size());
        bool oneLine = false;
        if (nameLabel->grab().toImage().convertToFormat(QImage::Format_RGB32) !=
            plain.grab().toImage().convertToFormat(QImage::Format_RGB32))
            problem = "not drawn as \"" + shortened + "\"";
        else if (const QString tip = toolTipOn(nameLabel, &oneLine); tip != name || !oneLine)
            problem = "the tool tip reads \"" + tip + (oneLine ? "\"" : "\" on more lines");
        else if (const QString read =
                     QAccessible::queryAccessibleInterface(nameLabel)->text(QAccessible::Name);
                 read != name)
            problem = "a screen reader reads \"" + read + "\"";
        else
            problem.clear();
    };
    if (inDialog) {
        QVERIFY(run([&] { child(*row, "addpointsButton")->click(); },
                    [&](QWidget *dialog) {
                        check(dialog->findChild<QLabel *>("nameLabel"));
                        answer::accept("7")(dialog);
                    }));
    } else {
        check(row->findChild<QLabel *>("nameLabel"));
        QVERIFY(addPoints(row, "7"));
    }
    QVERIFY2(shortened.endsWith(QChar(0x2026)), qPrintable(shortened));
    QVERIFY2(shortened.size() > shownAtLeast, qPrintable(shortened));
    QCOMPARE(problem, QString());

    // The total and the button keep their room; the points went to this player.
    QCOMPARE(cutTexts(*row), QStringList());
    QCOMPARE(announced(*window), "And the winner is...\n" + name + "!!!");
}

QTEST_MAIN(WindowFitTest)
#include "tst_windowfit.moc"

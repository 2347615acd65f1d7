#include "Catalogues.h"
#include "Children.h"
#include "MainWindowRecord.h"
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
const QString nobody = "And the winner is...\nnobody...!!!";

// The window as it comes up once its title dialog has been answered.
std::unique_ptr<MainWindow> openWindow(const QString &title = QString())
{
    ModalAnswerer answerer{title.isNull() ? answer::cancel() : answer::accept(title)};
    auto window = std::make_unique<MainWindow>();
    return answerer.done() ? std::move(window) : nullptr;
}

// The same, on screen and laid out.
std::unique_ptr<MainWindow> openShownWindow()
{
    auto window = openWindow();
    if (!window)
        return nullptr;
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
}

QList<PlayerWidget *> rows(const MainWindow &window)
{
    return window.findChildren<PlayerWidget *>();
}

// Runs a command that opens one dialog or message box, answered by the step.
bool run(const std::function<void()> &command, const ModalAnswerer::Step &step)
{
    ModalAnswerer answerer{step};
    command();
    return answerer.done();
}

bool addPlayer(MainWindow &window, const QString &name)
{
    return run([&] { child(window, "addplayerButton")->click(); }, answer::accept(name));
}

bool addPoints(PlayerWidget *row, const QString &points)
{
    return run([&] { child(*row, "addpointsButton")->click(); }, answer::accept(points));
}

QString announced(MainWindow &window)
{
    QString title, text;
    if (!run([&] { child(window, "endButton")->click(); }, answer::readMessage(&title, &text)))
        return "(no message)";
    return title == "Winner!" ? text : "(titled " + title + ")";
}

// Where the keyboard focus is, as a person sees it: a row's button as "row" and the row's
// name, anything else by its object name.
QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return "(none)";
    for (QWidget *w = focus; w; w = w->parentWidget()) {
        if (auto *row = qobject_cast<PlayerWidget *>(w))
            return "row " + label(*row, "nameLabel");
    }
    return focus->objectName();
}

// Adds players named 1, 2, … and gives the window back the keyboard, as a window manager
// does when a dialog closes.
bool addNumberedPlayers(MainWindow &window, int count)
{
    for (int i = 1; i <= count; ++i) {
        if (!addPlayer(window, QString::number(i)))
            return false;
    }
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Empty when the row is whole inside the player area's view, right edge of its button
// included; otherwise where they are.
QString outOfView(const MainWindow &window, PlayerWidget *row)
{
    QWidget *viewport = child<QScrollArea>(window, "playerArea")->viewport();
    const QRect rowInView(row->mapTo(viewport, QPoint(0, 0)), row->size());
    auto *button = child(*row, "addpointsButton");
    const QRect buttonInView(button->mapTo(viewport, QPoint(0, 0)), button->size());
    if (viewport->rect().contains(rowInView) && viewport->rect().contains(buttonInView))
        return QString();
    return QString("row at %1, %2 high; button %3 wide at %4")
        .arg(rowInView.top())
        .arg(rowInView.height())
        .arg(buttonInView.width())
        .arg(buttonInView.left());
}

void pressTab(bool forward)
{
    if (forward)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
}

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

struct Score {
    QString name;
    QString points;
};

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

Q_DECLARE_METATYPE(QList<Score>)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void titleDialogComesFirst_data();
    void titleDialogComesFirst();
    void formObjects_data();
    void formObjects();
    void gameMenu();
    void slotsInOrder_data();
    void slotsInOrder();
    void duplicateNameIsRefused();
    void winnerMessage_data();
    void winnerMessage();
    void restart();
    void menuEntriesActAsButtons_data();
    void menuEntriesActAsButtons();
    void optionsIsPrefilled();
    void markupIsShownLiterally();
    void playerArea_data();
    void playerArea();
    void scrollBarCanBeSeenAndGrabbed_data();
    void scrollBarCanBeSeenAndGrabbed();
    void windowKeepsItsWidgetsWhole_data();
    void windowKeepsItsWidgetsWhole();
    void resizeKeepsTheListWhereItIs_data();
    void resizeKeepsTheListWhereItIs();
    void amountIsAddedOrRefused_data();
    void amountIsAddedOrRefused();
    void tabChain_data();
    void tabChain();
    void focusedRowIsInView_data();
    void focusedRowIsInView();
    void optionsTypingReplacesTheTitle_data();
    void optionsTypingReplacesTheTitle();
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
void MainWindowTest::initTestCase()
{
    drawnFontLoaded = testFonts::use(testFonts::drawnFor.name, testFonts::drawnFor.desktopSize);
    desktopFont = QApplication::font();
    desktopPalette = QApplication::palette();
}

// As a desktop sets a larger or smaller size of its font.
void MainWindowTest::useDesktopFontAt(qreal pointSize)
{
    QFont font = desktopFont;
    font.setPointSizeF(pointSize);
    QApplication::setFont(font);
}

void MainWindowTest::cleanup()
{
    // The font and direction the desktop gives, whatever a test set.
    QApplication::setFont(desktopFont);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setPalette(desktopPalette);
}

void MainWindowTest::titleDialogComesFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("afterLanguageChange");
    QTest::newRow("accepted") << "Quiz Night"
                              << "Quiz Night"
                              << "Quiz Night";
    QTest::newRow("accepted empty") << ""
                                    << ""
                                    << "";
    QTest::newRow("cancelled") << QString() << "Game Title"
                               << "MainWindow|Game Title";
}

// The title dialog is up before the window is shown. An accepted title stays in the title
// line through a language change; the placeholder is translated.
void MainWindowTest::titleDialogComesFirst()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, afterLanguageChange);

    QString dialogClass, prefilled;
    QPoint dialogCentre;
    bool windowShown = true;
    ModalAnswerer answerer{[&](QWidget *dialog) {
        dialogClass = dialog->metaObject()->className();
        dialogCentre = dialog->geometry().center();
        prefilled = dialog->findChild<QLineEdit *>()->text();
        windowShown = std::ranges::any_of(QApplication::topLevelWidgets(), [](QWidget *w) {
            return qobject_cast<MainWindow *>(w) && w->isVisible();
        });
        (typed.isNull() ? answer::cancel() : answer::accept(typed))(dialog);
    }};
    MainWindow window;
    VERIFY_ANSWERED(answerer);
    QCOMPARE(dialogClass, QString("optionsDialog"));
    QCOMPARE(prefilled, QString());
    QVERIFY(!windowShown);
    QCOMPARE(label(window, "titleLabel"), shown);
    QCOMPARE(window.windowTitle(), QString("Vorrintal"));

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents(); // the language change is posted
    const QString translatedButton = child(window, "addplayerButton")->text();
    const QString titleLine = label(window, "titleLabel");
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    QCOMPARE(translatedButton, QString("MainWindow|Add Player"));
    QCOMPARE(titleLine, afterLanguageChange);
    QCOMPARE(child(window, "addplayerButton")->text(), QString("Add Player"));

    // The dialog came up where the window then appears, in the middle of the screen, not in
    // a corner of an otherwise empty screen. A window's frame, known once it is shown, moves
    // the centre of what it frames by half the frame's size.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint middle = window.screen()->availableGeometry().center();
    const auto near = [&](QPoint p) {
        return (p - middle).manhattanLength() <= 32;
    };
    const auto where = [](QPoint p) {
        return QString("%1,%2").arg(p.x()).arg(p.y());
    };
    QVERIFY2(near(dialogCentre), qPrintable("the dialog's centre is " + where(dialogCentre) +
                                            ", the screen's " + where(middle)));
    QVERIFY2(near(window.frameGeometry().center()),
             qPrintable("the window's centre is " + where(window.frameGeometry().center()) +
                        ", the screen's " + where(middle)));
}

void MainWindowTest::formObjects_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    const QRect any;
    // clang-format off
    QTest::newRow("central") << "centralwidget" << "QWidget" << "MainWindow" << any << "";
    QTest::newRow("title") << "titleLabel" << "QLabel" << "centralwidget" << QRect(7, 60, 381, 20) << "Game Title";
    QTest::newRow("player area") << "playerArea" << "QScrollArea" << "centralwidget" << QRect(10, 80, 381, 371) << "";
    QTest::newRow("players") << "widget" << "QWidget" << "qt_scrollarea_viewport" << QRect(0, 0, 381, 371) << "";
    QTest::newRow("button row") << "widget1" << "QWidget" << "centralwidget" << QRect(7, 10, 381, 41) << "";
    QTest::newRow("add player") << "addplayerButton" << "QPushButton" << "widget1" << any << "Add Player";
    QTest::newRow("restart") << "restartButton" << "QPushButton" << "widget1" << any << "Restart";
    QTest::newRow("end") << "endButton" << "QPushButton" << "widget1" << any << "End Game";
    QTest::newRow("menu bar") << "menubar" << "QMenuBar" << "MainWindow" << any << "";
    QTest::newRow("menu") << "menuGame" << "QMenu" << "menubar" << any << "";
    QTest::newRow("status bar") << "statusbar" << "QStatusBar" << "MainWindow" << any << "";
    // clang-format on
}

void MainWindowTest::formObjects()
{
    QFETCH(QString, object);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    auto window = openShownWindow();
    QVERIFY(window);
    QCOMPARE(window->objectName(), QString("MainWindow"));

    auto *widget = window->findChild<QWidget *>(object);
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), className);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->property("text").toString(), text);

    // The geometry as drawn, in the font it is drawn for.
    if (!drawnFontLoaded)
        QSKIP(testFonts::missing(testFonts::drawnFor.name).constData());
    QCOMPARE(window->size(), QSize(400, 494));
    if (!geometry.isNull())
        QCOMPARE(widget->geometry(), geometry);
}

void MainWindowTest::gameMenu()
{
    auto window = openWindow();
    QVERIFY(window);
    auto *menu = child<QMenu>(*window, "menuGame");
    QCOMPARE(menu->title(), QString("Game"));
    QCOMPARE(child<QMenuBar>(*window, "menubar")->actions(), QList<QAction *>{menu->menuAction()});

    QStringList names, texts;
    for (QAction *action : menu->actions()) {
        names << action->objectName();
        texts << action->text();
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(names, QStringList({"actionAdd_Player", "actionRestart", "actionNew", "actionOptions",
                                 "actionQuit"}));
    QCOMPARE(texts, QStringList({"Add Player", "Restart", "End Game", "Options", "Quit"}));

    // The buttons sit between the two spacers, in this order.
    QLayout *buttonRow = child<QWidget>(*window, "widget1")->layout();
    QCOMPARE(buttonRow->count(), 5);
    QVERIFY(buttonRow->itemAt(0)->spacerItem() && buttonRow->itemAt(4)->spacerItem());
    QCOMPARE(buttonRow->itemAt(1)->widget()->objectName(), QString("addplayerButton"));
    QCOMPARE(buttonRow->itemAt(3)->widget()->objectName(), QString("endButton"));

    auto *title = child<QLabel>(*window, "titleLabel");
    QCOMPARE(title->alignment(), Qt::AlignCenter);
    QCOMPARE(title->textFormat(), Qt::PlainText);
    QCOMPARE(child<QWidget>(*window, "widget")->layout()->objectName(), QString("playerGrid"));
}

void MainWindowTest::slotsInOrder_data()
{
    QTest::addColumn<const QMetaObject *>("meta");
    QTest::addColumn<QStringList>("methods");

    QTest::newRow("MainWindow") << &MainWindow::staticMetaObject
                                << QStringList{"public slot addPlayer()",
                                               "public slot addPoints(QString,int)",
                                               "private slot on_endButton_clicked()",
                                               "private slot on_restartButton_clicked()",
                                               "private slot on_actionOptions_triggered()"};
    QTest::newRow("PlayerWidget") << &PlayerWidget::staticMetaObject
                                  << QStringList{"public signal addPoints(QString,int)",
                                                 "private slot on_addpointsButton_clicked()"};
    QTest::newRow("addPlayerDialog") << &addPlayerDialog::staticMetaObject << QStringList{};
    QTest::newRow("optionsDialog") << &optionsDialog::staticMetaObject << QStringList{};
    QTest::newRow("addpointsDialog") << &addpointsDialog::staticMetaObject << QStringList{};
}

void MainWindowTest::slotsInOrder()
{
    QFETCH(const QMetaObject *, meta);
    QFETCH(QStringList, methods);

    QStringList declared;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const char *access[] = {"private", "protected", "public"};
        declared << QString("%1 %2 %3")
                        .arg(access[method.access()],
                             method.methodType() == QMetaMethod::Signal ? "signal" : "slot",
                             method.methodSignature());
        QVERIFY(method.parameterNames().join().isEmpty());
    }
    QCOMPARE(declared, methods);
}

void MainWindowTest::duplicateNameIsRefused()
{
    auto window = openWindow();
    QVERIFY(window);
    QVERIFY(addPlayer(*window, "Bo"));

    QString title, text;
    QMessageBox::StandardButtons buttons;
    ModalAnswerer answerer{answer::accept("Bo"), [&](QWidget *box) {
                               buttons = qobject_cast<QMessageBox *>(box)->standardButtons();
                               answer::readMessage(&title, &text)(box);
                           }};
    child(*window, "addplayerButton")->click();
    VERIFY_ANSWERED(answerer);
    QCOMPARE(title, QString("Player Already Exists"));
    QCOMPARE(text, QString("That player name already exists, please choose another."));
    QCOMPARE(buttons, QMessageBox::Ok);
    QCOMPARE(rows(*window).size(), 1);
}

void MainWindowTest::winnerMessage_data()
{
    QTest::addColumn<QList<Score>>("scores");
    QTest::addColumn<QString>("message");

    QTest::newRow("no players") << QList<Score>{} << nobody;
    QTest::newRow("0 and below") << QList<Score>{{"A", "0"}, {"B", "-3"}} << nobody;
    QTest::newRow("a winner") << QList<Score>{{"A", "2"}, {"B", "7"}}
                              << "And the winner is...\nB!!!";
    QTest::newRow("tie goes to the first added")
        << QList<Score>{{"A", "3"}, {"B", "3"}} << "And the winner is...\nA!!!";
    QTest::newRow("empty name") << QList<Score>{{"", "1"}} << "And the winner is...\n!!!";
    QTest::newRow("letters beyond Latin-1")
        << QList<Score>{{"Łukasz", "4"}, {"Šukasz", "5"}} << "And the winner is...\nŠukasz!!!";
    QTest::newRow("markup") << QList<Score>{{"<b>Bo</b>", "1"}}
                            << "And the winner is...\n<b>Bo</b>!!!";
}

void MainWindowTest::winnerMessage()
{
    QFETCH(QList<Score>, scores);
    QFETCH(QString, message);

    auto window = openWindow();
    QVERIFY(window);
    for (const Score &score : scores)
        QVERIFY(addPlayer(*window, score.name));
    QCOMPARE(rows(*window).size(), scores.size());
    for (int i = 0; i < scores.size(); ++i)
        QVERIFY(addPoints(rows(*window)[i], scores[i].points));

    QCOMPARE(announced(*window), message);
    // Announcing the winner ends nothing: the totals stay.
    for (int i = 0; i < scores.size(); ++i)
        QCOMPARE(label(*rows(*window)[i], "points"), scores[i].points);
}

void MainWindowTest::restart()
{
    auto window = openWindow("Final");
    QVERIFY(window);
    for (const char *name : {"A", "B"})
        QVERIFY(addPlayer(*window, name));
    QVERIFY(addPoints(rows(*window)[0], "5"));
    QVERIFY(addPoints(rows(*window)[1], "-2"));

    child(*window, "restartButton")->click();

    QCOMPARE(rows(*window).size(), 2);
    for (PlayerWidget *row : rows(*window))
        QCOMPARE(label(*row, "points"), QString("0"));
    QCOMPARE(label(*rows(*window)[1], "nameLabel"), QString("B"));
    QCOMPARE(label(*window, "titleLabel"), QString("Final"));
    QCOMPARE(announced(*window), nobody);
    // Play goes on from 0.
    QVERIFY(addPoints(rows(*window)[1], "1"));
    QCOMPARE(announced(*window), QString("And the winner is...\nB!!!"));
}

void MainWindowTest::menuEntriesActAsButtons_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("buttons") << false;
    QTest::newRow("menu") << true;
}

void MainWindowTest::menuEntriesActAsButtons()
{
    QFETCH(bool, fromMenu);
    auto window = openWindow();
    QVERIFY(window);
    auto command = [&](const char *button, const char *action) {
        return [&window, fromMenu, button, action] {
            if (fromMenu)
                child<QAction>(*window, action)->trigger();
            else
                child(*window, button)->click();
        };
    };

    QVERIFY(run(command("addplayerButton", "actionAdd_Player"), answer::accept("Ann")));
    QCOMPARE(rows(*window).size(), 1);
    QVERIFY(addPoints(rows(*window)[0], "8"));

    QString title, text;
    QVERIFY(run(command("endButton", "actionNew"), answer::readMessage(&title, &text)));
    QCOMPARE(title, QString("Winner!"));
    QCOMPARE(text, QString("And the winner is...\nAnn!!!"));

    command("restartButton", "actionRestart")();
    QCOMPARE(label(*rows(*window)[0], "points"), QString("0"));
    QCOMPARE(announced(*window), nobody);
}

void MainWindowTest::optionsIsPrefilled()
{
    auto window = openWindow("Ελληνικά 🎲");
    QVERIFY(window);
    auto *options = child<QAction>(*window, "actionOptions");

    QString prefilled;
    auto readThen = [&](const ModalAnswerer::Step &step) {
        return [&prefilled, step](QWidget *dialog) {
            prefilled = dialog->findChild<QLineEdit *>("titleEdit")->text();
            step(dialog);
        };
    };
    QVERIFY(run([&] { options->trigger(); }, readThen(answer::cancel())));
    QCOMPARE(prefilled, QString("Ελληνικά 🎲"));
    QCOMPARE(label(*window, "titleLabel"), QString("Ελληνικά 🎲"));

    QVERIFY(run([&] { options->trigger(); }, readThen(answer::accept(""))));
    QCOMPARE(label(*window, "titleLabel"), QString());
    QVERIFY(run([&] { options->trigger(); }, readThen(answer::cancel())));
    QCOMPARE(prefilled, QString());
}

void MainWindowTest::markupIsShownLiterally()
{
    auto window = openWindow("<img src=x>");
    QVERIFY(window);
    QVERIFY(addPlayer(*window, "<b>Bo</b>"));

    auto *name = child<QLabel>(*rows(*window)[0], "nameLabel");
    QCOMPARE(name->text(), QString("<b>Bo</b>"));
    QCOMPARE(name->textFormat(), Qt::PlainText);
    QCOMPARE(label(*window, "titleLabel"), QString("<img src=x>"));
    QCOMPARE(child<QLabel>(*window, "titleLabel")->textFormat(), Qt::PlainText);
}

void MainWindowTest::playerArea_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("1") << 1 << false;
    QTest::newRow("9") << 9 << false;
    QTest::newRow("10") << 10 << true;
    QTest::newRow("25") << 25 << true;
}

void MainWindowTest::playerArea()
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

void MainWindowTest::scrollBarCanBeSeenAndGrabbed_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QPalette(QColor(239, 239, 239));
    QTest::newRow("dark") << QPalette(QColor(53, 53, 53));
}

// The player area's slim scroll bar: its handle stands out by 3:1 from its groove and from
// the rows beside it, and dragging it scrolls the list.
void MainWindowTest::scrollBarCanBeSeenAndGrabbed()
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

void MainWindowTest::windowKeepsItsWidgetsWhole_data()
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
void MainWindowTest::windowKeepsItsWidgetsWhole()
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

void MainWindowTest::resizeKeepsTheListWhereItIs_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("atTop");
    QTest::newRow("at the top") << testFonts::drawnFor.desktopSize << true;
    QTest::newRow("in the middle") << testFonts::drawnFor.desktopSize << false;
    QTest::newRow("at the top, at 14 pt") << 14.0 << true;
}

// Only adding a player scrolls the list, to the newest row; resizing the window leaves it.
void MainWindowTest::resizeKeepsTheListWhereItIs()
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

void MainWindowTest::amountIsAddedOrRefused_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QString>("reasonNames"); // what a refusal's reason must mention

    for (const char *typed :
         {"5", " 5", "5 ", "+5", "-3", "0", "-0", "007", "2147483647", "-2147483648"})
        QTest::addRow("\"%s\"", typed) << 0 << QString(typed) << true << QString();
    for (const QString typed : {"", "five", "1O", "12.5", "1,000", "١٢", "5 5", "+-5", "0x10"})
        QTest::addRow("\"%s\" refused", qPrintable(typed)) << 0 << typed << false << "0 to 9";
    QTest::newRow("beyond an int") << 0 << "99999999999" << false << "2147483647";
    QTest::newRow("beyond an int, below") << 0 << "-2147483649" << false << "-2147483648";
    QTest::newRow("past the top") << INT_MAX << "1" << false << "2147483647";
    QTest::newRow("past the bottom") << INT_MIN << "-1" << false << "-2147483648";
    QTest::newRow("up to the top") << INT_MAX - 5 << "5" << true << QString();
    QTest::newRow("down to the bottom") << INT_MIN + 5 << "-5" << true << QString();
    QTest::newRow("back from the top") << INT_MAX << "-1" << true << QString();
}

// Typed into the dialog as a person types, then Enter. An amount is added exactly, or the
// dialog stays open with the reason, and the text selected for the user to correct.
void MainWindowTest::amountIsAddedOrRefused()
{
    QFETCH(int, start);
    QFETCH(QString, typed);
    QFETCH(bool, added);
    QFETCH(QString, reasonNames);

    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(addPlayer(*window, "Ada"));
    PlayerWidget *row = rows(*window).first();
    if (start != 0)
        QVERIFY(addPoints(row, QString::number(start)));
    Game &record = MainWindowRecord::of(*window);
    QSignalSpy spy(row, &PlayerWidget::addPoints);
    ScreenReaderBridge::spoken.clear();

    struct Seen {
        bool reasonBeforeTyping = true, open = false, reasonGone = false;
        QString reason, selected, focus, total;
        int recorded = 0;
        qsizetype signalled = -1;
    } seen;
    const int correction = start > 0 ? -7 : 7;
    ModalAnswerer answerer{[&](QWidget *dialog) {
        if (!QTest::qWaitForWindowActive(dialog, 2000))
            return;
        auto *reason = dialog->findChild<QLabel *>("reasonLabel");
        auto *field = dialog->findChild<QLineEdit *>("points");
        seen.reasonBeforeTyping = reason->isVisible();
        QWidget *focus = QApplication::focusWidget();
        if (focus != field)
            return;
        // One key event carries the whole text, as an input method would.
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, typed, Qt::NoModifier);
        QTest::keyClick(field, Qt::Key_Return);
        seen.open = dialog->isVisible();
        if (!seen.open)
            return;
        seen.reason = reason->isVisible() ? reason->text() : QString();
        seen.selected = field->selectedText();
        seen.focus = QApplication::focusWidget() == field ? "field" : "elsewhere";
        seen.total = label(*row, "points");
        seen.recorded = record.pointsOf("Ada");
        seen.signalled = spy.size();
        // Typing over the selection corrects it.
        QTest::keyClicks(field, QString::number(correction));
        seen.reasonGone = !reason->isVisible();
        QTest::keyClick(field, Qt::Key_Return);
    }};
    child(*row, "addpointsButton")->click();
    VERIFY_ANSWERED(answerer);
    QVERIFY2(!seen.reasonBeforeTyping, "a reason was shown before anything was typed");

    if (added) {
        QVERIFY2(!seen.open, qPrintable("refused with: " + seen.reason));
        const int amount = typed.toInt();
        QCOMPARE(label(*row, "points"), QString::number(qint64(start) + amount));
        QCOMPARE(record.pointsOf("Ada"), start + amount);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][1].toInt(), amount);
        QCOMPARE(ScreenReaderBridge::spoken, QStringList());
        return;
    }

    QVERIFY2(seen.open, "the dialog closed");
    QVERIFY2(seen.reason.contains(reasonNames), qPrintable("the reason: " + seen.reason));
    QCOMPARE(ScreenReaderBridge::spoken, QStringList{seen.reason});
    QCOMPARE(seen.selected, typed);
    QCOMPARE(seen.focus, QString("field"));
    // Nothing was added while the dialog was refusing.
    QCOMPARE(seen.total, QString::number(start));
    QCOMPARE(seen.recorded, start);
    QCOMPARE(seen.signalled, 0);
    // Then the corrected amount was.
    QVERIFY(seen.reasonGone);
    QCOMPARE(label(*row, "points"), QString::number(start + correction));
    QCOMPARE(record.pointsOf("Ada"), start + correction);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][1].toInt(), correction);
}

void MainWindowTest::tabChain_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QStringList>("chain");

    QTest::newRow("no players, Tab")
        << 0 << true << QStringList{"restartButton", "endButton", "addplayerButton"};
    QTest::newRow("no players, Shift+Tab")
        << 0 << false << QStringList{"endButton", "restartButton", "addplayerButton"};
    QTest::newRow("three players, Tab")
        << 3 << true
        << QStringList{"restartButton", "endButton", "row 1", "row 2", "row 3", "addplayerButton"};
    QTest::newRow("three players, Shift+Tab")
        << 3 << false
        << QStringList{"row 3", "row 2", "row 1", "endButton", "restartButton", "addplayerButton"};
}

// "Add Player" has the focus once the title is asked; Tab goes through the buttons, then down
// the rows, then round again.
void MainWindowTest::tabChain()
{
    QFETCH(int, players);
    QFETCH(bool, forward);
    QFETCH(QStringList, chain);

    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(focusName(), QString("addplayerButton"));
    QVERIFY(addNumberedPlayers(*window, players));
    QCOMPARE(focusName(), QString("addplayerButton"));

    QStringList visited;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        pressTab(forward);
        visited << focusName();
    }
    QCOMPARE(visited, chain);
}

void MainWindowTest::focusedRowIsInView_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("scrolledToTop");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("to");

    QTest::newRow("Tab from End Game") << "endButton" << false << true << "row 1";
    QTest::newRow("Shift+Tab from Add Player") << "addplayerButton" << true << false << "row 25";
    QTest::newRow("Tab down the rows") << "row 8" << true << true << "row 9";
    QTest::newRow("Shift+Tab up the rows") << "row 18" << false << false << "row 17";
}

// With 25 players the area scrolls; whichever row Tab or Shift+Tab focuses is whole in view.
void MainWindowTest::focusedRowIsInView()
{
    QFETCH(QString, from);
    QFETCH(bool, scrolledToTop);
    QFETCH(bool, forward);
    QFETCH(QString, to);

    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(addNumberedPlayers(*window, 25));
    QCoreApplication::processEvents(); // lay the rows out

    const QList<PlayerWidget *> all = rows(*window);
    QWidget *start = from.startsWith("row ")
                         ? child(*all[from.mid(4).toInt() - 1], "addpointsButton")
                         : child(*window, qPrintable(from));
    start->setFocus(Qt::MouseFocusReason);
    // As the wheel would leave it.
    auto *area = child<QScrollArea>(*window, "playerArea");
    QScrollBar *bar = area->verticalScrollBar();
    bar->setValue(scrolledToTop ? bar->minimum() : bar->maximum());

    pressTab(forward);
    QCOMPARE(focusName(), to);
    QCOMPARE(outOfView(*window, all[to.mid(4).toInt() - 1]), QString());
    if (drawnFontLoaded) // the width as drawn
        QCOMPARE(area->viewport()->width(), 371);
}

void MainWindowTest::optionsTypingReplacesTheTitle_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::newRow("typing replaces") << QList<int>{} << "Night"
                                     << "Night";
    QTest::newRow("an arrow key keeps it") << QList<int>{Qt::Key_Right} << " Night"
                                           << "Quiz Night";
    QTest::newRow("Home keeps it") << QList<int>{Qt::Key_Home} << "The "
                                   << "The Quiz";
}

// "Options" opens with the last title selected, as a person types over it.
void MainWindowTest::optionsTypingReplacesTheTitle()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, typed);
    QFETCH(QString, title);

    auto window = openShownWindow();
    QVERIFY(window);
    QVERIFY(
        run([&] { child<QAction>(*window, "actionOptions")->trigger(); }, answer::accept("Quiz")));
    QString selected;
    QVERIFY(run([&] { child<QAction>(*window, "actionOptions")->trigger(); },
                [&](QWidget *dialog) {
                    if (!QTest::qWaitForWindowActive(dialog, 2000))
                        return;
                    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
                    if (!field || !dialog->isAncestorOf(field))
                        return;
                    selected = field->selectedText();
                    for (int key : keys)
                        QTest::keyClick(field, Qt::Key(key));
                    QTest::keyClicks(field, typed);
                    QTest::keyClick(field, Qt::Key_Return);
                }));
    QCOMPARE(selected, QString("Quiz"));
    QCOMPARE(label(*window, "titleLabel"), title);
}

void MainWindowTest::textFitsAtEveryFontSize_data()
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
void MainWindowTest::textFitsAtEveryFontSize()
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

void MainWindowTest::longNameIsShortenedVisibly_data()
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
void MainWindowTest::longNameIsShortenedVisibly()
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

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

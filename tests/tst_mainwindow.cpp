// The main window as a person uses it: the title dialog first, the form's objects, the
// "Game" menu, adding players and points, the winner, restarting, the keyboard and what
// screen readers are told. How the window fits its font and screen: tst_windowfit.
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
const QString nobody = "And the winner is...\nnobody...!!!";

struct Score {
    QString name;
    QString points;
};
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
    void amountIsAddedOrRefused_data();
    void amountIsAddedOrRefused();
    void tabChain_data();
    void tabChain();
    void focusedRowIsInView_data();
    void focusedRowIsInView();
    void optionsTypingReplacesTheTitle_data();
    void optionsTypingReplacesTheTitle();
    void initTestCase();

private:
    bool drawnFontLoaded = false;
};

// The desktop's font is the one the forms are drawn for, where it can be loaded; elsewhere
// the machine's own, and only the cases that measure a family skip.
void MainWindowTest::initTestCase()
{
    drawnFontLoaded = testFonts::use(testFonts::drawnFor.name, testFonts::drawnFor.desktopSize);
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

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

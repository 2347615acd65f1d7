#pragma once

#include "Children.h"
#include "ModalAnswerer.h"
#include "app/MainWindow.h"
#include "widgets/PlayerWidget.h"

#include <QApplication>
#include <QScrollArea>
#include <QTest>

#include <functional>
#include <memory>

// The steps a person takes in the main window, for the suites that test it.

// The window as it comes up once its title dialog has been answered.
inline std::unique_ptr<MainWindow> openWindow(const QString &title = QString())
{
    ModalAnswerer answerer{title.isNull() ? answer::cancel() : answer::accept(title)};
    auto window = std::make_unique<MainWindow>();
    return answerer.done() ? std::move(window) : nullptr;
}

// The same, on screen and laid out.
inline std::unique_ptr<MainWindow> openShownWindow()
{
    auto window = openWindow();
    if (!window)
        return nullptr;
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
}

inline QList<PlayerWidget *> rows(const MainWindow &window)
{
    return window.findChildren<PlayerWidget *>();
}

// Runs a command that opens one dialog or message box, answered by the step.
inline bool run(const std::function<void()> &command, const ModalAnswerer::Step &step)
{
    ModalAnswerer answerer{step};
    command();
    return answerer.done();
}

inline bool addPlayer(MainWindow &window, const QString &name)
{
    return run([&] { child(window, "addplayerButton")->click(); }, answer::accept(name));
}

inline bool addPoints(PlayerWidget *row, const QString &points)
{
    return run([&] { child(*row, "addpointsButton")->click(); }, answer::accept(points));
}

inline QString announced(MainWindow &window)
{
    QString title, text;
    if (!run([&] { child(window, "endButton")->click(); }, answer::readMessage(&title, &text)))
        return "(no message)";
    return title == "Winner!" ? text : "(titled " + title + ")";
}

// Where the keyboard focus is, as a person sees it: a row's button as "row" and the row's
// name, anything else by its object name.
inline QString focusName()
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
inline bool addNumberedPlayers(MainWindow &window, int count)
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
inline QString outOfView(const MainWindow &window, PlayerWidget *row)
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

inline void pressTab(bool forward)
{
    if (forward)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
}

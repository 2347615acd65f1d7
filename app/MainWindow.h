#pragma once

#include "game/Game.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}
class FormScale;
class SlimScrollBarStyle;

// The game's window: the title line, one row per player and the commands of the "Game" menu.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Asks for the game title before it returns, so that the title dialog comes
    // before the window is shown.
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

public slots:
    void addPlayer();
    void addPoints(const QString &, int);

protected:
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void on_endButton_clicked();
    void on_restartButton_clicked();
    void on_actionOptions_triggered();

private:
    // Lets the tests compare the record with what the window shows.
    friend class MainWindowRecord;

    void fitToFont();
    void fitToScreen();
    void placeOnScreen(bool inMiddle);
    void fitPlayerArea();

    std::unique_ptr<Ui::MainWindow> form;
    FormScale *formScale;
    SlimScrollBarStyle *scrollBarStyle;
    QSize drawnSize;
    QRect drawnPlayerArea;
    // A player row's size, which grows with the font.
    QSize rowSize;
    // The least size that shows the title line, the buttons and one whole row.
    QSize leastSize;
    bool fitPending = false;
    // The frame the window was last fitted to the screen with.
    QMargins fittedFrame;
    Game game;
    bool titleAccepted = false;
};

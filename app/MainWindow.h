#pragma once

#include "game/Game.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}
class FormScale;

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

    void placeInMiddleOfScreen();
    qreal measureRow();
    void fitToFont(qreal factor);
    int barsHeight() const;
    void fitToScreen();
    void fitPlayerArea();

    std::unique_ptr<Ui::MainWindow> form;
    FormScale *formScale;
    QSize drawnSize;
    QRect drawnPlayerArea;
    // A player row's size, which grows with the font.
    QSize rowSize;
    // The least room a row's texts need.
    QSize rowLeast;
    // The least size that shows the title line, the buttons and one whole row.
    QSize leastSize;
    int scrollBarExtent = -1;
    // The frame the window was last fitted to the screen with.
    QMargins fittedFrame;
    Game game;
    bool titleAccepted = false;
};

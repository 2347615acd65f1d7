#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class addpointsDialog;
}
class FormScale;

// Asks for a number of points to add to a player; a negative number takes points away.
// It closes with Ok or Enter only for a whole number that the player's total can take;
// for anything else it stays open and says why beneath the field.
class addpointsDialog : public QDialog {
    Q_OBJECT

public:
    explicit addpointsDialog(QWidget *parent = nullptr);
    ~addpointsDialog() override;

    // Shows whose points these are, and keeps the sum with their total within the range
    // of an int.
    void setPlayer(const QString &name, int total);

    // The typed number, once the dialog has been accepted.
    int points() const;

    void accept() override;

private:
    QString refusal() const;
    void showReason(const QString &reason);
    void placeReason();

    std::unique_ptr<Ui::addpointsDialog> form;
    FormScale *formScale;
    int total = 0;
    // Where the reason, the buttons and the dialog's edge are drawn, without a reason
    // showing; and how far a reason's line moves the buttons down.
    QRect drawnReason;
    QRect drawnButtons;
    QSize drawnSize;
    int drawnLine;
};

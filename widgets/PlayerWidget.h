#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class PlayerWidget;
}

// One row of the player area: the player's name, their total and an "Add Points" button.
class PlayerWidget : public QWidget {
    Q_OBJECT

public:
    PlayerWidget(QWidget *parent, const QString &name);
    ~PlayerWidget() override;

    void resetPoints();

signals:
    // The row's name and the amount just added (not the new total).
    void addPoints(const QString &, int);

private slots:
    void on_addpointsButton_clicked();

private:
    std::unique_ptr<Ui::PlayerWidget> form;
};

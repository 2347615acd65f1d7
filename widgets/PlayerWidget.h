#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class PlayerWidget;
}
class FormScale;

// One row of the player area: the player's name, their total and an "Add Points" button.
class PlayerWidget : public QWidget {
    Q_OBJECT

public:
    PlayerWidget(QWidget *parent, const QString &name);
    ~PlayerWidget() override;

    void resetPoints();

    // The factor by which the row grows for its font (see FormScale), and one it grows at
    // least, so that every row of a list is as large as the largest need.
    qreal scale() const;
    void growAtLeast(qreal factor);
    // The least room the row's texts need: a "…" for the name, the longest total there is
    // and the button.
    QSize leastSize() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

signals:
    // The row's name and the amount just added (not the new total).
    void addPoints(const QString &, int);

private slots:
    void on_addpointsButton_clicked();

private:
    std::unique_ptr<Ui::PlayerWidget> form;
    FormScale *formScale;
};

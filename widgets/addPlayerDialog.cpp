#include "widgets/addPlayerDialog.h"

#include "ui_addPlayerDialog.h"
#include "widgets/FormScale.h"

addPlayerDialog::addPlayerDialog(QWidget *parent)
    : QDialog(parent), form(std::make_unique<Ui::addPlayerDialog>())
{
    form->setupUi(this);
    (new FormScale(this))->fit();
    // The buttons come first in the focus chain; typing goes to the field.
    form->nameEdit->setFocus();
}

addPlayerDialog::~addPlayerDialog() = default;

QString addPlayerDialog::name() const
{
    return form->nameEdit->text();
}

void addPlayerDialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        form->retranslateUi(this);
}

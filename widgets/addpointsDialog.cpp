#include "widgets/addpointsDialog.h"

#include "ui_addpointsDialog.h"
#include "widgets/FormScale.h"

addpointsDialog::addpointsDialog(QWidget *parent)
    : QDialog(parent), form(std::make_unique<Ui::addpointsDialog>())
{
    form->setupUi(this);
    (new FormScale(this))->fit();
    // The buttons come first in the focus chain; typing goes to the field.
    form->points->setFocus();
}

addpointsDialog::~addpointsDialog() = default;

int addpointsDialog::points() const
{
    return form->points->text().toInt();
}

#include "widgets/addpointsDialog.h"

#include "ui_addpointsDialog.h"

addpointsDialog::addpointsDialog(QWidget *parent)
    : QDialog(parent), form(std::make_unique<Ui::addpointsDialog>())
{
    form->setupUi(this);
}

addpointsDialog::~addpointsDialog() = default;

int addpointsDialog::points() const
{
    return form->points->text().toInt();
}

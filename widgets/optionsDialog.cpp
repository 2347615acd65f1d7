#include "widgets/optionsDialog.h"

#include "ui_optionsDialog.h"
#include "widgets/FormScale.h"

optionsDialog::optionsDialog(QWidget *parent, const QString &title)
    : QDialog(parent), form(std::make_unique<Ui::optionsDialog>())
{
    form->setupUi(this);
    (new FormScale(this))->fit();
    form->titleEdit->setText(title);
    // Typing replaces the title; an arrow key keeps it for editing.
    form->titleEdit->selectAll();
}

optionsDialog::~optionsDialog() = default;

QString optionsDialog::title() const
{
    return form->titleEdit->text();
}

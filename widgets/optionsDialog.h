#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class optionsDialog;
}

// Asks for the game title, starting from the current one.
class optionsDialog : public QDialog {
    Q_OBJECT

public:
    optionsDialog(QWidget *parent, const QString &title);
    ~optionsDialog() override;

    QString title() const;

private:
    std::unique_ptr<Ui::optionsDialog> form;
};

#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class addpointsDialog;
}

// Asks for a number of points to add to a player; a negative number takes points away.
class addpointsDialog : public QDialog {
    Q_OBJECT

public:
    explicit addpointsDialog(QWidget *parent = nullptr);
    ~addpointsDialog() override;

    // The typed number; 0 for text that is not a decimal number in the range of an int.
    int points() const;

private:
    std::unique_ptr<Ui::addpointsDialog> form;
};

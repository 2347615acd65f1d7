#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class addPlayerDialog;
}

// Asks for the name of a new player.
class addPlayerDialog : public QDialog {
    Q_OBJECT

public:
    explicit addPlayerDialog(QWidget *parent = nullptr);
    ~addPlayerDialog() override;

    // The name exactly as typed: not trimmed, possibly empty.
    QString name() const;

protected:
    void changeEvent(QEvent *e) override;

private:
    std::unique_ptr<Ui::addPlayerDialog> form;
};

#include "ModalAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

ModalAnswerer::ModalAnswerer(std::initializer_list<Step> steps, int boundMs)
    : steps(steps), deadline(boundMs), boundMs(boundMs)
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(1);
}

QStringList ModalAnswerer::problems() const
{
    QStringList all = problemList;
    if (!steps.empty())
        all << QStringLiteral("%1 dialog(s) did not come").arg(steps.size());
    return all;
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == previous) {
        if (!steps.empty() && deadline.hasExpired()) {
            problemList << QStringLiteral("%1 dialog(s) did not come within %2 ms")
                               .arg(steps.size())
                               .arg(boundMs);
            steps.clear();
        }
        return;
    }

    previous = modal;
    const QString name = modal->metaObject()->className();
    if (steps.empty()) {
        problemList << QStringLiteral("an unexpected %1").arg(name);
    } else {
        const Step step = steps.front();
        steps.pop_front();
        step(modal);
        if (modal->isVisible())
            problemList << QStringLiteral("a step left %1 open").arg(name);
    }
    if (modal->isVisible()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
    deadline.setRemainingTime(boundMs);
}

namespace answer {

namespace {
void press(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    if (QPushButton *button = box ? box->button(which) : nullptr)
        button->click();
}
} // namespace

ModalAnswerer::Step accept(const QString &text)
{
    return [text](QWidget *dialog) {
        if (auto *edit = dialog->findChild<QLineEdit *>())
            edit->setText(text);
        press(dialog, QDialogButtonBox::Ok);
    };
}

ModalAnswerer::Step cancel()
{
    return [](QWidget *dialog) {
        press(dialog, QDialogButtonBox::Cancel);
    };
}

ModalAnswerer::Step readMessage(QString *title, QString *text)
{
    return [title, text](QWidget *widget) {
        if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            *title = box->windowTitle();
            *text = box->text();
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
        }
    };
}

} // namespace answer

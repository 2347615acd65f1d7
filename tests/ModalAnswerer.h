#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Answers the modal dialogs that the code under test runs with exec(), one per step, in the
// order the steps were given. A step receives the active modal widget and should close it.
// So that a test never hangs on a dialog, one left open by its step, or one that comes when
// no step is left, is rejected; a step whose dialog does not come within the bound is given
// up. Each of these is one of problems(). Only one answerer may live at a time.
class ModalAnswerer : public QObject {
public:
    using Step = std::function<void(QWidget *)>;

    explicit ModalAnswerer(std::initializer_list<Step> steps, int boundMs = 5000);

    bool done() const { return steps.empty() && problemList.isEmpty(); }
    QStringList problems() const;

private:
    void poll();

    std::deque<Step> steps;
    QTimer timer;
    QDeadlineTimer deadline;
    QPointer<QWidget> previous;
    int boundMs;
    QStringList problemList;
};

// Fails the test unless every step was answered and every dialog closed.
#define VERIFY_ANSWERED(answerer)                                                                  \
    QVERIFY2((answerer).done(), qPrintable((answerer).problems().join("; ")))

// Steps for the usual answers.
namespace answer {
// Types the text into the dialog's line edit and presses Ok.
ModalAnswerer::Step accept(const QString &text);
// Presses Cancel.
ModalAnswerer::Step cancel();
// Notes a message box's title and text, then presses its Ok button.
ModalAnswerer::Step readMessage(QString *title, QString *text);
} // namespace answer

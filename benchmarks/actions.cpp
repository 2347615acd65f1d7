// Times the program's own work for each command at 10, 100 and 1,000 players, through the
// real window and its real dialogs. A dialog is answered as soon as it is shown, so no
// person's typing is counted: a figure starts when the dialog is accepted (or, without a
// dialog, when the button is clicked) and ends when the program has done its work.

#include "app/MainWindow.h"
#include "widgets/PlayerWidget.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// Answers every dialog once it is shown: the text goes into its field, then Ok is pressed.
class Answerer : public QObject {
public:
    QString text;
    Clock::time_point shown;
    Clock::time_point accepted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() != QEvent::Show || !dialog || !dialog->isWindow())
            return false;
        shown = Clock::now();
        QTimer::singleShot(0, dialog, [this, dialog] {
            if (auto *edit = dialog->findChild<QLineEdit *>())
                edit->setText(text);
            accepted = Clock::now();
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                box->button(QMessageBox::Ok)->click();
            else
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        return false;
    }
};

Answerer *answerer = nullptr;

// Carries out the layout work that the last command asked for.
void layOut()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

QPushButton *button(const QWidget &owner, const char *name)
{
    return owner.findChild<QPushButton *>(name);
}

int rowCount(const MainWindow &window)
{
    return window.findChild<QLayout *>("playerGrid")->count();
}

void addPlayers(MainWindow &window, int count)
{
    for (int i = 0, first = rowCount(window); i < count; ++i) {
        answerer->text = QStringLiteral("Player %1").arg(first + i);
        window.addPlayer();
    }
    layOut();
    QCoreApplication::processEvents();
}

// The window the timed commands work on; it must go before the application does.
std::unique_ptr<MainWindow> timedWindow;

// A shown window with about the given number of players, made anew once adding players has
// taken it 5% past that number.
MainWindow &windowWith(int players)
{
    static int made = -1;
    if (!timedWindow || made != players || rowCount(*timedWindow) > players + players / 20) {
        timedWindow.reset();
        answerer->text = QStringLiteral("Benchmark");
        timedWindow = std::make_unique<MainWindow>();
        timedWindow->show();
        addPlayers(*timedWindow, players);
        made = players;
    }
    return *timedWindow;
}

double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// From the accepted name to the new row laid out.
void addPlayer(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow &window = windowWith(int(state.range(0)));
        answerer->text = QStringLiteral("Newcomer %1").arg(rowCount(window));
        button(window, "addplayerButton")->click();
        layOut();
        state.SetIterationTime(seconds(Clock::now() - answerer->accepted));
    }
}

// From the accepted amount to the row's label and the record updated, for the last row,
// which the record finds last.
void addPoints(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow &window = windowWith(int(state.range(0)));
        PlayerWidget *last = window.findChildren<PlayerWidget *>().constLast();
        answerer->text = QStringLiteral("7");
        button(*last, "addpointsButton")->click();
        state.SetIterationTime(seconds(Clock::now() - answerer->accepted));
    }
}

// From the click to the winner's message box built and about to be shown.
void endGame(benchmark::State &state)
{
    for (auto _ : state) {
        QPushButton *end = button(windowWith(int(state.range(0))), "endButton");
        const Clock::time_point start = Clock::now();
        end->click();
        state.SetIterationTime(seconds(answerer->shown - start));
    }
}

// Gives every player a different total, as adding points through each row would, but
// without a dialog per row.
void scoreEveryone(MainWindow &window)
{
    int points = 0;
    for (PlayerWidget *row : window.findChildren<PlayerWidget *>()) {
        row->findChild<QLabel *>("points")->setText(QString::number(++points));
        window.addPoints(row->findChild<QLabel *>("nameLabel")->text(), points);
    }
    layOut();
}

// From the click to every row and total back at 0 and the layout done.
void restart(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow &window = windowWith(int(state.range(0)));
        scoreEveryone(window);
        QPushButton *restart = button(window, "restartButton");
        const Clock::time_point start = Clock::now();
        restart->click();
        layOut();
        state.SetIterationTime(seconds(Clock::now() - start));
    }
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return 0;
}

// Resident memory that 1,000 players add to a new window, per player.
void memoryPerPlayer(benchmark::State &state)
{
    const int players = int(state.range(0));
    for (auto _ : state) {
        answerer->text = QStringLiteral("Benchmark");
        MainWindow window;
        window.show();
        QCoreApplication::processEvents();
        const long before = residentKiB();
        addPlayers(window, players);
        state.counters["KiB_per_player"] = double(residentKiB() - before) / players;
    }
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(10)->Arg(100)->Arg(1000);
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark->Iterations(1)->Repetitions(31)->ReportAggregatesOnly(true);
    benchmark->ComputeStatistics(
        "max", [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); });
}

} // namespace

BENCHMARK(addPlayer)->Apply(sizes);
BENCHMARK(addPoints)->Apply(sizes);
BENCHMARK(endGame)->Apply(sizes);
BENCHMARK(restart)->Apply(sizes);
BENCHMARK(memoryPerPlayer)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Answerer dialogs;
    answerer = &dialogs;
    app.installEventFilter(&dialogs);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    timedWindow.reset();
    return 0;
}

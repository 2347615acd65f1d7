// Drives the main window through its real dialogs with a long random sequence of user
// actions and, after every step, compares the window and its record with a small model of
// the game kept here. VORRINTAL_SEED and VORRINTAL_STEPS choose the sequence; a failure
// names both, the step, and every action that led to it.

#include "Children.h"
#include "MainWindowRecord.h"
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "app/MainWindow.h"
#include "widgets/PlayerWidget.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

// What the game should be, in plain 64-bit arithmetic.
struct Model {
    QStringList names;                // in the order they were accepted
    std::vector<std::int64_t> totals; // each within the range of a 32-bit int
    QString title;                    // the last accepted title
    bool titleAccepted = false;

    // A whole number in base 10, optionally signed and surrounded by ASCII blanks, within
    // the range of a 32-bit int; nothing for any other text.
    static std::optional<std::int64_t> points(const QString &text)
    {
        const QString blanks = QStringLiteral(" \t\n\v\f\r");
        qsizetype begin = 0, end = text.size();
        while (begin < end && blanks.contains(text[begin]))
            ++begin;
        while (end > begin && blanks.contains(text[end - 1]))
            --end;
        bool negative = false;
        if (begin < end && (text[begin] == '+' || text[begin] == '-'))
            negative = text[begin++] == '-';
        if (begin == end || end - begin > 12)
            return std::nullopt;
        std::int64_t value = 0;
        for (qsizetype i = begin; i < end; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            value = value * 10 + (text[i].unicode() - '0');
        }
        value = negative ? -value : value;
        if (value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return value;
    }

    // Whether the amount typed can be added to the row's total: the total stays an int.
    bool takes(std::size_t row, const QString &text) const
    {
        const std::optional<std::int64_t> amount = points(text);
        return amount && totals[row] + *amount >= INT32_MIN && totals[row] + *amount <= INT32_MAX;
    }

    QString winnerMessage() const
    {
        QString winner = QStringLiteral("nobody...");
        std::int64_t best = 0;
        for (std::size_t i = 0; i < totals.size(); ++i) {
            if (totals[i] > best) {
                best = totals[i];
                winner = names[int(i)];
            }
        }
        return QStringLiteral("And the winner is...\n") + winner + QStringLiteral("!!!");
    }

    QString titleLine(const QString &placeholder) const
    {
        return titleAccepted ? title : placeholder;
    }
};

// Shortens long or unprintable texts for the action log.
QString shown(const QString &text)
{
    QString brief =
        text.size() > 40 ? text.left(20) + QStringLiteral("…(%1 chars)").arg(text.size()) : text;
    QString escaped;
    for (char32_t c : brief.toUcs4())
        escaped += QChar::isPrint(c) ? QString::fromUcs4(&c, 1)
                                     : QStringLiteral("\\u{%1}").arg(uint(c), 0, 16);
    return '"' + escaped + '"';
}

class Session {
public:
    explicit Session(quint32 seed) : random(seed) {}

    // Opens the window, answering its title dialog; empty on success, else the problem.
    QString open();
    // Takes one random action; empty on success, else what went wrong.
    QString step();
    // Compares the window and the record with the model.
    QString compare();

    QStringList log;

private:
    QString addPlayer(bool fromMenu, bool accept);
    QString addPoints(bool accept);
    QString endGame(bool fromMenu);
    QString restart(bool fromMenu);
    QString options(bool accept);
    QString changeLanguage();

    // Runs a command that opens the given dialogs one after another.
    QString run(const std::function<void()> &command, ModalAnswerer &answerer);

    QString name();
    QString pointsText();
    int below(int bound) { return int(random.bounded(quint32(bound))); }
    template <typename T> T pick(const QList<T> &list) { return list[below(int(list.size()))]; }

    QAction *action(const char *objectName) { return child<QAction>(*window, objectName); }
    QList<PlayerWidget *> rows() const;

    QRandomGenerator random;
    std::unique_ptr<MainWindow> window;
    Model model;
};

QString Session::run(const std::function<void()> &command, ModalAnswerer &answerer)
{
    command();
    if (!answerer.done())
        return answerer.problems().join("; ");
    if (QWidget *modal = QApplication::activeModalWidget())
        return QStringLiteral("a %1 is left open").arg(modal->metaObject()->className());
    return {};
}

QString Session::name()
{
    static const QStringList plain{"Ada", "bob", "Carol", "x", "Quiz Team 7"};
    static const QStringList letters{"Zoë",     "Jürgen", "Ñandú", "Łukasz",
                                     "Ярослав", "李雷",   "Ωmega"};
    static const QStringList emoji{"🎲", "🏆 Champs", "👩‍👩‍👧 family"};
    static const QStringList rightToLeft{"שרה", "علي", "team שלום 3"};
    static const QStringList markup{"<b>x</b>", "<img src=x>", "&amp;", "<i>open"};
    static const QStringList control{QStringLiteral("a\tb"), QStringLiteral("a\nb"),
                                     QString("a") + QChar(1) + "b", QString("a") + QChar(0) + "b",
                                     QString("del") + QChar(0x7f)};

    switch (below(12)) {
    case 0:
        return pick(letters);
    case 1:
        return pick(emoji);
    case 2:
        return pick(rightToLeft);
    case 3:
        return pick(markup);
    case 4:
        return pick(control);
    case 5:
        return below(4) == 0 ? QString() : QStringLiteral("   ");
    case 6:
        return (below(2) ? QStringLiteral(" ") : QString()) + pick(plain) + QStringLiteral(" ");
    case 7:
        return below(20) == 0 ? QString(10'000, QChar(u'a' + below(26))) : pick(plain);
    case 8: // an earlier name, exactly, in other letter case, or with a trailing blank
        if (!model.names.isEmpty()) {
            const QString earlier = pick(model.names);
            switch (below(3)) {
            case 0:
                return earlier;
            case 1:
                return earlier.isLower() ? earlier.toUpper() : earlier.toLower();
            default:
                return earlier + ' ';
            }
        }
        [[fallthrough]];
    default:
        return pick(plain) + QString::number(below(1000));
    }
}

QString Session::pointsText()
{
    static const QStringList odd{"+5",         " 7 ",
                                 "0",          "-0",
                                 "2147483647", "-2147483648",
                                 "2147483648", "-2147483649",
                                 "1.5",        "-0.5",
                                 "1e3",        "0x10",
                                 "ten",        "",
                                 "   ",        "\t9\n",
                                 "+-5",        "99999999999999"};
    switch (below(4)) {
    case 0:
        return pick(odd);
    case 1: // anywhere in the range, so that totals reach their limits
        return QString::number(qint32(random.generate()));
    default:
        return QString::number(below(41) - 20);
    }
}

QList<PlayerWidget *> Session::rows() const
{
    QList<PlayerWidget *> list;
    auto *grid = child<QLayout>(*window, "playerGrid");
    for (int i = 0; i < grid->count(); ++i)
        list << qobject_cast<PlayerWidget *>(grid->itemAt(i)->widget());
    return list;
}

QString Session::open()
{
    const bool accept = below(4) != 0;
    const QString title = name();
    log << (accept ? QStringLiteral("start, title %1").arg(shown(title))
                   : QStringLiteral("start, title cancelled"));
    ModalAnswerer answerer{accept ? answer::accept(title) : answer::cancel()};
    window = std::make_unique<MainWindow>();
    if (!answerer.done())
        return answerer.problems().join("; ");
    if (accept) {
        model.title = title;
        model.titleAccepted = true;
    }
    return {};
}

QString Session::step()
{
    const int roll = below(100);
    if (roll < 16)
        return addPlayer(false, roll != 0);
    if (roll < 24)
        return addPlayer(true, roll != 16);
    if (roll < 70)
        return model.names.isEmpty() ? addPlayer(false, true) : addPoints(roll < 62);
    if (roll < 76)
        return restart(roll < 73);
    if (roll < 86)
        return endGame(roll < 81);
    if (roll < 96)
        return options(roll < 93);
    return changeLanguage();
}

QString Session::addPlayer(bool fromMenu, bool accept)
{
    const QString typed = name();
    log << QStringLiteral("add player %1 via %2, %3")
               .arg(shown(typed), fromMenu ? "menu" : "button", accept ? "accepted" : "cancelled");
    const auto command = [&] {
        if (fromMenu)
            action("actionAdd_Player")->trigger();
        else
            child(*window, "addplayerButton")->click();
    };
    if (!accept) {
        ModalAnswerer answerer{answer::cancel()};
        return run(command, answerer);
    }
    if (model.names.contains(typed)) {
        QString title, text;
        ModalAnswerer answerer{answer::accept(typed), answer::readMessage(&title, &text)};
        if (QString problem = run(command, answerer); !problem.isEmpty())
            return problem;
        if (title != "Player Already Exists" ||
            text != "That player name already exists, please choose another.")
            return QStringLiteral("the duplicate was answered with %1: %2").arg(title, text);
        return {};
    }
    ModalAnswerer answerer{answer::accept(typed)};
    model.names << typed;
    model.totals.push_back(0);
    return run(command, answerer);
}

// A refused amount leaves the dialog open with its reason; the user then types another
// amount half the time, and gives up otherwise.
QString Session::addPoints(bool accept)
{
    const int index = below(int(model.names.size()));
    const auto row = std::size_t(index);
    const QString typed = pointsText();
    const bool refused = accept && !model.takes(row, typed);
    const QString correction = refused && below(2) ? QString::number(below(41) - 20) : QString();
    log << QStringLiteral("add %1 to row %2, %3%4")
               .arg(shown(typed))
               .arg(index)
               .arg(accept ? "accepted" : "cancelled",
                    correction.isNull() ? QString() : ", corrected to " + correction);
    const QList<PlayerWidget *> list = rows();
    if (index >= list.size())
        return QStringLiteral("row %1 is missing").arg(index);

    QString problem;
    const auto enter = [&](QWidget *dialog, const QString &text, bool refuse) {
        answer::accept(text)(dialog);
        const auto *reason = dialog->findChild<QLabel *>("reasonLabel");
        if (dialog->isVisible() != refuse || reason->isVisible() != refuse)
            problem = QStringLiteral("%1 was %2, expected it %3")
                          .arg(shown(text), dialog->isVisible() ? "refused" : "added",
                               refuse ? "refused with a reason" : "added");
    };
    ModalAnswerer answerer{[&](QWidget *dialog) {
        if (accept)
            enter(dialog, typed, refused);
        if (refused && problem.isEmpty() && !correction.isNull()) {
            const bool takesCorrection = model.takes(row, correction);
            enter(dialog, correction, !takesCorrection);
            if (takesCorrection)
                model.totals[row] += *Model::points(correction);
        }
        if (dialog->isVisible())
            answer::cancel()(dialog);
    }};
    if (accept && !refused)
        model.totals[row] += *Model::points(typed);
    const QString ran = run([&] { child(*list[index], "addpointsButton")->click(); }, answerer);
    return problem.isEmpty() ? ran : problem;
}

QString Session::endGame(bool fromMenu)
{
    log << QStringLiteral("end game via %1").arg(fromMenu ? "menu" : "button");
    QString title, text;
    ModalAnswerer answerer{answer::readMessage(&title, &text)};
    const QString problem = run(
        [&] {
            if (fromMenu)
                action("actionNew")->trigger();
            else
                child(*window, "endButton")->click();
        },
        answerer);
    if (!problem.isEmpty())
        return problem;
    if (title != "Winner!" || text != model.winnerMessage())
        return QStringLiteral("announced %1 %2, expected %3")
            .arg(shown(title), shown(text), shown(model.winnerMessage()));
    return {};
}

QString Session::restart(bool fromMenu)
{
    log << QStringLiteral("restart via %1").arg(fromMenu ? "menu" : "button");
    if (fromMenu)
        action("actionRestart")->trigger();
    else
        child(*window, "restartButton")->click();
    std::fill(model.totals.begin(), model.totals.end(), 0);
    if (QWidget *modal = QApplication::activeModalWidget())
        return QStringLiteral("a %1 is open").arg(modal->metaObject()->className());
    return {};
}

QString Session::options(bool accept)
{
    const QString typed = name();
    log << (accept ? QStringLiteral("options, title %1").arg(shown(typed))
                   : QStringLiteral("options, cancelled"));
    QString prefilled;
    ModalAnswerer answerer{[&](QWidget *dialog) {
        prefilled = dialog->findChild<QLineEdit *>()->text();
        (accept ? answer::accept(typed) : answer::cancel())(dialog);
    }};
    const QString problem = run([&] { action("actionOptions")->trigger(); }, answerer);
    if (!problem.isEmpty())
        return problem;
    if (prefilled != model.title)
        return QStringLiteral("\"Options\" showed %1, expected %2")
            .arg(shown(prefilled), shown(model.title));
    if (accept) {
        model.title = typed;
        model.titleAccepted = true;
    }
    return {};
}

QString Session::changeLanguage()
{
    log << QStringLiteral("language change");
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents(); // the language change is posted
    const QString translated = label(*window, "titleLabel");
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    const QString expected = model.titleLine(QStringLiteral("MainWindow|Game Title"));
    if (translated != expected)
        return QStringLiteral("while translated, the title line read %1, expected %2")
            .arg(shown(translated), shown(expected));
    return {};
}

QString Session::compare()
{
    const QList<PlayerWidget *> list = rows();
    if (list.size() != model.names.size())
        return QStringLiteral("%1 rows, expected %2").arg(list.size()).arg(model.names.size());
    Game &record = MainWindowRecord::of(*window);
    for (int i = 0; i < list.size(); ++i) {
        const QString name = label(*list[i], "nameLabel");
        const QString points = label(*list[i], "points");
        const QString expected = QString::number(model.totals[std::size_t(i)]);
        if (name != model.names[i])
            return QStringLiteral("row %1 is named %2, expected %3")
                .arg(i)
                .arg(shown(name), shown(model.names[i]));
        if (points != expected)
            return QStringLiteral("row %1 shows %2, expected %3").arg(i).arg(points, expected);
        const std::string key = model.names[i].toStdString();
        if (!record.hasPlayer(key))
            return QStringLiteral("the record has no player %1").arg(shown(model.names[i]));
        if (record.pointsOf(key) != model.totals[std::size_t(i)])
            return QStringLiteral("the record holds %1 for row %2, expected %3")
                .arg(record.pointsOf(key))
                .arg(i)
                .arg(expected);
    }
    const QString titleLine = label(*window, "titleLabel");
    if (titleLine != model.titleLine(QStringLiteral("Game Title")))
        return QStringLiteral("the title line reads %1").arg(shown(titleLine));
    if (window->windowTitle() != "Vorrintal")
        return QStringLiteral("the window is titled %1").arg(shown(window->windowTitle()));
    return {};
}

quint32 fromEnvironment(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class RandomizedTest : public QObject {
    Q_OBJECT

private slots:
    void randomSession();
};

void RandomizedTest::randomSession()
{
    const quint32 seed = fromEnvironment("VORRINTAL_SEED", 20261208);
    const quint32 steps = fromEnvironment("VORRINTAL_STEPS", 3000);
    Session session(seed);
    const auto report = [&](quint32 step, const QString &problem) {
        return QStringLiteral("seed %1, step %2 of %3: %4\nactions:\n  %5")
            .arg(seed)
            .arg(step)
            .arg(steps)
            .arg(problem, session.log.join("\n  "));
    };

    QString problem = session.open();
    if (problem.isEmpty())
        problem = session.compare();
    if (!problem.isEmpty())
        QFAIL(qPrintable(report(0, problem)));
    for (quint32 step = 1; step <= steps; ++step) {
        problem = session.step();
        if (problem.isEmpty())
            problem = session.compare();
        if (!problem.isEmpty())
            QFAIL(qPrintable(report(step, problem)));
    }
    qInfo("seed %u: %u steps passed", seed, steps);
}

QTEST_MAIN(RandomizedTest)
#include "tst_randomized.moc"

#include "game/Game.h"
#include "widgets/PlayerWidget.h"

#include <QLabel>
#include <QTest>

#include <climits>

namespace {
struct Addition {
    std::string name;
    int delta;
};
using Additions = std::vector<Addition>;
using Names = std::vector<std::string>;
} // namespace

Q_DECLARE_METATYPE(Additions)
Q_DECLARE_METATYPE(Names)

class GameTest : public QObject {
    Q_OBJECT

private slots:
    void winner_data();
    void winner();
    void names_data();
    void names();
    void staysWithinTheLimits_data();
    void staysWithinTheLimits();
    void unknownNameLeavesRecordUnharmed();
    void resetAllTellsEveryRow();
};

namespace {
void play(Game &game, const Names &players, const Additions &additions)
{
    for (const std::string &name : players)
        game.addPlayer(name, nullptr);
    for (const Addition &addition : additions)
        game.addPoints(addition.name, addition.delta);
}
} // namespace

void GameTest::winner_data()
{
    QTest::addColumn<Names>("players");
    QTest::addColumn<Additions>("additions");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no players") << Names{} << Additions{} << QByteArray("nobody...");
    QTest::newRow("all at 0") << Names{"A", "B"} << Additions{} << QByteArray("nobody...");
    QTest::newRow("0 and below") << Names{"A", "B"} << Additions{{"B", -3}}
                                 << QByteArray("nobody...");
    QTest::newRow("1 is enough") << Names{"A", "B"} << Additions{{"B", 1}} << QByteArray("B");
    QTest::newRow("highest wins") << Names{"A", "B", "C"}
                                  << Additions{{"A", 4}, {"B", 9}, {"C", -20}} << QByteArray("B");
    QTest::newRow("tie goes to the first added")
        << Names{"A", "B"} << Additions{{"B", 5}, {"A", 5}} << QByteArray("A");
    QTest::newRow("a later addition breaks the tie")
        << Names{"A", "B"} << Additions{{"A", 5}, {"B", 5}, {"B", 1}} << QByteArray("B");
    QTest::newRow("empty name") << Names{"", "B"} << Additions{{"", 2}, {"B", 1}} << QByteArray("");
    QTest::newRow("the top total stays on top")
        << Names{"A", "B"} << Additions{{"A", INT_MAX}, {"A", 1}, {"B", 1}} << QByteArray("A");
}

void GameTest::winner()
{
    QFETCH(Names, players);
    QFETCH(Additions, additions);
    QFETCH(QByteArray, expected);

    Game game;
    play(game, players, additions);
    QCOMPARE(QByteArray::fromStdString(game.winner()), expected);
    // Asking changes nothing.
    QCOMPARE(QByteArray::fromStdString(game.winner()), expected);
}

void GameTest::names_data()
{
    QTest::addColumn<Names>("players");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("found");

    QTest::newRow("same bytes") << Names{"Bo"} << QByteArray("Bo") << true;
    QTest::newRow("other letter case") << Names{"Bo"} << QByteArray("bo") << false;
    QTest::newRow("trailing blank") << Names{"Bo"} << QByteArray("Bo ") << false;
    QTest::newRow("leading blank") << Names{"Bo"} << QByteArray(" Bo") << false;
    QTest::newRow("prefix") << Names{"Bob"} << QByteArray("Bo") << false;
    QTest::newRow("second empty name") << Names{"A", ""} << QByteArray("") << true;
    QTest::newRow("first empty name") << Names{"A"} << QByteArray("") << false;
    QTest::newRow("letters beyond Latin-1")
        << Names{QString("Łukasz").toStdString()} << QString("Šukasz").toUtf8() << false;
    QTest::newRow("embedded NUL") << Names{std::string("a\0b", 3)} << QByteArray("a\0c", 3)
                                  << false;
}

void GameTest::names()
{
    QFETCH(Names, players);
    QFETCH(QByteArray, name);
    QFETCH(bool, found);

    Game game;
    play(game, players, {});
    const std::string key = name.toStdString();
    QCOMPARE(game.hasPlayer(key), found);
    const Player *player = game.findPlayer(key);
    QCOMPARE(player != nullptr, found);
    if (player)
        QCOMPARE(player->name(), key);
}

// A total never wraps round to the other end of the range: an addition that would carry it
// past a limit leaves it as it was.
void GameTest::staysWithinTheLimits_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected");

    QTest::newRow("take away from 0") << 0 << -7 << -7;
    QTest::newRow("up to the top") << INT_MAX - 1 << 1 << INT_MAX;
    QTest::newRow("down to the bottom") << INT_MIN + 1 << -1 << INT_MIN;
    QTest::newRow("past the top") << INT_MAX << 1 << INT_MAX;
    QTest::newRow("past the bottom") << INT_MIN << -1 << INT_MIN;
    QTest::newRow("top twice") << INT_MAX << INT_MAX << INT_MAX;
    QTest::newRow("bottom twice") << INT_MIN << INT_MIN << INT_MIN;
    QTest::newRow("bottom to top") << INT_MIN << INT_MAX << -1;
}

void GameTest::staysWithinTheLimits()
{
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(int, expected);

    Game game;
    play(game, {"A"}, {{"A", start}, {"A", delta}});
    QCOMPARE(game.pointsOf("A"), expected);
}

void GameTest::unknownNameLeavesRecordUnharmed()
{
    Game game;
    play(game, {"A", "B"}, {{"A", 3}, {"Zed", 50}, {"a", 50}});

    QCOMPARE(game.pointsOf("A"), 3);
    QCOMPARE(game.pointsOf("B"), 0);
    QCOMPARE(game.pointsOf("Zed"), 0);
    QVERIFY(!game.hasPlayer("Zed"));
    QCOMPARE(game.winner(), std::string("A"));
}

void GameTest::resetAllTellsEveryRow()
{
    Game empty;
    empty.resetAll();
    QCOMPARE(empty.winner(), std::string("nobody..."));

    PlayerWidget rowA(nullptr, "A");
    PlayerWidget rowB(nullptr, "B");
    Game game;
    game.setTitle("Final");
    game.addPlayer("A", &rowA);
    game.addPlayer("B", &rowB);
    play(game, {}, {{"A", 4}, {"B", -2}});
    for (PlayerWidget *row : {&rowA, &rowB})
        row->findChild<QLabel *>("points")->setText("9");

    game.resetAll();

    for (PlayerWidget *row : {&rowA, &rowB})
        QCOMPARE(row->findChild<QLabel *>("points")->text(), QString("0"));
    QCOMPARE(game.pointsOf("A"), 0);
    QCOMPARE(game.pointsOf("B"), 0);
    QCOMPARE(game.findPlayer("B")->widget(), &rowB);
    QCOMPARE(game.title(), std::string("Final"));
    QCOMPARE(game.winner(), std::string("nobody..."));
}

QTEST_MAIN(GameTest)
#include "tst_game.moc"

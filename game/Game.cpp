#include "game/Game.h"

#include "widgets/PlayerWidget.h"

bool Game::hasPlayer(const std::string &name)
{
    return findPlayer(name) != nullptr;
}

Player *Game::findPlayer(const std::string &name)
{
    for (m_cursor = m_players.begin(); m_cursor != m_players.end(); ++m_cursor) {
        if (m_cursor->name() == name)
            return &*m_cursor;
    }
    return nullptr;
}

int Game::pointsOf(const std::string &name)
{
    const Player *player = findPlayer(name);
    return player ? player->points() : 0;
}

void Game::addPoints(const std::string &name, int delta)
{
    if (Player *player = findPlayer(name))
        player->addPoints(delta);
}

void Game::addPlayer(std::string name, PlayerWidget *widget)
{
    m_players.emplace_back(std::move(name), widget);
}

void Game::resetAll()
{
    for (m_cursor = m_players.begin(); m_cursor != m_players.end(); ++m_cursor) {
        if (PlayerWidget *row = m_cursor->widget())
            row->resetPoints();
        m_cursor->resetPoints();
    }
}

std::string Game::winner()
{
    std::string result = "nobody...";
    int best = 0;
    for (m_cursor = m_players.begin(); m_cursor != m_players.end(); ++m_cursor) {
        if (m_cursor->points() > best) {
            result = m_cursor->name();
            best = m_cursor->points();
        }
    }
    return result;
}

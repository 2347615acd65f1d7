#pragma once

#include "game/Player.h"

#include <list>
#include <string>
#include <utility>

// The record of one game: its title and its players in the order they were added.
// Names and titles are UTF-8 byte strings; names are compared byte by byte.
class Game {
public:
    std::string title() const { return m_title; }
    void setTitle(std::string text) { m_title = std::move(text); }

    bool hasPlayer(const std::string &name);
    Player *findPlayer(const std::string &name);
    int pointsOf(const std::string &name);

    // Does nothing for a name that is not in the record, or where the total would leave the
    // range of an int.
    void addPoints(const std::string &name, int delta);
    // The caller makes sure that the name is not taken yet.
    void addPlayer(std::string name, PlayerWidget *widget);
    // Sets every row and every total back to 0; players and title stay.
    void resetAll();

    // The first player added with the highest total above 0, or "nobody...".
    std::string winner();

private:
    std::string m_title;
    std::list<Player> m_players;            // a list, so that pointers to entries stay valid
    std::list<Player>::iterator m_cursor{}; // where the last scan stopped
};

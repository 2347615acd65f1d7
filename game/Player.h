#pragma once

#include <string>

class PlayerWidget;

// One player of the game: a name, a running total and the row that shows it.
class Player {
public:
    Player(std::string name, PlayerWidget *widget);

    const std::string &name() const { return m_name; }
    int points() const { return m_points; }
    PlayerWidget *widget() const { return m_widget; }

    // Leaves the total as it is where the sum would not fit in an int.
    void addPoints(int delta);
    void resetPoints() { m_points = 0; }

private:
    std::string m_name;
    int m_points = 0;
    PlayerWidget *m_widget; // not owned: the row belongs to the main window
};

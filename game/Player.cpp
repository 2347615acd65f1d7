#include "game/Player.h"

#include "game/Points.h"

#include <utility>

Player::Player(std::string name, PlayerWidget *widget) : m_name(std::move(name)), m_widget(widget)
{
}

void Player::addPoints(int delta)
{
    if (const std::optional<int> sum = checkedSum(m_points, delta))
        m_points = *sum;
}

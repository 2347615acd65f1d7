#pragma once

#include "app/MainWindow.h"

// The record behind a window, which the tests compare with what the window shows.
class MainWindowRecord {
public:
    static Game &of(MainWindow &window) { return window.game; }
};

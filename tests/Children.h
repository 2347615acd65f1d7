#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

// Short ways to reach the named objects of a form.

inline QString label(const QWidget &owner, const char *name)
{
    return owner.findChild<QLabel *>(name)->text();
}

template <typename T = QPushButton> T *child(const QWidget &owner, const char *name)
{
    return owner.findChild<T *>(name);
}

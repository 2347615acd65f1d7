#include "app/SlimScrollBarStyle.h"

#include <QApplication>
#include <QStyleFactory>

// Based on the style the application runs with, which may differ from the desktop's own.
SlimScrollBarStyle::SlimScrollBarStyle(int extent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), extent(extent)
{
}

int SlimScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                    const QWidget *widget) const
{
    if (metric == PM_ScrollBarExtent)
        return extent;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

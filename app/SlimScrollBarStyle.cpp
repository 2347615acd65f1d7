#include "app/SlimScrollBarStyle.h"

SlimScrollBarStyle::SlimScrollBarStyle(int extent) : extent(extent) {}

int SlimScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                    const QWidget *widget) const
{
    if (metric == PM_ScrollBarExtent)
        return extent;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

#include "widgets/SlimScrollBarStyle.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace {

// WCAG's relative luminance and contrast ratio.
qreal luminance(const QColor &colour)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour on the way from the window's colour to its text's that first stands out from
// the window by the ratio: quiet, yet plain to see, in any palette.
QColor handleColour(const QPalette &palette, qreal ratio)
{
    const QColor back = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    for (int step = 1; step < 32; ++step) {
        const qreal t = step / 32.0;
        const QColor mixed = QColor::fromRgbF(back.redF() + t * (text.redF() - back.redF()),
                                              back.greenF() + t * (text.greenF() - back.greenF()),
                                              back.blueF() + t * (text.blueF() - back.blueF()));
        if (contrast(mixed, back) >= ratio)
            return mixed;
    }
    return text;
}

} // namespace

// Based on the style the application runs with, which may differ from the desktop's own.
SlimScrollBarStyle::SlimScrollBarStyle(QScrollBar *bar)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), scrollBar(bar)
{
    setParent(bar);
    bar->setStyle(this);
}

void SlimScrollBarStyle::setExtent(int width)
{
    if (width == extent)
        return;
    extent = width;
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(scrollBar, &change);
}

int SlimScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                    const QWidget *widget) const
{
    if (metric == PM_ScrollBarExtent)
        return extent;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

// The whole bar is the groove; the handle is as long as the share of the list in view. The
// base style finds the part under the pointer from these.
QRect SlimScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                         SubControl subControl, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    const bool vertical = bar->orientation == Qt::Vertical;
    const int length = vertical ? bar->rect.height() : bar->rect.width();
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    int handle = length;
    if (range > 0) {
        handle = int(length * qint64(bar->pageStep) / (range + bar->pageStep));
        handle =
            std::min(length, std::max(handle, pixelMetric(PM_ScrollBarSliderMin, bar, widget)));
    }
    const int start = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                              length - handle, bar->upsideDown);
    const auto span = [&](int from, int size) {
        return vertical ? QRect(bar->rect.left(), bar->rect.top() + from, bar->rect.width(), size)
                        : QRect(bar->rect.left() + from, bar->rect.top(), size, bar->rect.height());
    };
    switch (subControl) {
    case SC_ScrollBarGroove:
        return bar->rect;
    case SC_ScrollBarSlider:
        return span(start, handle);
    case SC_ScrollBarSubPage:
        return span(0, start);
    case SC_ScrollBarAddPage:
        return span(start + handle, length - start - handle);
    default:
        return QRect();
    }
}

void SlimScrollBarStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex *option, QPainter *painter,
                                            const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->fillRect(bar->rect, bar->palette.color(QPalette::Window));
    if (bar->maximum == bar->minimum)
        return;
    // Stronger under the pointer and while dragged, so that it shows it can be grabbed.
    const bool active = (bar->activeSubControls & SC_ScrollBarSlider) &&
                        (bar->state & (State_MouseOver | State_Sunken));
    const QRect handle = subControlRect(control, bar, SC_ScrollBarSlider, widget);
    const qreal radius = std::min(handle.width(), handle.height()) / 2.0 - 1;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(handleColour(bar->palette, active ? 4.5 : 3.2));
    painter->drawRoundedRect(QRectF(handle).adjusted(1, 1, -1, -1), radius, radius);
    painter->restore();
}

#pragma once

#include <QProxyStyle>

class QScrollBar;

// A scroll bar's style: the application's, with the bar at a given width and drawn plainly so
// that it can be seen at that width: no arrow buttons, a groove of the window's colour, and a
// handle that stands out from it by at least 3:1, as WCAG asks of a control, in light and dark
// palettes.
class SlimScrollBarStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Becomes the bar's style, and is owned by it.
    explicit SlimScrollBarStyle(QScrollBar *bar);

    // The bar takes a new width at once, as it would a new style.
    void setExtent(int width);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    QScrollBar *scrollBar;
    int extent = 0;
};

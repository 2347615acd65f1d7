#pragma once

#include <QProxyStyle>

// The application's style with scroll bars of a given width, drawn plainly so that they can be
// seen at that width: no arrow buttons, a groove of the window's colour, and a handle that
// stands out from it by at least 3:1, as WCAG asks of a control, in light and dark palettes.
class SlimScrollBarStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit SlimScrollBarStyle(int extent);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     const QPoint &position,
                                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    int extent;
};

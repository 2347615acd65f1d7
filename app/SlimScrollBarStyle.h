#pragma once

#include <QProxyStyle>

// The application's style with scroll bars of a given width.
class SlimScrollBarStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit SlimScrollBarStyle(int extent);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    int extent;
};

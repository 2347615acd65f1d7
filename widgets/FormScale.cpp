#include "widgets/FormScale.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// What a widget needs to show its content whole, as the layouts measure it.
QSize contentSize(const QWidget &widget)
{
    if (widget.layout())
        return widget.layout()->totalMinimumSize();
    QSize size = widget.minimumSizeHint();
    if (widget.minimumWidth() > 0)
        size.setWidth(widget.minimumWidth());
    if (widget.minimumHeight() > 0)
        size.setHeight(widget.minimumHeight());
    return size;
}

// A text field squeezed to its minimum width shows one letter; it keeps room for about ten.
// Its height need only hold a line of text within its frame, as the field draws it, not
// the style's padding around that.
void fitFieldsToText(const QWidget &form)
{
    for (auto *field : form.findChildren<QLineEdit *>()) {
        const QFontMetrics metrics = field->fontMetrics();
        field->setMinimumWidth(field->minimumSizeHint().width() +
                               9 * metrics.horizontalAdvance(QLatin1Char('x')));
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        const QMargins margins = field->textMargins();
        field->setMinimumHeight(metrics.height() + 2 + 2 * frame + margins.top() +
                                margins.bottom());
    }
}

} // namespace

FormScale::FormScale(QWidget *form, QWidget *container)
    : QObject(form), form(form), drawnSize(form->size())
{
    if (!container)
        container = form;
    for (auto *widget : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget->isWindow() ||
            (container->layout() && container->layout()->indexOf(widget) >= 0))
            continue;
        parts.push_back({widget, widget->geometry()});
    }
    form->installEventFilter(this);
}

void FormScale::setExtraNeed(std::function<qreal()> need)
{
    extraNeed = std::move(need);
}

void FormScale::setLeast(qreal factor)
{
    least = factor;
}

QSize FormScale::scaled(QSize drawn, qreal factor)
{
    return scaled(QRect(QPoint(0, 0), drawn), factor).size();
}

QRect FormScale::scaled(const QRect &drawn, qreal factor)
{
    const auto edge = [factor](int at) {
        return static_cast<int>(std::ceil(at * factor - 1e-9));
    };
    return QRect(
        QPoint(edge(drawn.left()), edge(drawn.top())),
        QPoint(edge(drawn.left() + drawn.width()) - 1, edge(drawn.top() + drawn.height()) - 1));
}

qreal FormScale::factorFor(QSize content, QSize drawn)
{
    return std::max(
        {1.0, qreal(content.width()) / drawn.width(), qreal(content.height()) / drawn.height()});
}

qreal FormScale::needed() const
{
    qreal factor = extraNeed ? extraNeed() : 1.0;
    for (const Part &part : parts) {
        // The player list scrolls: it needs no more room for more content.
        if (!part.widget || qobject_cast<const QAbstractScrollArea *>(part.widget))
            continue;
        factor = std::max(factor, factorFor(contentSize(*part.widget), part.drawn.size()));
    }
    return factor;
}

void FormScale::fit()
{
    fitPending = false;
    fitFieldsToText(*form);
    const qreal factor = std::max(least, needed());
    if (factor != current) {
        current = factor;
        for (const Part &part : parts) {
            if (part.widget)
                part.widget->setGeometry(scaled(part.drawn, factor));
        }
        form->resize(scaled(drawnSize, factor));
    }
    emit fitted(factor);
}

// A new font reaches the form's children after the form itself; fitting once the event
// loop runs again measures them all with it.
bool FormScale::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange) &&
        !fitPending) {
        fitPending = true;
        QMetaObject::invokeMethod(this, &FormScale::fit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

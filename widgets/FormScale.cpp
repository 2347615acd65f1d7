#include "widgets/FormScale.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
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

FormScale::FormScale(QWidget *form, QWidget *area)
    : QObject(form), form(form), container(area ? area : form), sizesForm(container == form)
{
    for (auto *widget : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (widget->isWindow() ||
            (container->layout() && container->layout()->indexOf(widget) >= 0))
            continue;
        parts.push_back({widget, widget->geometry()});
    }
    // A main window's central widget is drawn as wide as the window, and ends where its
    // lowest widget does.
    drawnSize =
        sizesForm ? form->size() : QSize(form->width(), container->childrenRect().bottom() + 1);
    if (sizesForm)
        form->installEventFilter(this);
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
    const auto ratio = [](int need, int has) {
        return has > 0 ? qreal(need) / has : 1.0;
    };
    return std::max(
        {1.0, ratio(content.width(), drawn.width()), ratio(content.height(), drawn.height())});
}

bool FormScale::changesFit(QEvent::Type change)
{
    return change == QEvent::FontChange || change == QEvent::StyleChange ||
           change == QEvent::LanguageChange || change == QEvent::LayoutDirectionChange;
}

qreal FormScale::needed() const
{
    qreal factor = 1;
    for (const Part &part : parts) {
        // The player list scrolls: it needs no more room for more content. A hidden widget
        // needs none, and one drawn empty holds nothing.
        if (!part.widget || part.widget->isHidden() || part.drawn.isEmpty() ||
            qobject_cast<const QAbstractScrollArea *>(part.widget))
            continue;
        factor = std::max(factor, factorFor(contentSize(*part.widget), part.drawn.size()));
    }
    return factor;
}

qreal FormScale::fit(qreal least)
{
    fitPending = false;
    fitFieldsToText(*form);
    const qreal factor = std::max(least, needed());
    if (factor != current || form->layoutDirection() != placedDirection) {
        current = factor;
        // A main window's central widget has its own size once shown; before, it takes the
        // size the window is then given.
        place(sizesForm || !container->isVisible() ? size() : container->size());
        if (sizesForm)
            form->resize(size());
    }
    emit fitted(factor);
    return factor;
}

void FormScale::place(QSize room)
{
    // The form's own margin on the right and at the bottom: the least of its widgets'.
    QSize margin = size();
    for (const Part &part : parts) {
        const QRect at = scaled(part.drawn, current);
        margin = margin.boundedTo(size() - QSize(at.right() + 1, at.bottom() + 1));
    }
    for (const Part &part : parts) {
        if (!part.widget)
            continue;
        QRect at = scaled(part.drawn, current);
        at.setRight(std::min(at.right(), room.width() - margin.width() - 1));
        at.setBottom(std::min(at.bottom(), room.height() - margin.height() - 1));
        // Right to left, the form is drawn mirrored.
        part.widget->setGeometry(
            QStyle::visualRect(form->layoutDirection(), QRect(QPoint(0, 0), room), at));
    }
    placedDirection = form->layoutDirection();
}

// A new font, style or language reaches the form's children in no set order, the form's
// own event among theirs; fitting once the event loop runs again measures them all with it.
bool FormScale::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form && changesFit(event->type()) && !fitPending) {
        fitPending = true;
        QTimer::singleShot(0, this, [this] { fit(); });
    }
    return QObject::eventFilter(watched, event);
}

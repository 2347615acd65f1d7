#include "widgets/LabelElider.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {
const QString ellipsis(QChar(0x2026));
}

LabelElider::LabelElider(QLabel *label) : QObject(label), label(label)
{
    keepRoomForEllipsis();
    label->installEventFilter(this);
}

bool LabelElider::isElided() const
{
    return label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width();
}

void LabelElider::keepRoomForEllipsis()
{
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(ellipsis) + label->width() -
                           label->contentsRect().width());
}

bool LabelElider::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != label)
        return false;
    switch (event->type()) {
    case QEvent::FontChange:
        keepRoomForEllipsis();
        return false;
    case QEvent::Paint: {
        if (!isElided())
            return false;
        // As the label draws its text, with the part that does not fit replaced.
        const QRect room = label->contentsRect();
        const QString shown =
            label->fontMetrics().elidedText(label->text(), Qt::ElideRight, room.width());
        // The "…" ends the text where it is read to, on the left of a right-to-left name,
        // whatever the window's direction: the text is laid out in its own.
        QPainter painter(label);
        painter.setLayoutDirection(shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        label->style()->drawItemText(
            &painter, room, QStyle::visualAlignment(label->layoutDirection(), label->alignment()),
            label->palette(), label->isEnabled(), shown, label->foregroundRole());
        return true;
    }
    case QEvent::ToolTip:
        if (!isElided() || !label->toolTip().isEmpty())
            return false;
        // A tool tip reads anything that looks like markup as markup, and wraps it: the
        // text goes in escaped, on one line, so that it shows exactly as typed.
        QToolTip::showText(
            static_cast<QHelpEvent *>(event)->globalPos(),
            QStringLiteral("<p style='white-space:pre'>%1</p>").arg(label->text().toHtmlEscaped()),
            label);
        return true;
    default:
        return false;
    }
}

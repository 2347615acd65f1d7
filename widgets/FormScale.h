#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class QWidget;

// Grows a form drawn at fixed pixel geometries when its font needs more room than the form
// was drawn with. The form's size and the geometry of every widget it places itself are
// multiplied by one factor: the least at which each of those widgets holds its content, or
// 1 while everything fits as drawn. Nothing is laid out afresh, so proportions and order
// stay. Right to left, the form is mirrored.
class FormScale : public QObject {
    Q_OBJECT

public:
    // The widgets the form places itself are the children of area, which is the form
    // itself unless it is a main window's central widget. A dialog follows a change of its
    // font, style, language or direction by itself, even while it is open. A main window
    // sizes itself around the area, and fits it from its own changeEvent().
    explicit FormScale(QWidget *form, QWidget *area = nullptr);

    qreal factor() const { return current; }
    // The room the form's widgets take at the factor.
    QSize size() const { return scaled(drawnSize, current); }

    // Sets the factor the font needs now, and at least least, for what the form's own widgets
    // do not show (a row of the main window's list); places the widgets at it, sizes a
    // dialog, and emits fitted(). Returns the factor.
    qreal fit(qreal least = 1);

    // Places the widgets at the factor within a room smaller than size(): each keeps its
    // drawn margin to the room's right and bottom edges, and gives way where it would cross it.
    void place(QSize room);

    // A size or rectangle as drawn, at the factor. Edges are scaled, so that widgets that
    // meet as drawn still meet.
    static QSize scaled(QSize drawn, qreal factor);
    static QRect scaled(const QRect &drawn, qreal factor);
    // The factor at which a drawn size holds content of the given size; 1 for a size drawn
    // empty, which cannot grow by any factor.
    static qreal factorFor(QSize content, QSize drawn);
    // Whether a form needs fitting again after the change: a new font, style, language or
    // direction.
    static bool changesFit(QEvent::Type change);

signals:
    void fitted(qreal factor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Part {
        QPointer<QWidget> widget;
        QRect drawn;
    };

    qreal needed() const;

    QWidget *form;
    QWidget *container;
    bool sizesForm;
    QSize drawnSize;
    std::vector<Part> parts;
    qreal current = 1;
    // Forms are drawn left to right.
    Qt::LayoutDirection placedDirection = Qt::LeftToRight;
    bool fitPending = false;
};

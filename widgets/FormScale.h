#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <vector>

class QWidget;

// Grows a form drawn at fixed pixel geometries when its font needs more room than the form
// was drawn with. The form's size and the geometry of every widget it places itself are
// multiplied by one factor: the least at which each of those widgets holds its content, or
// 1 while everything fits as drawn. Nothing is laid out afresh, so proportions and order
// stay. The form follows a change of its font or style, the desktop's included, and of its
// language while it is open. Right to left, the form is mirrored.
class FormScale : public QObject {
    Q_OBJECT

public:
    // The widgets the form places itself are the children of area, which is the form
    // itself unless it is a main window's central widget. A main window sizes itself around
    // that, from fitted(). fit() fits the form to its font first; afterwards the form
    // follows its font by itself.
    explicit FormScale(QWidget *form, QWidget *area = nullptr);

    qreal factor() const { return current; }
    // The room the form's widgets take at the factor.
    QSize size() const { return scaled(drawnSize, current); }

    // Another need the form's own widgets do not show, as a factor (a row's widest total).
    void setExtraNeed(std::function<qreal()> need);

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

public slots:
    // Sets the factor the font needs now, and emits fitted() with it.
    void fit();

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
    std::function<qreal()> extraNeed;
    qreal current = 1;
    // Forms are drawn left to right.
    Qt::LayoutDirection placedDirection = Qt::LeftToRight;
    bool fitPending = false;
};

#pragma once

#include <QObject>

class QLabel;

// Draws a label's text shortened with "…" at the end where the label is too narrow for it,
// and shows the whole text in a tool tip there. Only the drawing changes: the label's text,
// and so what screen readers read, stays whole.
class LabelElider : public QObject {
    Q_OBJECT

public:
    // The label owns the elider. It may then be made as narrow as "…".
    explicit LabelElider(QLabel *label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isElided() const;
    void keepRoomForEllipsis();

    QLabel *label;
};

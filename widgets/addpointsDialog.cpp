#include "widgets/addpointsDialog.h"

#include "game/Points.h"
#include "ui_addpointsDialog.h"
#include "widgets/FormScale.h"
#include "widgets/LabelElider.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QStyle>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

#include <algorithm>
#include <limits>

namespace {

// A whole number in the digits 0 to 9, of any length, with blanks around it where
// QString::toInt allows them: text that is a number, even where it is too large for an int.
bool isWholeNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("\\A[ \\t\\n\\v\\f\\r]*[+-]?[0-9]+[ \\t\\n\\v\\f\\r]*\\z"));
    return number.match(text).hasMatch();
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 cannot ask a screen reader to announce a text. It does tell of a
// notification as it shows, which Orca then reads out, so there the reason is one.
class ReasonAccessible : public QAccessibleWidget {
public:
    explicit ReasonAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const QLabel *>(object())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *reasonAccessible(const QString &, QObject *object)
{
    if (object->objectName() != QLatin1String("reasonLabel") ||
        !qobject_cast<addpointsDialog *>(object->parent()))
        return nullptr;
    return new ReasonAccessible(static_cast<QLabel *>(object));
}
#endif

} // namespace

addpointsDialog::addpointsDialog(QWidget *parent)
    : QDialog(parent), form(std::make_unique<Ui::addpointsDialog>())
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool reasonIsNotification = (QAccessible::installFactory(reasonAccessible), true);
    Q_UNUSED(reasonIsNotification);
#endif
    form->setupUi(this);
    drawnReason = form->reasonLabel->geometry();
    drawnButtons = form->buttonBox->geometry();
    drawnSize = size();
    // A reason's line: its height, and the gap between it and the field, which the buttons
    // then keep beneath it.
    drawnLine = drawnReason.height() + drawnReason.top() - form->widget->geometry().bottom() - 1;
    form->reasonLabel->hide();

    // The player's name stands out from the label before it; a long one gives way to the field.
    QFont bold = form->nameLabel->font();
    bold.setBold(true);
    form->nameLabel->setFont(bold);
    new LabelElider(form->nameLabel);

    formScale = new FormScale(this);
    connect(formScale, &FormScale::fitted, this, &addpointsDialog::placeReason);
    formScale->fit();

    // Once given, the reason follows the text, and goes as soon as the text can be added.
    connect(form->points, &QLineEdit::textChanged, this, [this] {
        if (!form->reasonLabel->isHidden())
            showReason(refusal());
    });
    // The buttons come first in the focus chain; typing goes to the field.
    form->points->setFocus();
}

addpointsDialog::~addpointsDialog() = default;

void addpointsDialog::setPlayer(const QString &name, int total)
{
    form->nameLabel->setText(name);
    //: The dialog's accessible description: whose points the amount is for.
    setAccessibleDescription(tr("Points for %1").arg(name));
    this->total = total;
}

int addpointsDialog::points() const
{
    return form->points->text().toInt();
}

// Ok and Enter close the dialog only for an amount that can be added. For any other, the
// dialog says why, and leaves the text selected for the user to correct.
void addpointsDialog::accept()
{
    const QString reason = refusal();
    if (reason.isEmpty()) {
        QDialog::accept();
        return;
    }
    // Shown afresh each time, so that a screen reader tells of it again.
    form->reasonLabel->hide();
    showReason(reason);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(form->points, reason);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&announcement);
#endif
    form->points->setFocus();
    form->points->selectAll();
}

// Why the typed text cannot be added to the total, or nothing where it can. What can be
// added is exactly what QString::toInt reads as a number, and then only up to the limits
// of an int for the sum.
QString addpointsDialog::refusal() const
{
    const QString text = form->points->text();
    bool isInt = false;
    const int amount = text.toInt(&isInt);
    if (isInt && checkedSum(total, amount))
        return {};
    if (!isInt && !isWholeNumber(text)) {
        //: Shown when the amount typed is not a whole number.
        return tr("Type a whole number in the digits 0 to 9, such as 5 or -3.");
    }

    // A number the total cannot take: the sum, or the number itself, is past a limit.
    constexpr qint64 highest = std::numeric_limits<int>::max();
    constexpr qint64 lowest = std::numeric_limits<int>::min();
    const bool upwards = isInt ? amount > 0 : !text.contains(QLatin1Char('-'));
    if (upwards) {
        //: Shown when the amount would take the total above the highest total there is.
        return tr("A total goes no higher than %1: add at most %2.")
            .arg(highest)
            .arg(std::min(highest, highest - total));
    }
    //: Shown when the amount would take the total below the lowest total there is.
    return tr("A total goes no lower than %1: take away at most %2.")
        .arg(lowest)
        .arg(std::min(-lowest, total - lowest));
}

void addpointsDialog::showReason(const QString &reason)
{
    form->reasonLabel->setText(reason);
    form->reasonLabel->setHidden(reason.isEmpty());
    placeReason();
}

// The reason shows in the buttons' place beneath the field, and moves them down by its line;
// a reason longer than its line moves them further. Without a reason, the dialog is as drawn.
void addpointsDialog::placeReason()
{
    const qreal factor = formScale->factor();
    const bool shown = !form->reasonLabel->isHidden();
    const int line = shown ? drawnLine : 0;
    QRect reason = FormScale::scaled(drawnReason, factor);
    const QRect buttons = FormScale::scaled(drawnButtons.translated(0, line), factor);
    const QSize size = FormScale::scaled(drawnSize + QSize(0, line), factor);
    int growth = 0;
    if (shown) {
        growth = std::max(0, form->reasonLabel->heightForWidth(reason.width()) - reason.height());
        reason.setHeight(reason.height() + growth);
    }
    // Right to left, the form is drawn mirrored.
    const QRect room(0, 0, size.width(), size.height() + growth);
    form->reasonLabel->setGeometry(QStyle::visualRect(layoutDirection(), room, reason));
    form->buttonBox->setGeometry(
        QStyle::visualRect(layoutDirection(), room, buttons.translated(0, growth)));
    resize(room.size());
}

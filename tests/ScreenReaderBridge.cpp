#include "ScreenReaderBridge.h"

#include <QAccessible>
#include <QObject>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace {

// A child of the plugin, which lives as long as the process: Qt 6.4 deletes the bridges it
// made when the application ends, and Qt 6.8 leaves them to the plugin.
class Listener : public QObject, public QAccessibleBridge {
public:
    explicit Listener(QObject *plugin) : QObject(plugin) {}

    void setRootObject(QAccessibleInterface *) override {}

    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            ScreenReaderBridge::spoken
                << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#else
        if (event->type() != QAccessible::ObjectShow)
            return;
        QAccessibleInterface *shown = event->accessibleInterface();
        if (shown && shown->role() == QAccessible::Notification)
            ScreenReaderBridge::spoken << shown->text(QAccessible::Name);
#endif
    }
};

} // namespace

QAccessibleBridge *ScreenReaderBridge::create(const QString &)
{
    return new Listener(this);
}

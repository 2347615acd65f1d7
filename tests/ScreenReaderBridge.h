#pragma once

#include <QAccessibleBridgePlugin>
#include <QStringList>

// Stands in for a screen reader. Qt hands every accessibility event to the bridges it has
// loaded, as it hands them to the desktop's accessibility bus; this one, linked into a test
// and imported with Q_IMPORT_PLUGIN(ScreenReaderBridge), keeps the texts that a screen
// reader speaks out unasked: announcements, and, with Qt before 6.8, which has none,
// notifications as they show.
class ScreenReaderBridge : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "ScreenReaderBridge.json")

public:
    QAccessibleBridge *create(const QString &key) override;

    // Everything spoken since the test last cleared it.
    static inline QStringList spoken;
};

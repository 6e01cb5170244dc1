#pragma once

#include <QFlags>
#include <QObject>
#include <QString>

// Component state: designing (shown in a design tool, not running) and loading
// (its design is being read). Kept on the object so any component can ask.
enum TComponentStateFlag {
    csLoading = 0x1,
    csDesigning = 0x2,
};
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TComponentState)

TComponentState ComponentState(const QObject *component);
void SetComponentState(QObject *component, TComponentState state);
inline bool IsDesigning(const QObject *c)
{
    return ComponentState(c).testFlag(csDesigning);
}
inline bool IsLoading(const QObject *c)
{
    return ComponentState(c).testFlag(csLoading);
}

// The owner's component of that name, searched through the owner's whole tree
// (a control's Qt parent may be a container rather than its owner).
QObject *FindComponent(const QObject *owner, const QString &name);

// "stem1", "stem2", ...: the first name no component of the owner has yet.
QString UniqueComponentName(const QObject *owner, const QString &stem);

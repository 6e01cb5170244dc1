#include "TComponent.h"

#include <QVariant>

namespace {
const char kStateProperty[] = "_componentState";
}

TComponentState ComponentState(const QObject *component)
{
    if (!component)
        return {};
    return TComponentState(component->property(kStateProperty).toInt());
}

void SetComponentState(QObject *component, TComponentState state)
{
    component->setProperty(kStateProperty, int(state));
}

QObject *FindComponent(const QObject *owner, const QString &name)
{
    if (!owner || name.isEmpty())
        return nullptr;
    return owner->findChild<QObject *>(name, Qt::FindChildrenRecursively);
}

QString UniqueComponentName(const QObject *owner, const QString &stem)
{
    for (int i = 1;; ++i) {
        const QString name = stem + QString::number(i);
        if (!FindComponent(owner, name))
            return name;
    }
}

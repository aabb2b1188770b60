#include "platform/componentowner.h"

#include <QObject>

void TComponentOwner::insertComponent(QObject *component)
{
    if (!component)
        return;
    for (const QPointer<QObject> &c : m_components)
        if (c == component)
            return;
    m_components.append(component);
}

void TComponentOwner::removeComponent(QObject *component)
{
    m_components.removeIf([component](const QPointer<QObject> &c) { return c.isNull() || c == component; });
}

QList<QObject *> TComponentOwner::components() const
{
    QList<QObject *> out;
    for (const QPointer<QObject> &c : m_components)
        if (c)
            out.append(c);
    return out;
}

QObject *TComponentOwner::findComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const QPointer<QObject> &c : m_components)
        if (c && c->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

bool TComponentOwner::isNameFree(const QString &name, const QObject *except) const
{
    QObject *found = findComponent(name);
    return !found || found == except;
}

QString TComponentOwner::uniqueName(const QString &stem) const
{
    for (int n = 1;; ++n) {
        const QString candidate = stem + QString::number(n);
        if (isNameFree(candidate))
            return candidate;
    }
}

bool TComponentOwner::setComponentName(QObject *component, const QString &name)
{
    if (!component)
        return false;
    if (!name.isEmpty() && !isNameFree(name, component))
        return false;
    insertComponent(component);
    component->setObjectName(name);
    return true;
}

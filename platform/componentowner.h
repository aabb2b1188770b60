#pragma once
#include <QList>
#include <QPointer>
#include <QString>

class QObject;

// The components that a form owns, by name. Qt's parent is the visual parent; ownership in
// the page's sense (a panel owned by the main window while it sits in a popup) is kept here.
// Names are unique without regard to case.
class TComponentOwner {
public:
    virtual ~TComponentOwner() = default;

    void insertComponent(QObject *component);
    void removeComponent(QObject *component);
    QList<QObject *> components() const;
    int componentCount() const { return components().size(); }

    QObject *findComponent(const QString &name) const;
    template <class T> T *findComponentAs(const QString &name) const { return qobject_cast<T *>(findComponent(name)); }

    bool isNameFree(const QString &name, const QObject *except = nullptr) const;
    // stem followed by the smallest whole number from 1 that no owned component has.
    QString uniqueName(const QString &stem) const;
    // Names the component (an empty name is always allowed); false when the name is taken.
    bool setComponentName(QObject *component, const QString &name);

private:
    QList<QPointer<QObject>> m_components;
};

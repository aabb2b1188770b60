#include "platform/accessiblecontrol.h"

#include "platform/graphiccontrol.h"

TAccessibleControl::TAccessibleControl(TGraphicControl *control) : QAccessibleWidget(control, QAccessible::Graphic) {}

QString TAccessibleControl::text(QAccessible::Text t) const
{
    auto *control = static_cast<TGraphicControl *>(widget());
    switch (t) {
    case QAccessible::Name: {
        QString name = control->accessibleName();
        if (name.isEmpty())
            name = control->property("Title").toString().remove(QLatin1Char('&'));
        const QString state = control->accessibleState();
        if (state.isEmpty())
            return name;
        return name.isEmpty() ? state : name + QStringLiteral(": ") + state;
    }
    case QAccessible::Description: {
        if (!control->accessibleDescription().isEmpty())
            return control->accessibleDescription();
        // A mark's content panel holds the explanation that its popup shows.
        if (const QObject *panel = control->property("RadioPanel").value<QObject *>())
            return panel->property("Lines").toStringList().join(QLatin1Char(' '));
        return {};
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessibleInterface *TAccessibleControl::factory(const QString &, QObject *object)
{
    if (auto *control = qobject_cast<TGraphicControl *>(object))
        return new TAccessibleControl(control);
    return nullptr;
}

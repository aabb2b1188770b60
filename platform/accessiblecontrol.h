#pragma once
#include <QAccessibleWidget>

class TGraphicControl;

// What a screen reader hears of a windowless control: its name (a highlight mark's title,
// a setting widget's label followed by its state in words) and a description (a mark's
// explanation lines).
class TAccessibleControl : public QAccessibleWidget {
public:
    explicit TAccessibleControl(TGraphicControl *control);
    QString text(QAccessible::Text t) const override;

    // Installed once by the application object.
    static QAccessibleInterface *factory(const QString &className, QObject *object);
};

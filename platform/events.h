#pragma once
// Callback shapes shared by every component: an unset callback is an empty std::function,
// and each is tested for presence before it is raised.
#include <QFlags>
#include <functional>

class QObject;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

using TNotifyEvent = std::function<void(QObject *sender)>;
using TMouseEvent = std::function<void(QObject *sender, TMouseButton button, TShiftState shift, int x, int y)>;

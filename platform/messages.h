#pragma once
#include <QEvent>

// The private message with which the instructions window starts the guided walk. It is sent
// synchronously (QCoreApplication::sendEvent), so the walk's first popup is open on return.
constexpr int StartWalkMessageNumber = 1186;
inline constexpr QEvent::Type StartWalkMessage = static_cast<QEvent::Type>(StartWalkMessageNumber);

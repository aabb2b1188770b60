#pragma once
#include <QList>
#include <QString>
#include <functional>

// Application-modal message boxes with the classic flag word and answer codes. Tests answer
// the boxes through setResponder(), so no box is ever left open in a headless run.
namespace MessageBoxFlags {
enum : unsigned {
    Ok = 0x0,
    OkCancel = 0x1,
    AbortRetryIgnore = 0x2,
    YesNoCancel = 0x3,
    YesNo = 0x4,
    RetryCancel = 0x5,
    IconError = 0x10,
    IconQuestion = 0x20,
    IconExclamation = 0x30,
    IconInformation = 0x40,
    DefButton2 = 0x100,
    DefButton3 = 0x200,
    SetForeground = 0x10000,
    TopMost = 0x40000,
};
}

namespace MessageBoxAnswer {
enum : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}

struct MessageBoxRequest {
    QString text;
    QString title;
    unsigned flags = 0;
};

class MessageBoxes {
public:
    using Responder = std::function<int(const MessageBoxRequest &)>;

    // Shows the box and returns the answer code; a box closed without a choice answers Cancel
    // (or Ok for a box that only has Ok).
    static int show(const QString &text, const QString &title, unsigned flags);

    static void setResponder(Responder responder);
    static bool hasResponder();
    // Every request made while a responder was installed, oldest first.
    static QList<MessageBoxRequest> &requests();
    // How many boxes are open right now (a nested loop runs while one is).
    static int openCount();
};

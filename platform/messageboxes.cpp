#include "platform/messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
MessageBoxes::Responder &responderSlot()
{
    static MessageBoxes::Responder responder;
    return responder;
}
int g_openCount = 0;

struct OpenGuard {
    OpenGuard() { ++g_openCount; }
    ~OpenGuard() { --g_openCount; }
};

int runQtBox(const QString &text, const QString &title, unsigned flags)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    if (flags & MessageBoxFlags::TopMost)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);

    switch (flags & 0xF0) {
    case MessageBoxFlags::IconError: box.setIcon(QMessageBox::Critical); break;
    case MessageBoxFlags::IconQuestion: box.setIcon(QMessageBox::Question); break;
    case MessageBoxFlags::IconExclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageBoxFlags::IconInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }

    struct Choice { QMessageBox::StandardButton button; int answer; };
    QList<Choice> choices;
    switch (flags & 0xF) {
    case MessageBoxFlags::OkCancel:
        choices = {{QMessageBox::Ok, MessageBoxAnswer::Ok}, {QMessageBox::Cancel, MessageBoxAnswer::Cancel}};
        break;
    case MessageBoxFlags::AbortRetryIgnore:
        choices = {{QMessageBox::Abort, MessageBoxAnswer::Abort}, {QMessageBox::Retry, MessageBoxAnswer::Retry},
                   {QMessageBox::Ignore, MessageBoxAnswer::Ignore}};
        break;
    case MessageBoxFlags::YesNoCancel:
        choices = {{QMessageBox::Yes, MessageBoxAnswer::Yes}, {QMessageBox::No, MessageBoxAnswer::No},
                   {QMessageBox::Cancel, MessageBoxAnswer::Cancel}};
        break;
    case MessageBoxFlags::YesNo:
        choices = {{QMessageBox::Yes, MessageBoxAnswer::Yes}, {QMessageBox::No, MessageBoxAnswer::No}};
        break;
    case MessageBoxFlags::RetryCancel:
        choices = {{QMessageBox::Retry, MessageBoxAnswer::Retry}, {QMessageBox::Cancel, MessageBoxAnswer::Cancel}};
        break;
    default:
        choices = {{QMessageBox::Ok, MessageBoxAnswer::Ok}};
        break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice &c : choices)
        buttons |= c.button;
    box.setStandardButtons(buttons);
    int defaultIndex = (flags & MessageBoxFlags::DefButton3) ? 2 : (flags & MessageBoxFlags::DefButton2) ? 1 : 0;
    if (defaultIndex >= choices.size())
        defaultIndex = 0;
    box.setDefaultButton(choices[defaultIndex].button);
    const bool hasCancel = std::any_of(choices.begin(), choices.end(),
                                       [](const Choice &c) { return c.answer == MessageBoxAnswer::Cancel; });
    box.setEscapeButton(hasCancel ? QMessageBox::Cancel : choices.front().button);

    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    for (const Choice &c : choices)
        if (clicked && clicked == box.button(c.button))
            return c.answer;
    return hasCancel ? MessageBoxAnswer::Cancel : choices.front().answer;
}
} // namespace

int MessageBoxes::show(const QString &text, const QString &title, unsigned flags)
{
    OpenGuard guard;
    if (responderSlot()) {
        MessageBoxRequest request{text, title, flags};
        requests().append(request);
        return responderSlot()(request);
    }
    return runQtBox(text, title, flags);
}

void MessageBoxes::setResponder(Responder responder)
{
    responderSlot() = std::move(responder);
}

bool MessageBoxes::hasResponder()
{
    return bool(responderSlot());
}

QList<MessageBoxRequest> &MessageBoxes::requests()
{
    static QList<MessageBoxRequest> list;
    return list;
}

int MessageBoxes::openCount()
{
    return g_openCount;
}

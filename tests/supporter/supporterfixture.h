#pragma once
// A small page for the supporter: a main window with a client area, a File and a Help menu,
// optionally board images, and the supporter it owns.
#include "components/boardimage.h"
#include "components/setupsupporter.h"
#include "platform/application.h"
#include "platform/componentowner.h"
#include "platform/menuitem.h"
#include "platform/messages.h"

#include <QEventLoop>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <functional>

namespace supporter_test {

// Counts the walk messages it receives; a board image by inheritance only.
class CountingBoardImage : public TBoardImage {
public:
    using TBoardImage::TBoardImage;
    int walks = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == StartWalkMessage)
            ++walks;
        return TBoardImage::event(e);
    }
};

struct TestPage : QMainWindow, TComponentOwner {
    explicit TestPage(const QString &fileCaption = QStringLiteral("&File"), bool withMenu = true)
    {
        setObjectName(QStringLiteral("MainForm"));
        client = new QWidget(this);
        setCentralWidget(client);
        setGeometry(100, 50, 855, 708);
        if (withMenu) {
            MainMenu1 = new TMainMenu(menuBar(), this);
            setComponentName(MainMenu1, QStringLiteral("MainMenu1"));
            File1 = new TMenuItem(this, fileCaption);
            MainMenu1->add(File1);
            Exit2 = new TMenuItem(this, QStringLiteral("&Exit"));
            File1->add(Exit2);
            Help1 = new TMenuItem(this, QStringLiteral("&Help"));
            MainMenu1->add(Help1);
        }
        SetSup = new TSetupSupporter(this);
        setComponentName(SetSup, QStringLiteral("SetSup"));
        // This program's page.
        SetSup->setCompanyName(QStringLiteral("Acme"));
        SetSup->setCardNameA(QStringLiteral("IO-96"));
        SetSup->setCardNameB(QStringLiteral("IO-96"));
        SetSup->setCallHow(QStringLiteral("weekdays 8-5 at 555-0100"));
        SetSup->setChannels(0);
        SetSup->setChangeButtons(true);
        if (TApplication *app = TApplication::instance())
            app->setMainForm(this);
    }

    QWidget *client = nullptr;
    TMainMenu *MainMenu1 = nullptr;
    TMenuItem *File1 = nullptr;
    TMenuItem *Exit2 = nullptr;
    TMenuItem *Help1 = nullptr;
    TSetupSupporter *SetSup = nullptr;
};

// Runs a real blocking loop (idle is the moment it is about to wait) until pred holds.
inline bool runUntil(const std::function<bool()> &pred, int timeoutMs = 3000)
{
    if (pred())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (pred())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return pred();
}

} // namespace supporter_test

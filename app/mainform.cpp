#include "app/mainform.h"

#include "app/page/boardpage.h"
#include "platform/application.h"

#include <QCloseEvent>

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    if (TApplication *app = TApplication::instance()) {
        if (!app->mainForm() || app->mainForm() == this)
            app->setMainForm(this);
        app->registerForm(this);
    }
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);

    BoardPage::build(this);
    FormCreate(this);
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate(QObject *)
{
}

void TMainForm::Exit2Click(QObject *)
{
    close();
}

void TMainForm::Howtousethisprogram1Click(QObject *)
{
}

void TMainForm::TechnicalSupport1Click(QObject *)
{
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, whatever secondary windows are still open.
    event->accept();
    QCoreApplication::quit();
}

#include "app/mainform.h"
#include "app/page/boardpage.h"
#include "platform/application.h"

int main(int argc, char *argv[])
{
    // The photograph decodes on a second thread while the application object starts up.
    BoardPage::prefetch();
    TApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Settings"));
    TMainForm form;
    form.showMaximized();
    return app.exec();
}

#include "app/mainform.h"
#include "platform/application.h"

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Settings"));
    TMainForm form;
    form.showMaximized();
    return app.exec();
}

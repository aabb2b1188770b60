#include "app/page/boardpage.h"

#include "app/mainform.h"
#include "components/boardimage.h"
#include "platform/colors.h"
#include "platform/menuitem.h"

#include <QFont>
#include <QMenuBar>

namespace {
template <class T> T *named(TMainForm *form, T *component, const char *name)
{
    form->setComponentName(component, QString::fromLatin1(name));
    return component;
}

void buildWindow(TMainForm *form)
{
    form->setWindowTitle(QStringLiteral("Setup"));
    // "MS Sans Serif" at 11 pixels; where the font is missing a sans-serif of that size stands in.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    form->setFont(font);
    QPalette palette = form->clientArea()->palette();
    palette.setColor(QPalette::Window, toQColor(0x00FFFFFF));
    palette.setColor(QPalette::WindowText, toQColor(TColors::WindowText));
    form->clientArea()->setPalette(palette);
    form->clientArea()->setAutoFillBackground(true);
    form->setGeometry(203, 250, 855, 708);
}

void buildMenu(TMainForm *form)
{
    form->MainMenu1 = named(form, new TMainMenu(form->menuBar(), form), "MainMenu1");
    form->File1 = named(form, new TMenuItem(form, QStringLiteral("&File")), "File1");
    form->MainMenu1->add(form->File1);
    form->Exit2 = named(form, new TMenuItem(form, QStringLiteral("&Exit")), "Exit2");
    form->Exit2->setOnClick([form](QObject *s) { form->Exit2Click(s); });
    form->File1->add(form->Exit2);
    form->Help1 = named(form, new TMenuItem(form, QStringLiteral("&Help")), "Help1");
    form->MainMenu1->add(form->Help1);
    form->Howtousethisprogram1 =
        named(form, new TMenuItem(form, QStringLiteral("H&ow to use this program")), "Howtousethisprogram1");
    form->Howtousethisprogram1->setOnClick([form](QObject *s) { form->Howtousethisprogram1Click(s); });
    form->Help1->add(form->Howtousethisprogram1);
    form->TechnicalSupport1 =
        named(form, new TMenuItem(form, QStringLiteral("&Technical Support")), "TechnicalSupport1");
    form->TechnicalSupport1->setOnClick([form](QObject *s) { form->TechnicalSupport1Click(s); });
    form->Help1->add(form->TechnicalSupport1);
}

void buildBoardImage(TMainForm *form)
{
    auto *image = named(form, new TBoardImage(form->clientArea()), "BoardImage1");
    form->BoardImage1 = image;
    image->setLoading(true);
    image->setBounds(126, 26, 600, 559);
    image->setAutoSize(false);
    image->picture()->loadJpegResource(QStringLiteral(":/page/boardphoto.jpg"));
    image->setStretch(true);
}
} // namespace

void BoardPage::build(TMainForm *form)
{
    buildWindow(form);
    buildBoardImage(form);
    buildMenu(form);
    // References to components made later in the page are set once the whole tree exists.
    form->BoardImage1->setMenu(form->MainMenu1);
    form->BoardImage1->loaded();
}

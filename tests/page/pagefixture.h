#pragma once
// The real board page, shown maximised on the offscreen screen and painted once, so that the
// marks have built their glyphs and menu entries.
#include "app/mainform.h"
#include "components/boardhighlight.h"
#include "components/boardimage.h"
#include "components/dipswitch.h"
#include "components/popupform.h"
#include "components/radiopanel.h"
#include "components/setupsupporter.h"
#include "components/threejumper.h"
#include "platform/application.h"

#include <QComboBox>
#include <QTest>
#include <memory>

struct ShownPage {
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
    ShownPage()
    {
        form->showMaximized();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("The main window was not shown on the screen.");
        QCoreApplication::processEvents();
        // The supporter builds its windows at the first idle moment; do it now.
        TApplication::instance()->setOnIdle(nullptr);
        form->SetSup->BuildSupport();
    }
    TMainForm *operator->() const { return form.get(); }
};

// Stack position 1 to 4 as each of the three widgets shows it (0 where it shows none).
inline int comboPosition(TMainForm *f)
{
    return f->ComboBox1->currentIndex() + 1;
}
inline int jumperPosition(TMainForm *f)
{
    if (f->Sel0Jumper->jumperState() == jsOpen || f->Sel1Jumper->jumperState() == jsOpen)
        return 0;
    return 1 + (f->Sel0Jumper->jumperState() == jsRight ? 1 : 0) + (f->Sel1Jumper->jumperState() == jsRight ? 2 : 0);
}
inline int dipPosition(TMainForm *f)
{
    const QString s = f->positionSwitch->binaryValueStr();
    if (s == "11") return 1;
    if (s == "01") return 2;
    if (s == "10") return 3;
    if (s == "00") return 4;
    return 0;
}

#include "app/mainform.h"

#include "app/page/boardpage.h"
#include "components/dipswitch.h"
#include "components/setupsupporter.h"
#include "components/threejumper.h"
#include "platform/application.h"
#include "platform/form.h"

#include <QCloseEvent>
#include <QComboBox>

namespace {
// One row per stack position: the combo index is the row, and the DIP value is the one the
// switch shows for it (bit 1 with SEL 1, bit 0 with SEL 2, a set bit for a jumper on its left pins).
struct StackRow {
    TJumperState sel1;
    TJumperState sel2;
    quint32 dipValue;
};
constexpr StackRow StackRows[4] = {
    {jsLeft, jsLeft, 3},
    {jsRight, jsLeft, 1},
    {jsLeft, jsRight, 2},
    {jsRight, jsRight, 0},
};

int rowForDipValue(quint32 value)
{
    for (int row = 0; row < 4; ++row)
        if (StackRows[row].dipValue == value)
            return row;
    return -1;
}
} // namespace

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

TMainForm::~TMainForm()
{
    if (TApplication *app = TApplication::instance())
        if (app->mainForm() == this)
            app->setOnIdle(nullptr);
}

void TMainForm::FormCreate(QObject *)
{
    if (TApplication *app = TApplication::instance(); app && SetSup) {
        TSetupSupporter *sup = SetSup;
        app->setOnIdle([sup](QObject *sender, bool &done) { sup->ApplicationIdle(sender, done); });
    }
}

void TMainForm::Exit2Click(QObject *)
{
    close();
}

void TMainForm::Howtousethisprogram1Click(QObject *)
{
    // Before the supporter's first idle moment the window does not exist yet; the command
    // then does nothing, as the user cannot reach the menu that early in practice.
    if (SetSup && SetSup->HelpForm() && !SetSup->HelpForm()->isVisible())
        SetSup->HelpForm()->showAndRaise();
}

void TMainForm::TechnicalSupport1Click(QObject *)
{
    if (SetSup && SetSup->TechForm() && !SetSup->TechForm()->isVisible())
        SetSup->TechForm()->showAndRaise();
}

void TMainForm::ComboBox1Change(QObject *)
{
    const int index = ComboBox1->currentIndex();
    if (index < 0 || index > 3)
        return;
    Sel0Jumper->setJumperState(StackRows[index].sel1);
    Sel1Jumper->setJumperState(StackRows[index].sel2);
    positionSwitch->setValue(StackRows[index].dipValue);
}

int TMainForm::jumperPosition() const
{
    return (Sel0Jumper->jumperState() == jsLeft ? 0 : 1) + (Sel1Jumper->jumperState() == jsLeft ? 0 : 2);
}

void TMainForm::SelJumperClick(QObject *)
{
    if (Sel0Jumper->jumperState() == jsOpen)
        Sel0Jumper->setJumperState(jsLeft);
    if (Sel1Jumper->jumperState() == jsOpen)
        Sel1Jumper->setJumperState(jsLeft);
    const int row = jumperPosition();
    ComboBox1->setCurrentIndex(row);
    positionSwitch->setValue(StackRows[row].dipValue);
}

void TMainForm::positionSwitchMouseDown(QObject *, TMouseButton, TShiftState, int, int)
{
    positionSwitch->setValue(positionSwitch->value() + 1);
    ComboBox1->setCurrentIndex(rowForDipValue(positionSwitch->value()));
    ComboBox1Change(ComboBox1);
}

void TMainForm::switchPanelEnter(QObject *)
{
    // The combo box shows the position that the jumpers show, so that the three widgets never
    // disagree; on the first showing that is Position 1.
    ComboBox1->setCurrentIndex(jumperPosition());
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, whatever secondary windows are still open.
    event->accept();
    QCoreApplication::quit();
}

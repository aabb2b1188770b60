#pragma once
#include "platform/componentowner.h"
#include "platform/events.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class TBoardHighlight;
class TBoardImage;
class TDipSwitch;
class TMainMenu;
class TMenuItem;
class TRadioPanel;
class TSetupSupporter;
class TThreeJumper;

// The program's one main window. The board page is built into it when it is created; the
// page's handlers are its methods.
class TMainForm : public QMainWindow, public TComponentOwner {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    QWidget *clientArea() const { return m_client; }

    // Page components, named as the page names them.
    TMainMenu *MainMenu1 = nullptr;
    TMenuItem *File1 = nullptr;
    TMenuItem *Exit2 = nullptr;
    TMenuItem *Help1 = nullptr;
    TMenuItem *Howtousethisprogram1 = nullptr;
    TMenuItem *TechnicalSupport1 = nullptr;
    TBoardImage *BoardImage1 = nullptr;
    TBoardHighlight *PCI104Highlight = nullptr;
    TBoardHighlight *PC104Highlight = nullptr;
    TBoardHighlight *header3highlight = nullptr;
    TBoardHighlight *header1highlight = nullptr;
    TBoardHighlight *dipSwitchHighlight = nullptr;
    TBoardHighlight *header2highlight = nullptr;
    TBoardHighlight *header4highlight = nullptr;
    TBoardHighlight *BoardHighlight1 = nullptr;
    TRadioPanel *PCI104Panel = nullptr;
    TRadioPanel *PC104Panel = nullptr;
    TRadioPanel *Header3Panel = nullptr;
    TRadioPanel *Header1Panel = nullptr;
    TRadioPanel *switchPanel = nullptr;
    TThreeJumper *Sel0Jumper = nullptr;
    TThreeJumper *Sel1Jumper = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    TDipSwitch *positionSwitch = nullptr;
    QComboBox *ComboBox1 = nullptr;
    TRadioPanel *Header2Panel = nullptr;
    TRadioPanel *Header4Panel = nullptr;
    TSetupSupporter *SetSup = nullptr;

    void FormCreate(QObject *sender);
    void Exit2Click(QObject *sender);
    void Howtousethisprogram1Click(QObject *sender);
    void TechnicalSupport1Click(QObject *sender);

    // Keep the combo box, the two selection jumpers and the DIP switch on one stack position.
    void ComboBox1Change(QObject *sender);
    void SelJumperClick(QObject *sender);
    void positionSwitchMouseDown(QObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void switchPanelEnter(QObject *sender);

    // The stack position (0 to 3) that the two jumpers show.
    int jumperPosition() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_client = nullptr;
};

#pragma once
#include "platform/componentowner.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class TBoardImage;
class TMainMenu;
class TMenuItem;

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

    void FormCreate(QObject *sender);
    void Exit2Click(QObject *sender);
    void Howtousethisprogram1Click(QObject *sender);
    void TechnicalSupport1Click(QObject *sender);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_client = nullptr;
};

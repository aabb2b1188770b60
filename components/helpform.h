#pragma once
#include "platform/form.h"

#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;

// What the instructions text says depends on these few things of the page.
struct TInstructionsOptions {
    QString companyName;
    QString cardName;
    bool series = true;       // " Series" after the card name
    bool multiPort = false;   // the note about repeating the setup for each option group
    bool listsCards = false;  // the sentence that points to the cards window
};

// The instructions window: a heading, the instructions as rich text, and the Start button that
// hides the window and starts the guided walk at the main window's board image.
class THelpForm : public TForm {
    Q_OBJECT
public:
    THelpForm(QWidget *owner, const TInstructionsOptions &options, QSize screenSize);

    QTextEdit *HelpRich = nullptr;
    QLabel *HelpLabel = nullptr;
    QPushButton *StartButton = nullptr;

    void StartButtonClick(QObject *sender);

    QByteArray instructionsRtf() const { return m_rtf; }

    // The instructions document, piece by piece.
    static QByteArray instructionsText(const TInstructionsOptions &options);
    // How much the window grows on a large screen: never below 1.
    static double screenFactor(QSize screenSize);
    // The client size for a screen: 305 x 138 scaled by the screen factor.
    static QSize clientSizeFor(QSize screenSize);

    static constexpr int BaseClientWidth = 305;
    static constexpr int BaseClientHeight = 138;
    bool centredOnce() const { return m_centred; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void centreOverOwner();

    QByteArray m_rtf;
    bool m_centred = false;
};

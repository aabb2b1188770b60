#include "components/helpform.h"

#include "components/boardimage.h"
#include "platform/anchors.h"
#include "platform/application.h"
#include "platform/colors.h"
#include "platform/messages.h"
#include "platform/rtfreader.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <cmath>

namespace {
constexpr int RichTop = 24;
constexpr int RichHeight = 73;
constexpr int ButtonTop = 105;
constexpr int ButtonWidth = 173;
constexpr int ButtonHeight = 25;
constexpr int BelowButton = 8;

// Halves go to the even neighbour.
int roundEven(double v)
{
    return int(std::nearbyint(v));
}

void name(TForm *form, QObject *member, const char *n)
{
    form->setComponentName(member, QString::fromLatin1(n));
}
} // namespace

THelpForm::THelpForm(QWidget *owner, const TInstructionsOptions &options, QSize screenSize)
    : TForm(owner, Style::Normal, true), m_rtf(instructionsText(options))
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Instructions for Settings utility"));

    HelpLabel = new QLabel(QStringLiteral("How to use this program"), this);
    name(this, HelpLabel, "HelpLabel");
    QFont labelFont(QStringLiteral("Verdana"));
    labelFont.setStyleHint(QFont::SansSerif);
    labelFont.setPointSize(12);
    labelFont.setBold(true);
    HelpLabel->setFont(labelFont);
    HelpLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    HelpRich = new QTextEdit(this);
    name(this, HelpRich, "HelpRich");
    HelpRich->setReadOnly(true);
    HelpRich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpRich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette richPalette = HelpRich->palette();
    richPalette.setColor(QPalette::Base, toQColor(0x00DDDDDD));
    HelpRich->setPalette(richPalette);
    TRtfReader::read(m_rtf, HelpRich->document());
    // Filling the document carries the view's cursor to the end; the reader starts at the title.
    HelpRich->moveCursor(QTextCursor::Start);
    HelpRich->setGeometry(0, RichTop, BaseClientWidth, RichHeight);

    StartButton = new QPushButton(QStringLiteral("Start"), this);
    name(this, StartButton, "StartButton");
    StartButton->setGeometry(0, ButtonTop, ButtonWidth, ButtonHeight);
    StartButton->setDefault(true);
    connect(StartButton, &QPushButton::clicked, this,
            [this] { TApplication::guarded([this] { StartButtonClick(StartButton); }); });
    setTabOrder(StartButton, HelpRich);
    StartButton->setFocus();

    // The label sits on the top edge across the width, as high as its text.
    resize(BaseClientWidth, height());
    HelpLabel->setGeometry(0, 0, BaseClientWidth, HelpLabel->sizeHint().height());
    fitClientToControls();
    setClientSize(width(), height() + BelowButton);
    StartButton->move((width() - ButtonWidth) / 2, ButtonTop);

    // Grow for the screen; the text view stretches and the button keeps its distance to the
    // bottom and stays centred, as its anchors will keep them from here on.
    const QSize base = size();
    const QSize scaled = clientSizeFor(screenSize);
    const int dw = scaled.width() - base.width();
    const int dh = scaled.height() - base.height();
    setClientSize(scaled.width(), scaled.height());
    HelpLabel->setGeometry(0, 0, scaled.width(), HelpLabel->height());
    HelpRich->setGeometry(HelpRich->x(), HelpRich->y(), HelpRich->width() + dw, HelpRich->height() + dh);
    StartButton->move((scaled.width() - ButtonWidth) / 2, StartButton->y() + dh);

    TAnchorHelper::setAnchors(HelpLabel, akLeft | akTop | akRight);
    TAnchorHelper::setAnchors(HelpRich, akLeft | akTop | akRight | akBottom);
    TAnchorHelper::setAnchors(StartButton, akBottom);
}

double THelpForm::screenFactor(QSize screenSize)
{
    const double f = std::min(screenSize.width() / 800.0, screenSize.height() / 450.0);
    return f < 1.0 ? 1.0 : f;
}

QSize THelpForm::clientSizeFor(QSize screenSize)
{
    const double f = screenFactor(screenSize);
    return QSize(roundEven(BaseClientWidth * f), roundEven(BaseClientHeight * f));
}

QByteArray THelpForm::instructionsText(const TInstructionsOptions &o)
{
    const QByteArray crlf("\r\n");
    const QByteArray card = o.cardName.toLatin1();
    QByteArray t;
    t += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
         "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
         "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0";
    t += crlf;
    t += "{\\b ";
    t += o.companyName.toLatin1();
    t += " ";
    t += card;
    if (o.series)
        t += " Series";
    t += " Settings Program}\\par\\par\\fs24" + crlf;
    t += "This program will help you configure the option jumpers and settings associated with this product. "
         "You should have the product in-hand when first using this program.\\par\\par" + crlf;
    t += "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par" + crlf;
    t += "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional "
         "features of the product family.\\par\\par" + crlf;
    t += "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
         "controlling the hardware device. Run this settings program again once the card is installed. ";
    t += "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
         "{\\cf3 calibration circles}.\\par\\par" + crlf;
    t += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
         "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. ";
    t += "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par" + crlf;
    if (o.multiPort) {
        t += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration options "
             "for each port are handled identically; ";
        t += "this program only shows the setup once, but you need to perform this setup for each group of options "
             "on your device.\\par\\par" + crlf;
    }
    if (o.listsCards) {
        t += "To see a list of " + card + " cards installed, click \"Display " + card +
             " Cards Installed\" under the File menu.\\par\\par" + crlf;
    }
    t += "}";
    return t;
}

void THelpForm::StartButtonClick(QObject *)
{
    hide();
    QWidget *owner = parentWidget();
    if (!owner)
        return;
    // The main window's controls sit in its client area, which for a QMainWindow is the
    // central widget. Here alone a board image is recognised by inheritance.
    QWidget *client = owner;
    if (auto *main = qobject_cast<QMainWindow *>(owner); main && main->centralWidget())
        client = main->centralWidget();
    for (QObject *child : client->children()) {
        if (auto *image = qobject_cast<TBoardImage *>(child)) {
            QEvent message(StartWalkMessage);
            QCoreApplication::sendEvent(image, &message);
            return;
        }
    }
}

void THelpForm::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        centreOverOwner();
    }
    TForm::showEvent(event);
}

void THelpForm::centreOverOwner()
{
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner)
        return;
    const QRect main = owner->frameGeometry();
    const QRect self = frameGeometry();
    setOuterPos(main.left() + (main.width() - self.width()) / 2, main.top() + (main.height() - self.height()) / 2);
}

void THelpForm::keyPressEvent(QKeyEvent *event)
{
    // Start is both the default and the cancel button, except while the text view has focus.
    const int key = event->key();
    const bool pressesStart = key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (pressesStart && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        if (focusWidget() != HelpRich) {
            StartButton->click();
            event->accept();
            return;
        }
    }
    TForm::keyPressEvent(event);
}

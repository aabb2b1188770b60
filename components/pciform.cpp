#include "components/pciform.h"

#include "platform/anchors.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int ButtonWidth = 73;
}

TPCIForm::TPCIForm(QWidget *owner, const QString &cardName) : TForm(owner, Style::Normal, true)
{
    setObjectName(QStringLiteral("PCIForm"));
    setWindowTitle(cardName + QStringLiteral(" Cards installed"));

    PCIMemo = new QPlainTextEdit(this);
    setComponentName(PCIMemo, QStringLiteral("PCIMemo"));
    PCIMemo->setReadOnly(true);
    PCIMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    PCIMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont memoFont(QStringLiteral("Tahoma"));
    memoFont.setStyleHint(QFont::SansSerif);
    memoFont.setPointSize(10);
    memoFont.setBold(true);
    PCIMemo->setFont(memoFont);
    PCIMemo->setGeometry(8, 8, 305, 89);

    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    setComponentName(CloseButton, QStringLiteral("CloseButton"));
    // Centred on the new window's width, and left there by the fit: it ends at 115, not centred.
    CloseButton->setGeometry((NewWindowWidth - ButtonWidth) / 2, 105, ButtonWidth, 25);
    setTabOrder(CloseButton, PCIMemo);
    CloseButton->setFocus();

    fitClientToControls();
    TAnchorHelper::setAnchors(PCIMemo, akLeft | akTop | akRight | akBottom);
    TAnchorHelper::setAnchors(CloseButton, akBottom);
}

QStringList TPCIForm::lines() const
{
    const QString text = PCIMemo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TPCIForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && focusWidget() != PCIMemo) {
        CloseButton->click();
        event->accept();
        return;
    }
    TForm::keyPressEvent(event);
}

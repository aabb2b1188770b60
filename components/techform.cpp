#include "components/techform.h"

#include "platform/anchors.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int ButtonWidth = 73;
}

TTechForm::TTechForm(QWidget *owner, const QString &companyName, const QString &callHow)
    : TForm(owner, Style::Normal, true)
{
    setObjectName(QStringLiteral("TechForm"));
    setWindowTitle(QStringLiteral("Technical Support"));

    TechMemo = new QPlainTextEdit(this);
    setComponentName(TechMemo, QStringLiteral("TechMemo"));
    TechMemo->setReadOnly(true);
    TechMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TechMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TechMemo->setGeometry(8, 8, 305, 89);
    // A memo keeps lines, not line ends: the CR LF pairs become line breaks.
    TechMemo->setPlainText(supportText(companyName, callHow).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    setComponentName(CloseButton, QStringLiteral("CloseButton"));
    CloseButton->setGeometry(165, 105, ButtonWidth, 25);
    setTabOrder(CloseButton, TechMemo);
    CloseButton->setFocus();

    fitClientToControls();
    CloseButton->move((width() - ButtonWidth) / 2, CloseButton->y());
    TAnchorHelper::setAnchors(TechMemo, akLeft | akTop | akRight | akBottom);
    TAnchorHelper::setAnchors(CloseButton, akBottom);
}

QString TTechForm::supportText(const QString &companyName, const QString &callHow)
{
    return QStringLiteral("There are several ways to get technical support. First and fastest is to skim the "
                          "relevant sections of the manual. However, some questions require personal assistance, "
                          "and ") +
           companyName + QStringLiteral(" stands ready to provide that help. You can call us ") + callHow +
           QStringLiteral(" for any of your product questions.") + QStringLiteral("\r\n\r\n") +
           QStringLiteral("In order to provide the best and fastest support possible, we ask that you be at your "
                          "computer when you call, and have the ") +
           companyName + QStringLiteral(" product manual and Quellmark CD at hand.");
}

QString TTechForm::memoText() const
{
    return TechMemo->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TTechForm::keyPressEvent(QKeyEvent *event)
{
    // Close is the cancel button, except while the memo has the focus.
    if (event->key() == Qt::Key_Escape && focusWidget() != TechMemo) {
        CloseButton->click();
        event->accept();
        return;
    }
    TForm::keyPressEvent(event);
}

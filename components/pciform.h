#pragma once
#include "platform/form.h"

class QPlainTextEdit;
class QPushButton;

// The cards window: one line per installed card the page could describe, or "No Card Found".
class TPCIForm : public TForm {
    Q_OBJECT
public:
    TPCIForm(QWidget *owner, const QString &cardName);

    QPlainTextEdit *PCIMemo = nullptr;
    QPushButton *CloseButton = nullptr;

    // The memo's lines, in order.
    QStringList lines() const;

    // The outer width a new window has before anything sizes it; the button is placed by it.
    static constexpr int NewWindowWidth = 320;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

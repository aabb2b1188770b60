#pragma once
#include "platform/form.h"

class QPlainTextEdit;
class QPushButton;

// The technical-support window: how to reach the maker, and a Close button.
class TTechForm : public TForm {
    Q_OBJECT
public:
    TTechForm(QWidget *owner, const QString &companyName, const QString &callHow);

    QPlainTextEdit *TechMemo = nullptr;
    QPushButton *CloseButton = nullptr;

    // The memo's whole text, lines joined by CR LF.
    static QString supportText(const QString &companyName, const QString &callHow);
    QString memoText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

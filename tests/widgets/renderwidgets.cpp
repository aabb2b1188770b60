// Renders the DIP switch and the three-pin jumper in every orientation and state into one
// picture, for a person to look at: renderwidgets <out.png>
#include "components/dipswitch.h"
#include "components/radiopanel.h"
#include "components/threejumper.h"
#include "platform/application.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

namespace {
const TOrientationType kOrientations[] = {otUp, otDown, otLeft, otRight};
const char *kOrientationNames[] = {"otUp", "otDown", "otLeft", "otRight"};
constexpr int kScale = 4;
constexpr int kCell = 70;
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("widgets.png");

    TRadioPanel panel;
    panel.setColor(0x8000000F);
    panel.resize(4 * kCell + 10, 8 * kCell);
    panel.setVisible(true);

    // Row 0..3: DIP switch with values 0, 5 (three switches), 3 and 2 (two switches, as on the page).
    struct DipCase { int count; quint32 value; };
    const DipCase dips[] = {{3, 0}, {3, 5}, {2, 3}, {2, 2}};
    QList<TGraphicControl *> controls;
    int row = 0;
    for (const DipCase &c : dips) {
        for (int col = 0; col < 4; ++col) {
            auto *dip = new TDipSwitch(&panel);
            const bool small = c.count == 2;
            dip->setBounds(5 + col * kCell, 5 + row * kCell, small ? 33 : 53, small ? 33 : 43);
            dip->setOrientation(kOrientations[col]);
            dip->setNumSwitches(c.count);
            dip->setValue(c.value);
            dip->show();
            controls << dip;
        }
        ++row;
    }
    // Rows 4..7: jumper open, left, right, and left without the base outline.
    const TJumperState states[] = {jsOpen, jsLeft, jsRight, jsLeft};
    for (int s = 0; s < 4; ++s) {
        for (int col = 0; col < 4; ++col) {
            auto *jumper = new TThreeJumper(&panel);
            jumper->setBounds(5 + col * kCell, 5 + row * kCell, 43, 18);
            jumper->setJumperState(states[s]);
            if (s == 3)
                jumper->setBorderStyle(bsNone);
            jumper->show();
            controls << jumper;
        }
        ++row;
    }
    panel.show();
    if (!QTest::qWaitForWindowExposed(&panel))
        return 1;
    QTest::qWait(50);
    // Turned after the first paint, so that sideways ones exchange width and height as on screen.
    for (int i = 16; i < controls.size(); ++i)
        static_cast<TThreeJumper *>(controls[i])->setOrientation(kOrientations[i % 4]);
    QTest::qWait(100);

    const QImage shot = panel.grab().toImage();
    QImage big(shot.width() * kScale + 120, shot.height() * kScale + 40, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter p(&big);
    p.drawImage(QRect(110, 30, shot.width() * kScale, shot.height() * kScale), shot);
    p.setPen(Qt::black);
    for (int col = 0; col < 4; ++col)
        p.drawText(110 + (5 + col * kCell) * kScale, 20, QString::fromLatin1(kOrientationNames[col]));
    const char *rows[] = {"dip 3 sw, 0", "dip 3 sw, 5", "dip 2 sw, 3", "dip 2 sw, 2", "jsOpen", "jsLeft", "jsRight",
                          "jsLeft bsNone"};
    for (int r = 0; r < 8; ++r)
        p.drawText(5, 30 + (5 + r * kCell + 15) * kScale, QString::fromLatin1(rows[r]));
    p.end();
    return big.save(out) ? 0 : 1;
}

// The DIP switch and the three-pin jumper: the canvas rules they draw with, their pictures
// pixel by pixel, the DIP switch's value model, turning and the size exchange, clicks and
// mouse presses, and repaint requests only on change.
#include "components/dipswitch.h"
#include "components/dipswitchpainter.h"
#include "components/jumperpainter.h"
#include "components/radiopanel.h"
#include "components/threejumper.h"
#include "platform/canvas.h"
#include "support/testmain.h"

#include <QMetaProperty>
#include <QPointer>
#include <QtTest>

namespace {

// Carries the radio panel's Color, but its class name is not "TRadioPanel".
class TDerivedPanel : public TRadioPanel {
    Q_OBJECT
public:
    using TRadioPanel::TRadioPanel;
};

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kYellow = 0xFFFFFF00; // 0x00FFFF as 0x00BBGGRR
constexpr QRgb kMaroon = 0xFF800000; // 0x000080 as 0x00BBGGRR

QRgb px(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

QString hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

// Every outline pixel of (l, t, r, b) is `edge` and, when `fill` is given, every pixel inside is `fill`.
bool boxIs(const QImage &image, int l, int t, int r, int b, QRgb edge, std::optional<QRgb> fill, QString *why)
{
    for (int y = t; y < b; ++y) {
        for (int x = l; x < r; ++x) {
            const bool onEdge = x == l || x == r - 1 || y == t || y == b - 1;
            if (!onEdge && !fill)
                continue;
            const QRgb want = onEdge ? edge : *fill;
            if (px(image, x, y) != want) {
                *why = QStringLiteral("(%1, %2) is %3, want %4").arg(x).arg(y).arg(hex(px(image, x, y)), hex(want));
                return false;
            }
        }
    }
    return true;
}

bool anyBright(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) > 128)
                return true;
    return false;
}

QStringList ownProperties(const QMetaObject *meta)
{
    QStringList names;
    for (int i = TGraphicControl::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        names << QString::fromLatin1(meta->property(i).name());
    return names;
}

// Counts the paints a control receives, so a test can wait for the next one.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Mouse input as the window system delivers it: through the top-level window, so that Qt
// finds the control under the pointer and makes a double click of two quick presses.
QPoint inWindow(QWidget *control, QPoint at)
{
    return control->mapTo(control->window(), at);
}
void clickAt(QWidget *control, Qt::MouseButton button, QPoint at)
{
    QTest::mouseClick(control->window()->windowHandle(), button, {}, inWindow(control, at));
}
void doubleClickAt(QWidget *control, QPoint at)
{
    QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {}, inWindow(control, at));
}

struct Shown {
    QWidget *parent;
    explicit Shown(QWidget *p) : parent(p)
    {
        parent->resize(200, 200);
        parent->show();
    }
    ~Shown() { delete parent; }
};

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    // The canvas conventions the drawings are built on.
    void canvasRectangle_data();
    void canvasRectangle();
    void canvasRoundRectStaysInItsBox_data();
    void canvasRoundRectStaysInItsBox();
    void canvasEllipseStaysInItsBox_data();
    void canvasEllipseStaysInItsBox();
    void canvasTextHasNoBackground();
    void turnImageMovesEveryPixel_data();
    void turnImageMovesEveryPixel();

    // DIP switch picture.
    void dipMeasures_data();
    void dipMeasures();
    void dipBoxes_data();
    void dipBoxes();
    void dipBodyAndLegend();
    void dipPageControlTurnedRight_data();
    void dipPageControlTurnedRight();

    // DIP switch value model and published properties.
    void dipNewControl();
    void dipValueModel_data();
    void dipValueModel();
    void dipIncrementWraps();

    // Jumper picture.
    void jumperMeasures_data();
    void jumperMeasures();
    void jumperPixels_data();
    void jumperPixels();
    void jumperBackgroundFromParent_data();
    void jumperBackgroundFromParent();
    void jumperTurned_data();
    void jumperTurned();

    // Jumper state model.
    void jumperNewControl();
    void jumperAllowOpenInvariant();

    // Orientation and the size exchange after the first paint.
    void sizeExchange_data();
    void sizeExchange();

    // Pointer input.
    void jumperClickSequence_data();
    void jumperClickSequence();
    void jumperIgnoresNonClicks_data();
    void jumperIgnoresNonClicks();
    void dipRaisesEveryPress();

    // Repaint requests.
    void repaintRequests_data();
    void repaintRequests();
};

// ---- canvas ----

void TestWidgets::canvasRectangle_data()
{
    QTest::addColumn<bool>("withPen");
    QTest::newRow("pen and brush") << true;
    QTest::newRow("clear pen") << false;
}

void TestWidgets::canvasRectangle()
{
    QFETCH(bool, withPen);
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(kWhite);
    {
        TCanvas canvas(image);
        canvas.pen = {0x0000FF, 1, withPen ? Qt::SolidLine : Qt::NoPen}; // red
        canvas.brush = {0x808080, Qt::SolidPattern};
        canvas.rectangle(2, 3, 9, 8);
    }
    QString why;
    QVERIFY2(boxIs(image, 2, 3, 9, 8, withPen ? 0xFFFF0000 : kGrey, kGrey, &why), qPrintable(why));
    // Nothing beyond columns 2..8 and rows 3..7.
    QVERIFY2(boxIs(image, 1, 2, 10, 9, kWhite, std::nullopt, &why), qPrintable(why));
}

void TestWidgets::canvasRoundRectStaysInItsBox_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("ellipse");
    QTest::newRow("jumper base 43x18") << 43 << 18 << 9;
    QTest::newRow("jumper base 90x22") << 90 << 22 << 11;
    QTest::newRow("square corners") << 20 << 10 << 0;
}

void TestWidgets::canvasRoundRectStaysInItsBox()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, ellipse);
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kWhite);
    {
        TCanvas canvas(image);
        canvas.pen = {TColors::Black, 1, Qt::SolidLine};
        canvas.brush = {0x808080, Qt::SolidPattern};
        canvas.roundRect(1, 1, w - 1, h - 1, ellipse, ellipse);
    }
    QString why;
    QVERIFY2(boxIs(image, 0, 0, w, h, kWhite, std::nullopt, &why), qPrintable(why)); // the frame row/column
    const int mx = w / 2, my = h / 2;
    QCOMPARE(hex(px(image, mx, 1)), hex(kBlack));
    QCOMPARE(hex(px(image, mx, h - 2)), hex(kBlack));
    QCOMPARE(hex(px(image, 1, my)), hex(kBlack));
    QCOMPARE(hex(px(image, w - 2, my)), hex(kBlack));
    QCOMPARE(hex(px(image, mx, 2)), hex(kGrey));
    QCOMPARE(hex(px(image, mx, h - 3)), hex(kGrey));
    QCOMPARE(hex(px(image, 2, my)), hex(kGrey));
    QCOMPARE(hex(px(image, w - 3, my)), hex(kGrey));
    // Rounded corners leave the box's corner pixels alone; square ones outline them.
    const QRgb corner = ellipse > 2 ? kWhite : kBlack;
    QCOMPARE(hex(px(image, 1, 1)), hex(corner));
    QCOMPARE(hex(px(image, w - 2, 1)), hex(corner));
    QCOMPARE(hex(px(image, 1, h - 2)), hex(corner));
    QCOMPARE(hex(px(image, w - 2, h - 2)), hex(corner));
    // The shape is the same seen from either side.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QCOMPARE(hex(px(image, x, y)), hex(px(image, w - 1 - x, y)));
            QCOMPARE(hex(px(image, x, y)), hex(px(image, x, h - 1 - y)));
        }
}

void TestWidgets::canvasEllipseStaysInItsBox_data()
{
    QTest::addColumn<bool>("withPen");
    QTest::newRow("pin: clear pen") << false;
    QTest::newRow("outlined") << true;
}

void TestWidgets::canvasEllipseStaysInItsBox()
{
    QFETCH(bool, withPen);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(kWhite);
    {
        TCanvas canvas(image);
        canvas.pen = {TColors::Black, 1, withPen ? Qt::SolidLine : Qt::NoPen};
        canvas.brush = {0x00FFFF, Qt::SolidPattern};
        canvas.ellipse(7, 6, 13, 12);
    }
    QString why;
    QVERIFY2(boxIs(image, 6, 5, 14, 13, kWhite, std::nullopt, &why), qPrintable(why));
    QCOMPARE(hex(px(image, 10, 9)), hex(kYellow));
    // The disc reaches every side of its 6 x 6 box: columns 7..12, rows 6..11.
    const QRgb rim = withPen ? kBlack : kYellow;
    QCOMPARE(hex(px(image, 9, 6)), hex(rim));
    QCOMPARE(hex(px(image, 10, 11)), hex(rim));
    QCOMPARE(hex(px(image, 7, 8)), hex(rim));
    QCOMPARE(hex(px(image, 12, 9)), hex(rim));
    QCOMPARE(hex(px(image, 7, 6)), hex(kWhite));
    // Round, not an oval: the same from either side and turned a quarter.
    for (int y = 6; y < 12; ++y)
        for (int x = 7; x < 13; ++x) {
            QCOMPARE(hex(px(image, x, y)), hex(px(image, 19 - x, y)));
            QCOMPARE(hex(px(image, x, y)), hex(px(image, x, 17 - y)));
            QCOMPARE(hex(px(image, x, y)), hex(px(image, 7 + (y - 6), 6 + (x - 7))));
        }
}

void TestWidgets::canvasTextHasNoBackground()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(kBlack);
    {
        TCanvas canvas(image);
        canvas.font = TDipSwitchPainter::legendFont();
        canvas.fontColor = TColors::White;
        canvas.textOut(0, 0, QStringLiteral("ON"));
    }
    QVERIFY(anyBright(image, QRect(0, 0, 20, 12)));
    // An 11-pixel font from the top-left corner reaches neither row 13 nor column 25.
    QVERIFY(!anyBright(image, QRect(0, 13, 40, 7)));
    QVERIFY(!anyBright(image, QRect(25, 0, 15, 20)));
    QCOMPARE(QFontInfo(TDipSwitchPainter::legendFont()).pixelSize(), 11);
}

void TestWidgets::turnImageMovesEveryPixel_data()
{
    QTest::addColumn<int>("turns");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("marked");   // where upright (1, 0) lands
    QTest::addColumn<QPoint>("corner");   // where upright (3, 2), the bottom-right pixel, lands
    // Upright 4 wide, 3 high.
    QTest::newRow("as drawn") << 0 << QSize(4, 3) << QPoint(1, 0) << QPoint(3, 2);
    QTest::newRow("clockwise") << 1 << QSize(3, 4) << QPoint(2, 1) << QPoint(0, 3);
    QTest::newRow("half") << 2 << QSize(4, 3) << QPoint(2, 2) << QPoint(0, 0);
    QTest::newRow("anticlockwise") << 3 << QSize(3, 4) << QPoint(0, 2) << QPoint(2, 0);
}

void TestWidgets::turnImageMovesEveryPixel()
{
    QFETCH(int, turns);
    QFETCH(QSize, size);
    QFETCH(QPoint, marked);
    QFETCH(QPoint, corner);
    QImage upright(4, 3, QImage::Format_RGB32);
    upright.fill(kWhite);
    upright.setPixel(1, 0, 0xFFFF0000);
    upright.setPixel(3, 2, 0xFF0000FF);
    const QImage turned = turnImage(upright, turns);
    QCOMPARE(turned.size(), size);
    int marks = 0;
    for (int y = 0; y < turned.height(); ++y)
        for (int x = 0; x < turned.width(); ++x)
            marks += px(turned, x, y) != kWhite;
    QCOMPARE(marks, 2);
    QCOMPARE(hex(px(turned, marked.x(), marked.y())), hex(0xFFFF0000));
    QCOMPARE(hex(px(turned, corner.x(), corner.y())), hex(0xFF0000FF));
}

// ---- DIP switch picture ----

void TestWidgets::dipMeasures_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("g");
    QTest::addColumn<QList<int>>("lefts");
    QTest::newRow("new control 53x43") << 53 << 43 << 3 << 13 << 11 << 12 << 4 << QList<int>{5, 21, 37};
    QTest::newRow("page control 33x33") << 33 << 33 << 2 << 8 << 6 << 10 << 5 << QList<int>{6, 21};
    QTest::newRow("H 56: 0.85 x 20 is 17") << 53 << 56 << 3 << 20 << 17 << 12 << 4 << QList<int>{5, 21, 37};
}

void TestWidgets::dipMeasures()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(int, t);
    QFETCH(int, s);
    QFETCH(int, g);
    QFETCH(QList<int>, lefts);
    const auto m = TDipSwitchPainter::measures(w, h, n);
    QCOMPARE(m.k, k);
    QCOMPARE(m.t, t);
    QCOMPARE(m.s, s);
    QCOMPARE(m.g, g);
    for (int i = 0; i < n; ++i)
        QCOMPARE(m.switchLeft(i), lefts.at(i));
}

void TestWidgets::dipBoxes_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("n");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<quint32>("switchColor");
    QTest::addColumn<QRect>("actuator"); // (l, t) and (r, b) of the actuator
    QTest::addColumn<QRect>("slot");
    auto box = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r, b)); };
    const quint32 white = 0xFFFFFF;
    QTest::newRow("new, 1st off") << 53 << 43 << 3 << 0u << white << box(5, 29, 17, 40) << box(5, 13, 17, 40);
    QTest::newRow("new, 2nd off") << 53 << 43 << 3 << 0u << white << box(21, 29, 33, 40) << box(21, 13, 33, 40);
    QTest::newRow("new, 3rd off") << 53 << 43 << 3 << 0u << white << box(37, 29, 49, 40) << box(37, 13, 49, 40);
    QTest::newRow("value 5, 1st on") << 53 << 43 << 3 << 5u << white << box(5, 13, 17, 24) << box(5, 13, 17, 40);
    QTest::newRow("value 5, 2nd off") << 53 << 43 << 3 << 5u << white << box(21, 29, 33, 40) << box(21, 13, 33, 40);
    QTest::newRow("value 5, 3rd on") << 53 << 43 << 3 << 5u << white << box(37, 13, 49, 24) << box(37, 13, 49, 40);
    QTest::newRow("page upright, 1st on") << 33 << 33 << 2 << 3u << white << box(6, 13, 16, 19) << box(6, 13, 16, 30);
    QTest::newRow("page upright, 2nd on") << 33 << 33 << 2 << 3u << white << box(21, 13, 31, 19) << box(21, 13, 31, 30);
    QTest::newRow("H 56, off") << 53 << 56 << 3 << 0u << white << box(5, 36, 17, 53) << box(5, 13, 17, 53);
    QTest::newRow("H 56, on") << 53 << 56 << 3 << 4u << white << box(5, 13, 17, 30) << box(5, 13, 17, 53);
    // 0x00BBGGRR: 0x0000FF is red, not blue.
    QTest::newRow("switch colour red") << 53 << 43 << 3 << 1u << 0x0000FFu << box(37, 13, 49, 24) << box(37, 13, 49, 40);
}

void TestWidgets::dipBoxes()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, n);
    QFETCH(quint32, value);
    QFETCH(quint32, switchColor);
    QFETCH(QRect, actuator);
    QFETCH(QRect, slot);
    const QImage image = TDipSwitchPainter::paint(w, h, n, value, switchColor);
    QCOMPARE(image.size(), QSize(w, h));
    QString why;
    const QRgb fill = toRgb32(switchColor) | 0xFF000000;
    QVERIFY2(boxIs(image, actuator.left(), actuator.top(), actuator.right(), actuator.bottom(), kBlack, fill, &why),
             qPrintable(why));
    // The slot keeps its black outline; what the actuator leaves of it is grey.
    QVERIFY2(boxIs(image, slot.left(), slot.top(), slot.right(), slot.bottom(), kBlack, std::nullopt, &why), qPrintable(why));
    const bool atTop = actuator.top() == slot.top();
    const int greyTop = atTop ? actuator.bottom() : slot.top() + 1;
    const int greyBottom = atTop ? slot.bottom() - 1 : actuator.top();
    QVERIFY(greyBottom > greyTop);
    for (int y = greyTop; y < greyBottom; ++y)
        for (int x = slot.left() + 1; x < slot.right() - 1; ++x)
            QCOMPARE(hex(px(image, x, y)), hex(kGrey));
    // Black body on either side of the slot.
    QCOMPARE(hex(px(image, slot.left() - 1, (slot.top() + slot.bottom()) / 2)), hex(kBlack));
    QCOMPARE(hex(px(image, slot.right(), (slot.top() + slot.bottom()) / 2)), hex(kBlack));
}

void TestWidgets::dipBodyAndLegend()
{
    const QImage image = TDipSwitchPainter::paint(53, 43, 3, 0, 0xFFFFFF);
    QString why;
    // Rows 40..42 below the slots and the right-hand margin are body.
    QVERIFY2(boxIs(image, 0, 40, 53, 43, kBlack, kBlack, &why), qPrintable(why));
    QVERIFY2(boxIs(image, 49, 0, 53, 43, kBlack, kBlack, &why), qPrintable(why));
    // "ON" in white at the top left, nothing bright elsewhere above the slots.
    QVERIFY(anyBright(image, QRect(0, 0, 20, 12)));
    QVERIFY(!anyBright(image, QRect(22, 0, 31, 13)));
    // Without actuators' white the upright bottom has no bright pixel: the legend sits at the top.
    QVERIFY(!anyBright(image, QRect(0, 40, 53, 3)));
}

void TestWidgets::dipPageControlTurnedRight_data()
{
    QTest::addColumn<QString>("binary");
    QTest::addColumn<bool>("upperOn");
    QTest::addColumn<bool>("lowerOn");
    QTest::newRow("11, both on") << QStringLiteral("11") << true << true;
    QTest::newRow("10, upper is the first character") << QStringLiteral("10") << true << false;
    QTest::newRow("01, lower is bit 0") << QStringLiteral("01") << false << true;
}

void TestWidgets::dipPageControlTurnedRight()
{
    QFETCH(QString, binary);
    QFETCH(bool, upperOn);
    QFETCH(bool, lowerOn);
    Shown shown(new QWidget);
    auto *dip = new TDipSwitch(shown.parent);
    // As the page builds it: bounds, then the properties in their published order.
    dip->setBounds(10, 10, 33, 33);
    dip->setOrientation(otRight);
    dip->setNumSwitches(2);
    dip->setBinaryValueStr(binary);
    dip->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.parent));
    QTRY_VERIFY(dip->hasPainted());
    QCOMPARE(dip->size(), QSize(33, 33));
    const QImage shot = dip->grab().toImage();
    QCOMPARE(shot.size(), QSize(33, 33));
    // Upright actuator centres (10, 15) and (25, 15) when on, (10, 25) and (25, 25) when off;
    // clockwise (x, y) goes to (32 - y, x): on lies at the right, off at the left.
    QCOMPARE(hex(px(shot, 17, 10)), hex(upperOn ? kWhite : kGrey));
    QCOMPARE(hex(px(shot, 7, 10)), hex(upperOn ? kGrey : kWhite));
    QCOMPARE(hex(px(shot, 17, 25)), hex(lowerOn ? kWhite : kGrey));
    QCOMPARE(hex(px(shot, 7, 25)), hex(lowerOn ? kGrey : kWhite));
    // The legend at the top right, reading downward.
    QVERIFY(anyBright(shot, QRect(22, 0, 11, 16)));
    // Upright top right (no legend, above the slots) turns to the bottom right.
    QVERIFY(!anyBright(shot, QRect(21, 17, 12, 16)));
}

// ---- DIP switch value model ----

void TestWidgets::dipNewControl()
{
    TDipSwitch dip;
    QCOMPARE(dip.size(), QSize(53, 43));
    QCOMPARE(dip.numSwitches(), 3);
    QCOMPARE(dip.value(), 0u);
    QCOMPARE(dip.binaryValueStr(), QStringLiteral("000"));
    QCOMPARE(dip.switchColor(), 0xFFFFFFu);
    QCOMPARE(dip.orientation(), otUp);
    QVERIFY(!dip.swapPending());
    QVERIFY(!dip.hasPainted());
    QCOMPARE(TDipSwitch::DeclaredNumSwitches, 7);
    QCOMPARE(ownProperties(dip.metaObject()),
             (QStringList{"SwitchColor", "Orientation", "NumSwitches", "BinaryValueStr", "Value", "Enabled", "Visible"}));
    QCOMPARE(dip.property("BinaryValueStr").toString(), QStringLiteral("000"));
}

void TestWidgets::dipValueModel_data()
{
    QTest::addColumn<int>("count");       // switches before the step
    QTest::addColumn<QString>("start");   // setting before the step
    QTest::addColumn<QString>("step");    // "value", "text" or "count"
    QTest::addColumn<QVariant>("arg");
    QTest::addColumn<int>("wantCount");
    QTest::addColumn<quint32>("wantValue");
    QTest::addColumn<QString>("wantText");
    QTest::addColumn<int>("repaints");

    QTest::newRow("2: value 4 keeps low bits") << 2 << "11" << "value" << QVariant(4u) << 2 << 0u << "00" << 1;
    QTest::newRow("2: value 5 keeps low bits") << 2 << "00" << "value" << QVariant(5u) << 2 << 1u << "01" << 1;
    QTest::newRow("2: value 7 gives 3") << 2 << "00" << "value" << QVariant(7u) << 2 << 3u << "11" << 1;
    QTest::newRow("2: same value") << 2 << "10" << "value" << QVariant(2u) << 2 << 2u << "10" << 0;
    QTest::newRow("2: only high bits differ") << 2 << "11" << "value" << QVariant(7u) << 2 << 3u << "11" << 0;
    QTest::newRow("3: stray letter dropped") << 3 << "000" << "text" << QVariant("1x0") << 3 << 2u << "010" << 1;
    QTest::newRow("3: leading char dropped") << 3 << "000" << "text" << QVariant("1011") << 3 << 3u << "011" << 1;
    QTest::newRow("3: short string padded") << 3 << "000" << "text" << QVariant("1") << 3 << 1u << "001" << 1;
    QTest::newRow("3: empty ignored") << 3 << "101" << "text" << QVariant("") << 3 << 5u << "101" << 0;
    QTest::newRow("3: no digits ignored") << 3 << "101" << "text" << QVariant("abc") << 3 << 5u << "101" << 0;
    QTest::newRow("3: same setting") << 3 << "101" << "text" << QVariant("0101") << 3 << 5u << "101" << 0;
    QTest::newRow("3 to 2 drops high bit") << 3 << "101" << "count" << QVariant(2) << 2 << 1u << "01" << 1;
    QTest::newRow("2 to 4 adds off switches") << 2 << "11" << "count" << QVariant(4) << 4 << 3u << "0011" << 1;
    QTest::newRow("same count") << 3 << "101" << "count" << QVariant(3) << 3 << 5u << "101" << 0;
    QTest::newRow("1 switch") << 3 << "101" << "count" << QVariant(1) << 1 << 1u << "1" << 1;
    QTest::newRow("32 switches") << 3 << "101" << "count" << QVariant(32) << 32 << 5u
                                 << QString(29, QLatin1Char('0')) + "101" << 1;
    // No switch would divide by zero when drawn, and Value has no 33rd bit: both refused.
    QTest::newRow("0 switches refused") << 3 << "101" << "count" << QVariant(0) << 3 << 5u << "101" << 0;
    QTest::newRow("33 switches refused") << 3 << "101" << "count" << QVariant(33) << 3 << 5u << "101" << 0;
    QTest::newRow("255 switches refused") << 2 << "01" << "count" << QVariant(255) << 2 << 1u << "01" << 0;
}

void TestWidgets::dipValueModel()
{
    QFETCH(int, count);
    QFETCH(QString, start);
    QFETCH(QString, step);
    QFETCH(QVariant, arg);
    QFETCH(int, wantCount);
    QFETCH(quint32, wantValue);
    QFETCH(QString, wantText);
    QFETCH(int, repaints);
    TDipSwitch dip;
    dip.setNumSwitches(count);
    dip.setBinaryValueStr(start);
    QCOMPARE(dip.binaryValueStr(), start);
    const int before = dip.invalidations();
    if (step == "value")
        dip.setValue(arg.toUInt());
    else if (step == "text")
        dip.setBinaryValueStr(arg.toString());
    else
        dip.setNumSwitches(arg.toInt());
    QCOMPARE(dip.numSwitches(), wantCount);
    QCOMPARE(dip.value(), wantValue);
    QCOMPARE(dip.binaryValueStr(), wantText);
    QCOMPARE(dip.invalidations() - before, repaints);
}

void TestWidgets::dipIncrementWraps()
{
    TDipSwitch dip;
    dip.setNumSwitches(2);
    QList<quint32> seen;
    for (int i = 0; i < 5; ++i) {
        seen << dip.value();
        dip.setValue(dip.value() + 1);
    }
    QCOMPARE(seen, (QList<quint32>{0, 1, 2, 3, 0}));
    // A count of 32 keeps every bit of Value.
    dip.setNumSwitches(32);
    dip.setValue(0xFFFFFFFFu);
    QCOMPARE(dip.value(), 0xFFFFFFFFu);
    QCOMPARE(dip.binaryValueStr(), QString(32, QLatin1Char('1')));
    dip.setValue(0x80000000u);
    QCOMPARE(dip.binaryValueStr(), QStringLiteral("1") + QString(31, QLatin1Char('0')));
}

// ---- jumper picture ----

void TestWidgets::jumperMeasures_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("A");
    QTest::addColumn<int>("cx");
    QTest::addColumn<int>("cy");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("h_");
    QTest::newRow("43x18") << 43 << 18 << 9 << 10 << 21 << 9 << 3 << 6;
    QTest::newRow("90x20: 4.5 goes to 4") << 90 << 20 << 20 << 21 << 45 << 10 << 4 << 13;
    QTest::newRow("90x22: 5") << 90 << 22 << 20 << 21 << 45 << 11 << 5 << 13;
    QTest::newRow("90x16: 3.5 goes to 4") << 90 << 16 << 20 << 21 << 45 << 8 << 4 << 13;
    QTest::newRow("90x12: 2.5 goes to 2") << 90 << 12 << 20 << 21 << 45 << 6 << 2 << 13;
}

void TestWidgets::jumperMeasures()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, P);
    QFETCH(int, A);
    QFETCH(int, cx);
    QFETCH(int, cy);
    QFETCH(int, r);
    QFETCH(int, h_);
    const auto m = TJumperPainter::measures(w, h);
    QCOMPARE(m.P, P);
    QCOMPARE(m.A, A);
    QCOMPARE(m.cx, cx);
    QCOMPARE(m.cy, cy);
    QCOMPARE(m.r, r);
    QCOMPARE(m.h, h_);
}

void TestWidgets::jumperPixels_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("border");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("want"); // "bg", "base", "black", "shunt", "pin"
    const int o = jsOpen, l = jsLeft, r = jsRight, single = bsSingle, none = bsNone;
    // Background (0, 0, 43, 18) around the base (1, 1, 42, 17).
    QTest::newRow("bg top left") << o << single << QPoint(0, 0) << "bg";
    QTest::newRow("bg bottom right") << o << single << QPoint(42, 17) << "bg";
    QTest::newRow("bg left of base") << o << single << QPoint(0, 9) << "bg";
    QTest::newRow("bg above base") << o << single << QPoint(21, 0) << "bg";
    QTest::newRow("bg below base") << o << single << QPoint(21, 17) << "bg";
    QTest::newRow("bg in base corner") << o << single << QPoint(1, 1) << "bg";
    QTest::newRow("base top edge") << o << single << QPoint(15, 1) << "black";
    QTest::newRow("base bottom edge") << o << single << QPoint(15, 16) << "black";
    QTest::newRow("base left edge") << o << single << QPoint(1, 9) << "black";
    QTest::newRow("base right edge") << o << single << QPoint(41, 9) << "black";
    QTest::newRow("base inside") << o << single << QPoint(15, 3) << "base";
    QTest::newRow("base inside low") << o << single << QPoint(27, 14) << "base";
    QTest::newRow("bsNone: no top edge") << o << none << QPoint(15, 1) << "base";
    QTest::newRow("bsNone: no left edge") << o << none << QPoint(1, 9) << "base";
    QTest::newRow("bsNone: shunt keeps outline") << l << none << QPoint(26, 9) << "black";
    // Shunt jsLeft (0, 0, 27, 18).
    QTest::newRow("left shunt top left") << l << single << QPoint(0, 0) << "black";
    QTest::newRow("left shunt right edge") << l << single << QPoint(26, 9) << "black";
    QTest::newRow("left shunt bottom") << l << single << QPoint(13, 17) << "black";
    QTest::newRow("left shunt inside") << l << single << QPoint(3, 3) << "shunt";
    QTest::newRow("left shunt between pins") << l << single << QPoint(15, 9) << "shunt";
    QTest::newRow("left shunt last inside col") << l << single << QPoint(25, 14) << "shunt";
    QTest::newRow("left shunt ends at 26") << l << single << QPoint(27, 3) << "base";
    // Shunt jsRight (15, 0, 43, 18).
    QTest::newRow("right shunt left edge") << r << single << QPoint(15, 9) << "black";
    QTest::newRow("right shunt top right") << r << single << QPoint(42, 0) << "black";
    QTest::newRow("right shunt inside") << r << single << QPoint(16, 3) << "shunt";
    QTest::newRow("right shunt starts at 15") << r << single << QPoint(14, 3) << "base";
    QTest::newRow("right shunt over base end") << r << single << QPoint(40, 14) << "shunt";
    // Pins (7, 6, 13, 12), (18, 6, 24, 12), (30, 6, 36, 12), over the shunt.
    for (int s : {o, l, r}) {
        const QByteArray tag = s == o ? "open" : s == l ? "left" : "right";
        QTest::newRow(tag + ": first pin") << s << single << QPoint(10, 9) << "pin";
        QTest::newRow(tag + ": middle pin") << s << single << QPoint(21, 9) << "pin";
        QTest::newRow(tag + ": last pin") << s << single << QPoint(33, 9) << "pin";
        QTest::newRow(tag + ": first pin disc") << s << single << QPoint(9, 8) << "pin";
        QTest::newRow(tag + ": last pin disc") << s << single << QPoint(32, 10) << "pin";
    }
    QTest::newRow("left of first pin") << o << single << QPoint(6, 9) << "base";
    QTest::newRow("right of first pin") << o << single << QPoint(13, 9) << "base";
    QTest::newRow("above first pin") << o << single << QPoint(10, 5) << "base";
    QTest::newRow("below first pin") << o << single << QPoint(10, 12) << "base";
    QTest::newRow("left of middle pin") << l << single << QPoint(17, 9) << "shunt";
    QTest::newRow("right of last pin") << r << single << QPoint(36, 9) << "shunt";
}

void TestWidgets::jumperPixels()
{
    QFETCH(int, state);
    QFETCH(int, border);
    QFETCH(QPoint, at);
    QFETCH(QString, want);
    TJumperPainter::Colors colors;
    colors.background = 0x00C0FFEE;
    const QImage image = TJumperPainter::paint(43, 18, TJumperState(state), colors, TBorderStyle(border));
    QCOMPARE(image.size(), QSize(43, 18));
    const QHash<QString, QRgb> named{{"bg", toRgb32(0x00C0FFEE) | 0xFF000000}, {"base", kGrey}, {"black", kBlack},
                                     {"shunt", kMaroon}, {"pin", kYellow}};
    QCOMPARE(hex(px(image, at.x(), at.y())), hex(named.value(want)));
}

void TestWidgets::jumperBackgroundFromParent_data()
{
    QTest::addColumn<QString>("parentKind");
    QTest::addColumn<quint32>("want");
    QTest::newRow("radio panel") << "TRadioPanel" << 0x00336699u;
    QTest::newRow("derived panel counts as other") << "TDerivedPanel" << TColors::BtnFace;
    QTest::newRow("plain widget") << "QWidget" << TColors::BtnFace;
}

void TestWidgets::jumperBackgroundFromParent()
{
    QFETCH(QString, parentKind);
    QFETCH(quint32, want);
    QWidget *parent = nullptr;
    if (parentKind == "TRadioPanel")
        parent = new TRadioPanel;
    else if (parentKind == "TDerivedPanel")
        parent = new TDerivedPanel;
    else
        parent = new QWidget;
    parent->setProperty("Color", 0x00336699u);
    Shown shown(parent);
    auto *jumper = new TThreeJumper(parent);
    jumper->show();
    QCOMPARE(jumper->backgroundColor(), want);
    QVERIFY(QTest::qWaitForWindowExposed(parent));
    QTRY_VERIFY(jumper->hasPainted());
    const QImage shot = jumper->grab().toImage();
    QCOMPARE(hex(px(shot, 0, 0)), hex(toRgb32(want) | 0xFF000000));
    QCOMPARE(hex(px(shot, 21, 17)), hex(toRgb32(want) | 0xFF000000));
    QCOMPARE(hex(px(shot, 15, 3)), hex(kGrey));
}

void TestWidgets::jumperTurned_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("firstPin");
    QTest::addColumn<QPoint>("lastPin");
    QTest::addColumn<QPoint>("shuntEnd");   // inside the jsLeft shunt near the first pin
    QTest::addColumn<QPoint>("baseEnd");    // base near the last pin, outside the shunt
    // Upright: first pin (10, 9), last pin (33, 9), shunt (3, 14), base (39, 9).
    QTest::newRow("up") << int(otUp) << QSize(43, 18) << QPoint(10, 9) << QPoint(33, 9) << QPoint(3, 14) << QPoint(39, 9);
    QTest::newRow("down: first pin at the right") << int(otDown) << QSize(43, 18) << QPoint(32, 8) << QPoint(9, 8)
                                                  << QPoint(39, 3) << QPoint(3, 8);
    QTest::newRow("right: first pin at the top") << int(otRight) << QSize(18, 43) << QPoint(8, 10) << QPoint(8, 33)
                                                 << QPoint(3, 3) << QPoint(8, 39);
    QTest::newRow("left: first pin at the bottom") << int(otLeft) << QSize(18, 43) << QPoint(9, 32) << QPoint(9, 9)
                                                   << QPoint(14, 39) << QPoint(9, 3);
}

void TestWidgets::jumperTurned()
{
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    QFETCH(QPoint, firstPin);
    QFETCH(QPoint, lastPin);
    QFETCH(QPoint, shuntEnd);
    QFETCH(QPoint, baseEnd);
    Shown shown(new QWidget);
    auto *jumper = new TThreeJumper(shown.parent);
    jumper->setJumperState(jsLeft);
    jumper->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.parent));
    QTRY_VERIFY(jumper->hasPainted());
    PaintCounter counter(jumper);
    jumper->setOrientation(TOrientationType(orientation));
    if (orientation != otUp)
        QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(jumper->size(), size);
    const QImage shot = jumper->grab().toImage();
    QCOMPARE(shot.size(), size);
    QCOMPARE(hex(px(shot, firstPin.x(), firstPin.y())), hex(kYellow));
    QCOMPARE(hex(px(shot, lastPin.x(), lastPin.y())), hex(kYellow));
    QCOMPARE(hex(px(shot, shuntEnd.x(), shuntEnd.y())), hex(kMaroon));
    QCOMPARE(hex(px(shot, baseEnd.x(), baseEnd.y())), hex(kGrey));
}

// ---- jumper state model ----

void TestWidgets::jumperNewControl()
{
    TThreeJumper jumper;
    QCOMPARE(jumper.size(), QSize(43, 18));
    QCOMPARE(jumper.jumperState(), jsOpen);
    QCOMPARE(jumper.baseColor(), 0x808080u);
    QCOMPARE(jumper.pinColor(), 0x00FFFFu);
    QCOMPARE(jumper.jumperColor(), 0x000080u);
    QCOMPARE(jumper.orientation(), otUp);
    QCOMPARE(jumper.borderStyle(), bsSingle);
    QVERIFY(jumper.allowOpen());
    QVERIFY(!jumper.swapPending());
    QVERIFY(!jumper.hasPainted());
    QCOMPARE(ownProperties(jumper.metaObject()),
             (QStringList{"JumperState", "BaseColor", "PinColor", "JumperColor", "Orientation", "BorderStyle",
                          "AllowOpen", "Enabled", "Visible"}));
    QCOMPARE(jumper.property("JumperState").value<TJumperState>(), jsOpen);
}

void TestWidgets::jumperAllowOpenInvariant()
{
    TThreeJumper jumper;
    jumper.setAllowOpen(false);
    QCOMPARE(jumper.jumperState(), jsLeft);
    int before = jumper.invalidations();
    jumper.setJumperState(jsOpen);
    QCOMPARE(jumper.jumperState(), jsLeft);
    QCOMPARE(jumper.invalidations(), before);
    jumper.setJumperState(jsRight);
    QCOMPARE(jumper.jumperState(), jsRight);
    jumper.setAllowOpen(true);
    QCOMPARE(jumper.jumperState(), jsRight);
    jumper.setJumperState(jsOpen);
    QCOMPARE(jumper.jumperState(), jsOpen);
    // Refusing open again from a closed state keeps that state.
    jumper.setJumperState(jsRight);
    jumper.setAllowOpen(false);
    QCOMPARE(jumper.jumperState(), jsRight);
}

// ---- orientation and size exchange ----

void TestWidgets::sizeExchange_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("start");
    QTest::addColumn<bool>("paintFirst");
    QTest::addColumn<QList<int>>("turns"); // orientations set one after the other
    QTest::addColumn<QSize>("want");
    QTest::addColumn<QSize>("workBitmap"); // the upright picture at the last paint
    const QList<int> left{otLeft}, right{otRight}, down{otDown};
    QTest::newRow("dip painted, to left") << "dip" << QSize(53, 43) << true << left << QSize(43, 53) << QSize(53, 43);
    QTest::newRow("dip painted, to down") << "dip" << QSize(53, 43) << true << down << QSize(53, 43) << QSize(53, 43);
    QTest::newRow("dip before paint, to right") << "dip" << QSize(53, 43) << false << right << QSize(53, 43)
                                                << QSize(43, 53);
    QTest::newRow("dip page 33x33 before paint") << "dip" << QSize(33, 33) << false << right << QSize(33, 33)
                                                 << QSize(33, 33);
    QTest::newRow("dip left then right") << "dip" << QSize(53, 43) << true << QList<int>{otLeft, otRight}
                                         << QSize(43, 53) << QSize(53, 43);
    QTest::newRow("dip left and back cancels") << "dip" << QSize(53, 43) << true << QList<int>{otLeft, otUp}
                                               << QSize(53, 43) << QSize(53, 43);
    QTest::newRow("jumper painted, to right") << "jumper" << QSize(43, 18) << true << right << QSize(18, 43)
                                              << QSize(43, 18);
    QTest::newRow("jumper painted, to down") << "jumper" << QSize(43, 18) << true << down << QSize(43, 18)
                                             << QSize(43, 18);
    QTest::newRow("jumper before paint, to right") << "jumper" << QSize(43, 18) << false << right << QSize(43, 18)
                                                   << QSize(18, 43);
    QTest::newRow("jumper page 18x43 before paint") << "jumper" << QSize(18, 43) << false << right << QSize(18, 43)
                                                    << QSize(43, 18);
    QTest::newRow("jumper right and back cancels") << "jumper" << QSize(43, 18) << true
                                                   << QList<int>{otRight, otDown} << QSize(43, 18) << QSize(43, 18);
}

void TestWidgets::sizeExchange()
{
    QFETCH(QString, kind);
    QFETCH(QSize, start);
    QFETCH(bool, paintFirst);
    QFETCH(QList<int>, turns);
    QFETCH(QSize, want);
    QFETCH(QSize, workBitmap);
    Shown shown(new QWidget);
    TGraphicControl *control = nullptr;
    TDipSwitch *dip = nullptr;
    TThreeJumper *jumper = nullptr;
    if (kind == "dip")
        control = dip = new TDipSwitch(shown.parent);
    else
        control = jumper = new TThreeJumper(shown.parent);
    auto setOrientation = [&](int o) {
        if (dip) dip->setOrientation(TOrientationType(o));
        else jumper->setOrientation(TOrientationType(o));
    };
    auto painted = [&] { return dip ? dip->hasPainted() : jumper->hasPainted(); };
    control->setBounds(5, 5, start.width(), start.height());
    QVERIFY(QTest::qWaitForWindowExposed(shown.parent));
    if (paintFirst) {
        control->show();
        QTRY_VERIFY(painted());
        QCOMPARE(control->size(), start);
    }
    for (int o : turns)
        setOrientation(o);
    PaintCounter counter(control);
    control->show();
    control->update();
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(control->size(), want);
    QCOMPARE(dip ? dip->workBitmap().size() : jumper->workBitmap().size(), workBitmap);
    QVERIFY(!(dip ? dip->swapPending() : jumper->swapPending()));
    // Once exchanged, later paints keep the size.
    const int paints = counter.paints;
    control->update();
    QTRY_VERIFY(counter.paints > paints);
    QCOMPARE(control->size(), want);
    const QImage shot = control->grab().toImage();
    QCOMPARE(shot.size(), want);
}

// ---- pointer input ----

void TestWidgets::jumperClickSequence_data()
{
    QTest::addColumn<bool>("allowOpen");
    QTest::addColumn<QList<int>>("states"); // state seen by OnClick after each click
    QTest::newRow("open allowed") << true << QList<int>{jsLeft, jsRight, jsOpen, jsLeft};
    QTest::newRow("open not allowed") << false << QList<int>{jsRight, jsLeft, jsRight, jsLeft};
}

void TestWidgets::jumperClickSequence()
{
    QFETCH(bool, allowOpen);
    QFETCH(QList<int>, states);
    Shown shown(new QWidget);
    auto *jumper = new TThreeJumper(shown.parent);
    jumper->move(20, 20);
    jumper->show();
    jumper->setAllowOpen(allowOpen);
    QList<int> seen;
    jumper->setOnClick([&](QObject *sender) {
        QCOMPARE(sender, jumper);
        seen << int(jumper->jumperState());
    });
    QVERIFY(QTest::qWaitForWindowExposed(shown.parent));
    for (int i = 0; i < states.size(); ++i) {
        clickAt(jumper, Qt::LeftButton, QPoint(21, 9));
        QCOMPARE(int(jumper->jumperState()), states.at(i));
    }
    QCOMPARE(seen, states);
}

void TestWidgets::jumperIgnoresNonClicks_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("want");   // state afterwards, from jsOpen
    QTest::addColumn<int>("clicks"); // OnClick calls
    QTest::newRow("right button") << "right" << int(jsOpen) << 0;
    QTest::newRow("middle button") << "middle" << int(jsOpen) << 0;
    QTest::newRow("double click steps once") << "double" << int(jsLeft) << 1;
    QTest::newRow("released outside") << "outside" << int(jsOpen) << 0;
    QTest::newRow("plain click") << "left" << int(jsLeft) << 1;
}

void TestWidgets::jumperIgnoresNonClicks()
{
    QFETCH(QString, gesture);
    QFETCH(int, want);
    QFETCH(int, clicks);
    Shown shown(new QWidget);
    auto *jumper = new TThreeJumper(shown.parent);
    jumper->move(20, 20);
    jumper->show();
    int calls = 0;
    jumper->setOnClick([&](QObject *) { ++calls; });
    QVERIFY(QTest::qWaitForWindowExposed(shown.parent));
    const QPoint inside(10, 9);
    QWindow *window = shown.parent->windowHandle();
    if (gesture == "right")
        clickAt(jumper, Qt::RightButton, inside);
    else if (gesture == "middle")
        clickAt(jumper, Qt::MiddleButton, inside);
    else if (gesture == "double")
        doubleClickAt(jumper, inside);
    else if (gesture == "outside") {
        QTest::mousePress(window, Qt::LeftButton, {}, inWindow(jumper, inside));
        QTest::mouseMove(window, inWindow(jumper, QPoint(60, 9)));
        QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(jumper, QPoint(60, 9)));
    } else
        clickAt(jumper, Qt::LeftButton, inside);
    QCOMPARE(int(jumper->jumperState()), want);
    QCOMPARE(calls, clicks);
}

void TestWidgets::dipRaisesEveryPress()
{
    Shown shown(new QWidget);
    auto *dip = new TDipSwitch(shown.parent);
    dip->move(30, 30);
    dip->show();
    struct Press {
        TMouseButton button;
        bool isDouble;
        QPoint at;
    };
    QList<Press> presses;
    dip->setOnMouseDown([&](QObject *sender, TMouseButton button, TShiftState shift, int x, int y) {
        QCOMPARE(sender, dip);
        presses << Press{button, shift.testFlag(ssDouble), QPoint(x, y)};
    });
    QVERIFY(QTest::qWaitForWindowExposed(shown.parent));
    const quint32 valueBefore = dip->value();
    const QString textBefore = dip->binaryValueStr();
    clickAt(dip, Qt::LeftButton, QPoint(5, 6));
    clickAt(dip, Qt::RightButton, QPoint(7, 8));
    clickAt(dip, Qt::MiddleButton, QPoint(9, 10));
    // Through the window, as the window system delivers a double click.
    doubleClickAt(dip, QPoint(11, 12));
    QCOMPARE(presses.size(), 5);
    QCOMPARE(presses.at(0).button, mbLeft);
    QCOMPARE(presses.at(1).button, mbRight);
    QCOMPARE(presses.at(2).button, mbMiddle);
    QCOMPARE(presses.at(3).button, mbLeft);
    QCOMPARE(presses.at(4).button, mbLeft);
    QVERIFY(!presses.at(3).isDouble);
    QVERIFY(presses.at(4).isDouble);
    QCOMPARE(presses.at(1).at, QPoint(7, 8));
    QCOMPARE(presses.at(4).at, QPoint(11, 12));
    // The control itself changes nothing on mouse input.
    QCOMPARE(dip->value(), valueBefore);
    QCOMPARE(dip->binaryValueStr(), textBefore);
}

// ---- repaint requests ----

void TestWidgets::repaintRequests_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("requests");
    QTest::newRow("dip colour same") << "dip" << QByteArray("SwitchColor") << QVariant(0xFFFFFFu) << 0;
    QTest::newRow("dip colour new") << "dip" << QByteArray("SwitchColor") << QVariant(0x00FF00u) << 1;
    QTest::newRow("dip orientation same") << "dip" << QByteArray("Orientation") << QVariant::fromValue(otUp) << 0;
    QTest::newRow("dip orientation new") << "dip" << QByteArray("Orientation") << QVariant::fromValue(otDown) << 1;
    QTest::newRow("dip count same") << "dip" << QByteArray("NumSwitches") << QVariant(3) << 0;
    QTest::newRow("dip count new") << "dip" << QByteArray("NumSwitches") << QVariant(7) << 1;
    QTest::newRow("dip value same") << "dip" << QByteArray("Value") << QVariant(0u) << 0;
    QTest::newRow("dip value new") << "dip" << QByteArray("Value") << QVariant(6u) << 1;
    QTest::newRow("dip text same") << "dip" << QByteArray("BinaryValueStr") << QVariant("000") << 0;
    QTest::newRow("dip text new") << "dip" << QByteArray("BinaryValueStr") << QVariant("110") << 1;
    QTest::newRow("jumper state same") << "jumper" << QByteArray("JumperState") << QVariant::fromValue(jsOpen) << 0;
    QTest::newRow("jumper state new") << "jumper" << QByteArray("JumperState") << QVariant::fromValue(jsRight) << 1;
    QTest::newRow("jumper base same") << "jumper" << QByteArray("BaseColor") << QVariant(0x808080u) << 0;
    QTest::newRow("jumper base new") << "jumper" << QByteArray("BaseColor") << QVariant(0x404040u) << 1;
    QTest::newRow("jumper pin same") << "jumper" << QByteArray("PinColor") << QVariant(0x00FFFFu) << 0;
    QTest::newRow("jumper pin new") << "jumper" << QByteArray("PinColor") << QVariant(0x00FF00u) << 1;
    QTest::newRow("jumper shunt same") << "jumper" << QByteArray("JumperColor") << QVariant(0x000080u) << 0;
    QTest::newRow("jumper shunt new") << "jumper" << QByteArray("JumperColor") << QVariant(0x800000u) << 1;
    QTest::newRow("jumper orientation same") << "jumper" << QByteArray("Orientation") << QVariant::fromValue(otUp) << 0;
    QTest::newRow("jumper orientation new") << "jumper" << QByteArray("Orientation") << QVariant::fromValue(otLeft) << 1;
    QTest::newRow("jumper border same") << "jumper" << QByteArray("BorderStyle") << QVariant::fromValue(bsSingle) << 0;
    QTest::newRow("jumper border new") << "jumper" << QByteArray("BorderStyle") << QVariant::fromValue(bsNone) << 1;
    QTest::newRow("jumper allow-open same") << "jumper" << QByteArray("AllowOpen") << QVariant(true) << 0;
    QTest::newRow("jumper allow-open new") << "jumper" << QByteArray("AllowOpen") << QVariant(false) << 1;
}

void TestWidgets::repaintRequests()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(int, requests);
    std::unique_ptr<TGraphicControl> control;
    if (kind == "dip")
        control = std::make_unique<TDipSwitch>();
    else
        control = std::make_unique<TThreeJumper>();
    const QVariant before = control->property(property);
    QVERIFY(control->setProperty(property, value));
    QCOMPARE(control->invalidations(), requests);
    QCOMPARE(control->property(property) != before, requests > 0);
    // A setter only asks: nothing has been drawn.
    const QImage work = kind == "dip" ? static_cast<TDipSwitch *>(control.get())->workBitmap()
                                      : static_cast<TThreeJumper *>(control.get())->workBitmap();
    QVERIFY(work.isNull());
    // The same value a second time asks for nothing more.
    QVERIFY(control->setProperty(property, value));
    QCOMPARE(control->invalidations(), requests);
}

SETUP_TEST_MAIN(TestWidgets)
#include "tst_widgets.moc"

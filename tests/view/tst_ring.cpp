// The ring pictures: the blending figures on a uniform grey, the glyphs taken from the board
// image's drawing under the mark, the choice of glyph from Lit and PopupActive, and marks too
// small for a ring.
#include "components/ringrenderer.h"
#include "support/testmain.h"
#include "viewfixture.h"

#include <QTest>

#include <cmath>

using namespace viewfixture;

namespace {
enum Glyph { Normal, Hot, Active };

const QImage &glyphOf(const TBoardHighlight *mark, int glyph)
{
    return glyph == Normal ? mark->normalGlyph() : glyph == Hot ? mark->hotGlyph() : mark->activeGlyph();
}

QImage rendered(QSize size, THighlightType type, int glyph)
{
    TBoardHighlight kind; // only for its kind table
    kind.setHighlightType(type);
    QImage img = uniform(size.width(), size.height());
    const float strength = glyph == Normal ? kind.normalStrength() : glyph == Hot ? kind.hotStrength() : kind.activeStrength();
    TRingRenderer::render(img, strength, kind.ringColor(), glyph == Active);
    return img;
}

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

// A plain reference of the blending, every sum in long double, for cross-checks on
// backgrounds and strengths that the worked figures do not cover.
QImage reference(QImage img, float s, TColor c, bool white)
{
    const int w = img.width(), h = img.height();
    const float sx = float(2.0L / (w - 1)), sy = float(2.0L / (h - 1));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float dx = float(x * (long double)sx - 1), dy = float(y * (long double)sy - 1);
            const float d = float((long double)dx * dx + (long double)dy * dy);
            if (d >= 1)
                continue;
            QRgb p = img.pixel(x, y);
            float a;
            if (d < 0.5929L) {
                a = 0.16f;
            } else {
                const float r = std::sqrt(d);
                a = float(1 - std::fabs(r - 0.875L) * 8);
                if (white) {
                    a = a * 2;
                    if (a > 1) {
                        p = qRgb(255, 255, 255);
                        a = 2 - a;
                    }
                }
            }
            a = a * s;
            const float b = 1 - a;
            auto ch = [&](int pv, int cv) { return int(std::nearbyintl((long double)pv * b + (long double)cv * a)); };
            img.setPixel(x, y, qRgb(ch(qRed(p), c & 0xFF), ch(qGreen(p), (c >> 8) & 0xFF), ch(qBlue(p), (c >> 16) & 0xFF)));
        }
    return img;
}

QImage noise(QSize size, quint32 seed)
{
    QImage img(size, QImage::Format_RGB32);
    quint32 v = seed;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            v = v * 1664525u + 1013904223u;
            img.setPixel(x, y, qRgb(int(v >> 24), int((v >> 16) & 0xFF), int((v >> 8) & 0xFF)));
        }
    return img;
}
} // namespace

Q_DECLARE_METATYPE(THighlightType)

class TestRing : public QObject {
    Q_OBJECT
    void figures()
    {
        QTest::addColumn<THighlightType>("type");
        QTest::addColumn<int>("glyph");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("normal centre") << htSettings << int(Normal) << QPoint(32, 32) << rgb(112, 112, 92);
        QTest::newRow("normal ring peak") << htSettings << int(Normal) << QPoint(32, 4) << rgb(178, 178, 50);
        QTest::newRow("normal top edge untouched") << htSettings << int(Normal) << QPoint(32, 0) << rgb(100, 100, 100);
        QTest::newRow("normal corner untouched") << htSettings << int(Normal) << QPoint(0, 0) << rgb(100, 100, 100);
        QTest::newRow("normal far corner untouched") << htSettings << int(Normal) << QPoint(64, 64) << rgb(100, 100, 100);
        QTest::newRow("hot ring peak") << htSettings << int(Hot) << QPoint(32, 4) << rgb(216, 216, 25);
        QTest::newRow("active white core") << htSettings << int(Active) << QPoint(32, 4) << rgb(255, 255, 255);
        QTest::newRow("active core edge") << htSettings << int(Active) << QPoint(32, 2) << rgb(255, 255, 0);
        QTest::newRow("active corner untouched") << htSettings << int(Active) << QPoint(0, 0) << rgb(100, 100, 100);
        QTest::newRow("options ring peak") << htOptions << int(Normal) << QPoint(32, 4) << rgb(75, 75, 139);
        QTest::newRow("ring is symmetric") << htSettings << int(Normal) << QPoint(4, 32) << rgb(178, 178, 50);
        QTest::newRow("ring is symmetric below") << htSettings << int(Normal) << QPoint(32, 60) << rgb(178, 178, 50);
    }

private slots:
    void init() { parkPointer(); }

    void kindTable_data()
    {
        QTest::addColumn<THighlightType>("type");
        QTest::addColumn<quint32>("color");
        QTest::addColumn<float>("normal");
        QTest::addColumn<float>("hot");
        QTest::addColumn<float>("active");
        QTest::newRow("options blue") << htOptions << quint32(0x00FF0000) << 0.25f << 0.5f << 1.0f;
        QTest::newRow("settings yellow") << htSettings << quint32(0x0000FFFF) << 0.5f << 0.75f << 1.0f;
        QTest::newRow("calibration red") << htCalibration << quint32(0x000000FF) << 0.5f << 0.75f << 1.0f;
    }
    void kindTable()
    {
        QFETCH(THighlightType, type);
        QFETCH(quint32, color);
        TBoardHighlight mark;
        // Through another kind first, so that every row is loaded by a real change.
        mark.setHighlightType(type == htCalibration ? htOptions : htCalibration);
        mark.setHighlightType(type);
        QCOMPARE(mark.ringColor(), color);
        QTEST(mark.normalStrength(), "normal");
        QTEST(mark.hotStrength(), "hot");
        QTEST(mark.activeStrength(), "active");
    }

    void newMarkIsYellowAndRepaintsOnlyOnChange()
    {
        TBoardHighlight mark;
        QCOMPARE(mark.size(), QSize(65, 65));
        QCOMPARE(mark.highlightType(), htSettings);
        QCOMPARE(mark.ringColor(), TColor(0x0000FFFF));
        QVERIFY(mark.createPopup());
        const int before = mark.invalidations();
        mark.setHighlightType(htSettings);
        QCOMPARE(mark.invalidations(), before);
        mark.setHighlightType(htOptions);
        QCOMPARE(mark.invalidations(), before + 1);
        QCOMPARE(mark.ringColor(), TColor(0x00FF0000));
    }

    void rendererFigures_data() { figures(); }
    void rendererFigures()
    {
        QFETCH(THighlightType, type);
        QFETCH(int, glyph);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, expected);
        const QImage img = rendered(QSize(65, 65), type, glyph);
        QCOMPARE(QColor(img.pixel(pixel)), QColor(expected));
    }

    // The same figures, from a mark painted on a board image with a uniform grey picture.
    void markGlyphFigures_data() { figures(); }
    void markGlyphFigures()
    {
        QFETCH(THighlightType, type);
        QFETCH(int, glyph);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, expected);
        Page page;
        TBoardHighlight *mark = page.mark(QStringLiteral("Ring"), type, QRect(40, 30, 65, 65));
        QVERIFY(page.showPainted());
        QVERIFY(mark->glyphsBuilt());
        QCOMPARE(glyphOf(mark, glyph).size(), QSize(65, 65));
        QCOMPARE(QColor(glyphOf(mark, glyph).pixel(pixel)), QColor(expected));
    }

    void glyphsStartAsTheBoardsDrawingUnderTheMark_data()
    {
        QTest::addColumn<bool>("centred");
        QTest::newRow("board in place") << false;
        QTest::newRow("board centres itself at its first paint") << true;
    }
    void glyphsStartAsTheBoardsDrawingUnderTheMark()
    {
        QFETCH(bool, centred);
        Page page;
        QImage picture(400, 300, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        page.board->setPictureImage(picture);
        page.board->setCenterOnForm(centred);
        TBoardHighlight *mark = page.mark(QStringLiteral("Ring"), htSettings, QRect(41, 57, 65, 49));
        // A sibling painted before the mark must not show in its glyphs.
        auto *cover = new QWidget(page.board);
        cover->setAutoFillBackground(true);
        cover->setPalette(QPalette(Qt::black));
        cover->setGeometry(30, 50, 20, 20);
        cover->stackUnder(mark);
        QVERIFY(page.showPainted());
        QCOMPARE(page.board->pos() != QPoint(126, 26), centred);
        for (const QPoint p : {QPoint(0, 0), QPoint(64, 0), QPoint(0, 48), QPoint(64, 48), QPoint(32, 0)})
            QCOMPARE(QColor(mark->normalGlyph().pixel(p)), QColor(picture.pixel(p + QPoint(41, 57))));
        QCOMPARE(QColor(mark->activeGlyph().pixel(64, 48)), QColor(picture.pixel(105, 105)));
        QCOMPARE(QColor(mark->hotGlyph().pixel(0, 24)), QColor(picture.pixel(41, 81)));
    }

    void glyphChoice_data()
    {
        QTest::addColumn<bool>("lit");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("glyph");
        QTest::addColumn<QRgb>("peak");
        QTest::newRow("idle") << false << false << int(Normal) << rgb(178, 178, 50);
        QTest::newRow("lit") << true << false << int(Hot) << rgb(216, 216, 25);
        QTest::newRow("popup active, unlit") << false << true << int(Hot) << rgb(216, 216, 25);
        QTest::newRow("lit and popup active") << true << true << int(Active) << rgb(255, 255, 255);
    }
    void glyphChoice()
    {
        QFETCH(bool, lit);
        QFETCH(bool, active);
        QFETCH(int, glyph);
        QFETCH(QRgb, peak);
        Page page;
        TBoardHighlight *mark = page.mark(QStringLiteral("Ring"), htSettings, QRect(40, 30, 65, 65));
        mark->setCreatePopup(false);
        QVERIFY(page.showPainted());
        if (lit)
            mark->mouseEnter(0);
        if (active)
            mark->setPopupActive(true, false);
        QCOMPARE(mark->lit(), lit);
        QCOMPARE(mark->currentGlyph().cacheKey(), glyphOf(mark, glyph).cacheKey());
        // What the board shows at the ring's peak is the chosen glyph, copied as it is.
        const QImage shown = page.board->grab().toImage();
        QCOMPARE(QColor(shown.pixel(40 + 32, 30 + 4)), QColor(peak));
        QCOMPARE(QColor(shown.pixel(40 + 32, 30 + 32)), QColor(glyphOf(mark, glyph).pixel(32, 32)));
    }

    void laterPaintsReuseTheGlyphs()
    {
        Page page;
        TBoardHighlight *mark = page.mark(QStringLiteral("Ring"), htSettings, QRect(40, 30, 65, 65));
        QVERIFY(page.showPainted());
        const qint64 normal = mark->normalGlyph().cacheKey();
        const qint64 hot = mark->hotGlyph().cacheKey();
        mark->setHighlightType(htOptions);
        mark->repaint();
        page.board->repaint();
        QCOMPARE(mark->normalGlyph().cacheKey(), normal);
        QCOMPARE(mark->hotGlyph().cacheKey(), hot);
        // The kind changed after the first paint: the yellow ring stays as it was built.
        QCOMPARE(QColor(mark->normalGlyph().pixel(32, 4)), QColor(178, 178, 50));
    }

    // A ring needs two pixels each way; thinner marks show the picture as it is and never
    // divide by zero.
    void tooSmallForARing_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("one pixel wide") << QSize(1, 65);
        QTest::newRow("one pixel high") << QSize(65, 1);
        QTest::newRow("one by one") << QSize(1, 1);
        QTest::newRow("empty") << QSize(0, 40);
    }
    void tooSmallForARing()
    {
        QFETCH(QSize, size);
        for (int glyph : {int(Normal), int(Hot), int(Active)}) {
            const QImage img = rendered(size, htSettings, glyph);
            QCOMPARE(img, uniform(size.width(), size.height()));
        }
        Page page;
        TBoardHighlight *mark = page.mark(QStringLiteral("Thin"), htSettings, QRect(QPoint(50, 50), size));
        QVERIFY(page.showPainted());
        if (!size.isEmpty()) {
            QVERIFY(mark->glyphsBuilt());
            QCOMPARE(mark->activeGlyph(), uniform(size.width(), size.height()));
        }
    }

    void matchesTheExtendedPrecisionSum_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<float>("strength");
        QTest::addColumn<quint32>("color");
        QTest::addColumn<bool>("white");
        QTest::newRow("wide settings") << QSize(360, 60) << 0.5f << quint32(0x0000FFFF) << false;
        QTest::newRow("tall active") << QSize(33, 377) << 1.0f << quint32(0x0000FFFF) << true;
        QTest::newRow("options hot") << QSize(49, 41) << 0.5f << quint32(0x00FF0000) << false;
        QTest::newRow("odd strength") << QSize(81, 77) << 0.3f << quint32(0x00123456) << true;
        QTest::newRow("faint") << QSize(65, 65) << 0.001f << quint32(0x00FFFFFF) << false;
    }
    void matchesTheExtendedPrecisionSum()
    {
        QFETCH(QSize, size);
        QFETCH(float, strength);
        QFETCH(quint32, color);
        QFETCH(bool, white);
        const QImage background = noise(size, size.width() * 31u + size.height());
        QImage img = background;
        TRingRenderer::render(img, strength, color, white);
        QCOMPARE(img, reference(background, strength, color, white));
    }

    void glyphSetEqualsThreeSingleRenders_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("format");
        // Large marks are blended in two halves on two threads; small ones in one pass.
        QTest::newRow("small, one pass") << QSize(81, 57) << int(QImage::Format_RGB32);
        QTest::newRow("tall, split") << QSize(81, 377) << int(QImage::Format_RGB32);
        QTest::newRow("odd height, split") << QSize(33, 377) << int(QImage::Format_RGB32);
        QTest::newRow("wide, split") << QSize(360, 61) << int(QImage::Format_RGB32);
        QTest::newRow("other format") << QSize(120, 90) << int(QImage::Format_RGB888);
    }
    void glyphSetEqualsThreeSingleRenders()
    {
        QFETCH(QSize, size);
        QFETCH(int, format);
        const QImage background =
            noise(size, size.width() * 7u + size.height()).convertToFormat(QImage::Format(format));
        QImage n, a, h;
        TRingRenderer::renderSet(background, 0x000000FF, 0.5f, 1.0f, 0.75f, n, a, h);
        QImage n1 = background, a1 = background, h1 = background;
        TRingRenderer::render(n1, 0.5f, 0x000000FF, false);
        TRingRenderer::render(a1, 1.0f, 0x000000FF, true);
        TRingRenderer::render(h1, 0.75f, 0x000000FF, false);
        QCOMPARE(n, n1);
        QCOMPARE(a, a1);
        QCOMPARE(h, h1);
        QVERIFY(n != background.convertToFormat(QImage::Format_RGB32) && a != n && h != n);
    }

    void glyphSetLeavesTheCallersBackgroundAlone()
    {
        // The background is shared with the caller's copy until the blend writes to it.
        const QImage background = noise(QSize(81, 377), 3);
        const QImage before = background.copy();
        QImage n, a, h;
        TRingRenderer::renderSet(background, 0x0000FFFF, 0.5f, 1.0f, 0.75f, n, a, h);
        QCOMPARE(background, before);
        QVERIFY(n != background);
    }

    void twoByTwoKeepsItsCorners()
    {
        // Every pixel of a 2 x 2 mark sits on the inscribed ellipse's bounding corners.
        const QImage img = rendered(QSize(2, 2), htSettings, Active);
        QCOMPARE(img, uniform(2, 2));
        const QImage three = rendered(QSize(3, 3), htSettings, Normal);
        QCOMPARE(QColor(three.pixel(1, 1)), QColor(112, 112, 92));
        QCOMPARE(QColor(three.pixel(0, 0)), QColor(100, 100, 100));
    }
};

SETUP_TEST_MAIN(TestRing)
#include "tst_ring.moc"

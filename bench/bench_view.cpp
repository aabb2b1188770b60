// Board view costs: building the ring glyphs for the page's eight mark sizes, a light/unlight
// repaint, and showing a popup the first time and again.
#include "components/boardhighlight.h"
#include "components/boardimage.h"
#include "components/popupform.h"
#include "components/radiopanel.h"
#include "components/ringrenderer.h"
#include "platform/application.h"
#include "platform/componentowner.h"
#include "platform/menuitem.h"

#include <QCursor>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {
class BenchPage : public QMainWindow, public TComponentOwner {
public:
    TBoardImage *board;
    TMainMenu *menu;
    BenchPage()
    {
        auto *client = new QWidget(this);
        setCentralWidget(client);
        menu = new TMainMenu(menuBar(), this);
        board = new TBoardImage(client);
        QImage picture(600, 559, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        board->setPictureImage(picture);
        board->setBounds(126, 26, 600, 559);
        board->setStretch(true);
        board->setMenu(menu);
        board->setCenterOnForm(false);
        resize(1000, 700);
        show();
        for (int i = 0; i < 20 && !windowHandle()->isExposed(); ++i)
            QApplication::processEvents();
        QApplication::processEvents();
    }
};

const QList<QSize> markSizes = {{360, 60}, {345, 65}, {81, 377}, {81, 377}, {41, 57}, {36, 377}, {33, 377}, {49, 41}};

void BM_BuildGlyphsEightMarks(benchmark::State &state)
{
    BenchPage page;
    QList<TBoardHighlight *> marks;
    for (const QSize &s : markSizes) {
        auto *m = new TBoardHighlight(page.board);
        m->setGeometry(QRect(QPoint(100, 100), s));
        marks << m;
    }
    for (auto _ : state)
        for (TBoardHighlight *m : marks)
            m->buildGlyphs();
}
BENCHMARK(BM_BuildGlyphsEightMarks)->Unit(benchmark::kMillisecond)->UseRealTime();

// The blending alone, three passes per mark, without reading the board back.
void BM_RingBlendEightMarks(benchmark::State &state)
{
    for (auto _ : state)
        for (const QSize &s : markSizes)
            for (int pass = 0; pass < 3; ++pass) {
                QImage glyph(s, QImage::Format_RGB32);
                glyph.fill(Qt::gray);
                TRingRenderer::render(glyph, 0.5f, 0x0000FFFF, pass == 1);
                benchmark::DoNotOptimize(glyph.constBits());
            }
}
BENCHMARK(BM_RingBlendEightMarks)->Unit(benchmark::kMillisecond);

// The one-pass blend of the three glyphs per mark, as the marks build them, without the board.
void BM_GlyphSetEightMarks(benchmark::State &state)
{
    QList<QImage> backgrounds;
    for (const QSize &s : markSizes) {
        QImage b(s, QImage::Format_RGB32);
        b.fill(Qt::gray);
        backgrounds << b;
    }
    for (auto _ : state)
        for (const QImage &b : backgrounds) {
            QImage n, a, h;
            TRingRenderer::renderSet(b, 0x0000FFFF, 0.5f, 1.0f, 0.75f, n, a, h);
            benchmark::DoNotOptimize(h.constBits());
        }
}
BENCHMARK(BM_GlyphSetEightMarks)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LightUnlightRepaint(benchmark::State &state)
{
    BenchPage page;
    auto *m = new TBoardHighlight(page.board);
    m->setGeometry(100, 100, 81, 377);
    m->setCreatePopup(false);
    m->show();
    m->repaint();
    QCursor::setPos(1270, 1015);
    for (auto _ : state) {
        m->mouseEnter(0);
        m->repaint();
        m->mouseLeave(0);
        m->repaint();
    }
}
BENCHMARK(BM_LightUnlightRepaint)->Unit(benchmark::kMicrosecond);

TBoardHighlight *popupMark(BenchPage &page, int i)
{
    auto *panel = new TRadioPanel(page.centralWidget());
    panel->setGeometry(700, 50, 313, 137);
    panel->setLines({QStringLiteral("Set the switch to the stack position."), QStringLiteral("Then set the jumpers.")});
    auto *m = new TBoardHighlight(page.board);
    m->setGeometry(100, 100, 65, 65);
    m->setTitle(QStringLiteral("Popup %1").arg(i));
    m->setRadioPanel(panel);
    m->show();
    m->repaint();
    return m;
}

void BM_FirstShowPopup(benchmark::State &state)
{
    BenchPage page;
    QCursor::setPos(1270, 1015);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TBoardHighlight *m = popupMark(page, i++);
        state.ResumeTiming();
        m->mouseEnter(0);
        QApplication::processEvents();
        state.PauseTiming();
        m->mouseLeave(0);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstShowPopup)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_LaterShowPopup(benchmark::State &state)
{
    BenchPage page;
    QCursor::setPos(1270, 1015);
    TBoardHighlight *m = popupMark(page, 0);
    m->mouseEnter(0);
    m->mouseLeave(0);
    QApplication::processEvents();
    for (auto _ : state) {
        m->mouseEnter(0);
        QApplication::processEvents();
        state.PauseTiming();
        m->mouseLeave(0);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LaterShowPopup)->Unit(benchmark::kMillisecond)->Iterations(200);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Cold start of the guide against a bare Qt program that shows the same photograph in a window
// with a menu bar, each a fresh process, timed from spawn to the end of the main window's first
// paint; and the JPEG decoding on its own.
#include "app/mainform.h"
#include "app/page/boardpage.h"
#include "platform/application.h"
#include "platform/jpegdecoder.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
std::string g_self;

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

QByteArray photo()
{
    QFile f(":/page/boardphoto.jpg");
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void report()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld %ld\n", static_cast<long long>(monotonicNs()), usage.ru_maxrss);
    std::fflush(stdout);
}

// The application class with a watch on one widget, or on every widget of one window: the
// moment the event that carried its first paint has been handled (painting and flushing done)
// is reported with the peak memory, and the program quits. An event in which the widget also
// moved does not count: what it drew there is not where it ends up on the screen. Work the
// program does after that paint, such as its idle handler, is left out, for the guide and the
// bare program alike.
template <class App> class Timed : public App {
public:
    Timed(int &argc, char **argv, QString watched) : App(argc, argv), m_watched(std::move(watched)) {}

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool outermost = m_depth == 0;
        if (outermost)
            m_painted = m_moved = false;
        if ((event->type() == QEvent::Paint || event->type() == QEvent::Move) && watched(receiver))
            (event->type() == QEvent::Paint ? m_painted : m_moved) = true;
        ++m_depth;
        const bool result = App::notify(receiver, event);
        --m_depth;
        if (outermost && m_painted && !m_moved && !m_reported) {
            m_reported = true;
            report();
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        }
        return result;
    }

private:
    bool watched(QObject *o) const
    {
        if (!o->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(o);
        return w->objectName() == m_watched || w->window()->objectName() == m_watched;
    }

    QString m_watched;
    int m_depth = 0;
    bool m_painted = false;
    bool m_moved = false;
    bool m_reported = false;
};

class BarePhoto : public QWidget {
public:
    QImage image;
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
    }
};

// Shows `second` 100 ms after `first` has had its first paint, as the guide shows its
// instructions 100 ms after its first idle moment.
class SecondWindowLater : public QObject {
public:
    SecondWindowLater(QWidget *first, QWidget *second) : m_first(first), m_second(second) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!m_seen && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget *>(o)->window() == m_first) {
            m_seen = true;
            QWidget *second = m_second;
            QTimer::singleShot(100, [second] { second->show(); });
        }
        return false;
    }

private:
    QWidget *m_first;
    QWidget *m_second;
    bool m_seen = false;
};

int runChild(const char *which)
{
    int argc = 1;
    char name[] = "child";
    char *argv[] = {name, nullptr};
    const bool toSecond = std::strcmp(which, "guide-help") == 0 || std::strcmp(which, "bare-help") == 0;
    if (std::strcmp(which, "guide") == 0 || std::strcmp(which, "guide-help") == 0) {
        // As the program's main() does.
        BoardPage::prefetch();
        Timed<TApplication> app(argc, argv, toSecond ? QStringLiteral("HelpForm") : QStringLiteral("BoardImage1"));
        TMainForm form;
        form.showMaximized();
        return app.exec();
    }
    Timed<QApplication> app(argc, argv, toSecond ? QStringLiteral("Second") : QStringLiteral("Photo"));
    QMainWindow window;
    window.setObjectName(QStringLiteral("Main"));
    window.menuBar()->addMenu("&File")->addAction("&Exit");
    window.menuBar()->addMenu("&Help");
    auto *view = new BarePhoto;
    view->setObjectName(QStringLiteral("Photo"));
    view->image.loadFromData(photo(), "JPG");
    window.setCentralWidget(view);
    QWidget second;
    second.setObjectName(QStringLiteral("Second"));
    second.resize(488, 221);
    SecondWindowLater later(&window, &second);
    if (toSecond)
        app.installEventFilter(&later);
    window.showMaximized();
    return app.exec();
}

struct Sample {
    double seconds;
    long rssKb;
};

Sample spawn(const char *which)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {0, 0};
    const qint64 start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(g_self.c_str(), g_self.c_str(), "--child", which, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buf[128] = {0};
    ssize_t n = read(fds[0], buf, sizeof buf - 1);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long paintedAt = 0;
    long rss = 0;
    if (n > 0)
        std::sscanf(buf, "%lld %ld", &paintedAt, &rss);
    return {paintedAt > start ? double(paintedAt - start) / 1e9 : 0.0, rss};
}

// One guide start and one bare start per iteration, in alternating order, so that the load of
// this shared machine falls on both alike; the ratio is taken pair by pair.
struct Pair {
    Sample guide, bare;
};
std::vector<Pair> g_toPaint, g_toSecond;

void spawnPairs(benchmark::State &state, const char *guide, const char *bare, std::vector<Pair> &pairs)
{
    for (auto _ : state) {
        Pair p;
        if (pairs.size() % 2 == 0) {
            p.guide = spawn(guide);
            p.bare = spawn(bare);
        } else {
            p.bare = spawn(bare);
            p.guide = spawn(guide);
        }
        pairs.push_back(p);
        state.SetIterationTime(p.guide.seconds);
    }
}

void BM_ColdStartGuideAndBareQt(benchmark::State &state) { spawnPairs(state, "guide", "bare", g_toPaint); }
void BM_ToInstructionsGuideAndSecondWindowBareQt(benchmark::State &state)
{
    spawnPairs(state, "guide-help", "bare-help", g_toSecond);
}

void BM_JpegDecode(benchmark::State &state)
{
    const QByteArray data = photo();
    QImage out;
    for (auto _ : state) {
        JpegDecoder::decode(data, out);
        benchmark::DoNotOptimize(out.constBits());
    }
}

void BM_JpegDecodeQtReader(benchmark::State &state)
{
    const QByteArray data = photo();
    for (auto _ : state) {
        QImage out;
        out.loadFromData(data, "JPG");
        benchmark::DoNotOptimize(out.constBits());
    }
}

double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[size_t(q * double(v.size() - 1) + 0.5)];
}

double median(const std::vector<double> &v) { return quantile(v, 0.5); }
} // namespace

BENCHMARK(BM_ColdStartGuideAndBareQt)->UseManualTime()->Iterations(61)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToInstructionsGuideAndSecondWindowBareQt)->UseManualTime()->Iterations(61)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecodeQtReader)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argv[2]);
    g_self = argv[0];
    char self[4096];
    const ssize_t len = readlink("/proc/self/exe", self, sizeof self - 1);
    if (len > 0)
        g_self.assign(self, size_t(len));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    TApplication app(qargc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    auto summary = [](const std::vector<Pair> &pairs, const char *what) {
        if (pairs.empty())
            return;
        std::vector<double> guide, bare, ratio, guideRss, bareRss;
        for (const Pair &p : pairs) {
            guide.push_back(p.guide.seconds * 1e3);
            bare.push_back(p.bare.seconds * 1e3);
            if (p.bare.seconds > 0)
                ratio.push_back(p.guide.seconds / p.bare.seconds);
            guideRss.push_back(double(p.guide.rssKb) / 1024.0);
            bareRss.push_back(double(p.bare.rssKb) / 1024.0);
        }
        std::printf("%s (medians of %zu pairs): guide %.1f ms, bare Qt %.1f ms; ratio %.3f, quartiles %.3f - %.3f "
                    "(goal <= 1.10); peak memory guide %.1f MiB, bare Qt %.1f MiB, difference %.1f MiB\n",
                    what, pairs.size(), median(guide), median(bare), median(ratio), quantile(ratio, 0.25),
                    quantile(ratio, 0.75), median(guideRss), median(bareRss), median(guideRss) - median(bareRss));
    };
    summary(g_toPaint, "cold start to first paint");
    summary(g_toSecond, "cold start to the instructions window (bare Qt: second window)");
    benchmark::Shutdown();
    return 0;
}

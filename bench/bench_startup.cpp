// Cold start of the guide against a bare Qt program that shows the same photograph in a window
// with a menu bar, each a fresh process, timed from spawn to the end of the main window's first
// paint; and the JPEG decoding on its own.
#include "app/mainform.h"
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
    QCoreApplication::quit();
}

// Reports when a window named `name` has been shown and painted.
class ShownWatch : public QObject {
public:
    explicit ShownWatch(QString name) : m_name(std::move(name)) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!m_seen && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget *>(o)->window()->objectName() == m_name) {
            m_seen = true;
            QTimer::singleShot(0, [] { report(); });
        }
        return false;
    }

private:
    QString m_name;
    bool m_seen = false;
};

// Prints the moment the window's first paint has been processed, and the peak memory. With
// a second window, that window is shown 100 ms after the first paint, as the guide shows its
// instructions 100 ms after its first idle moment.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget *window, QWidget *second = nullptr) : m_window(window), m_second(second) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!m_seen && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget *>(o)->window() == m_window) {
            m_seen = true;
            if (m_second) {
                QWidget *second = m_second;
                QTimer::singleShot(100, [second] { second->show(); });
                return false;
            }
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", static_cast<long long>(monotonicNs()), usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    QWidget *m_second;
    bool m_seen = false;
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

int runChild(const char *which)
{
    int argc = 1;
    char name[] = "child";
    char *argv[] = {name, nullptr};
    if (std::strcmp(which, "guide") == 0 || std::strcmp(which, "guide-help") == 0) {
        TApplication app(argc, argv);
        TMainForm form;
        FirstPaintWatch paint(&form);
        ShownWatch help(QStringLiteral("HelpForm"));
        app.installEventFilter(std::strcmp(which, "guide") == 0 ? static_cast<QObject *>(&paint) : &help);
        form.showMaximized();
        return app.exec();
    }
    const bool withSecond = std::strcmp(which, "bare-help") == 0;
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File")->addAction("&Exit");
    window.menuBar()->addMenu("&Help");
    auto *view = new BarePhoto;
    view->image.loadFromData(photo(), "JPG");
    window.setCentralWidget(view);
    QWidget second;
    second.setObjectName(QStringLiteral("Second"));
    second.resize(488, 221);
    FirstPaintWatch watch(&window, withSecond ? &second : nullptr);
    ShownWatch secondShown(QStringLiteral("Second"));
    app.installEventFilter(&watch);
    if (withSecond)
        app.installEventFilter(&secondShown);
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

std::vector<Sample> g_guide, g_bare, g_guideHelp, g_bareHelp;

void spawnEach(benchmark::State &state, const char *which, std::vector<Sample> &samples)
{
    for (auto _ : state) {
        const Sample s = spawn(which);
        samples.push_back(s);
        state.SetIterationTime(s.seconds);
    }
}

void BM_ColdStartBareQt(benchmark::State &state) { spawnEach(state, "bare", g_bare); }
void BM_ColdStartGuide(benchmark::State &state) { spawnEach(state, "guide", g_guide); }
void BM_ToSecondWindowBareQt(benchmark::State &state) { spawnEach(state, "bare-help", g_bareHelp); }
void BM_ToInstructionsGuide(benchmark::State &state) { spawnEach(state, "guide-help", g_guideHelp); }

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

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

BENCHMARK(BM_ColdStartBareQt)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColdStartGuide)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToSecondWindowBareQt)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToInstructionsGuide)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
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
    auto seconds = [](const std::vector<Sample> &v) {
        std::vector<double> out;
        for (const Sample &s : v)
            out.push_back(s.seconds);
        return out;
    };
    auto rss = [](const std::vector<Sample> &v) {
        std::vector<double> out;
        for (const Sample &s : v)
            out.push_back(double(s.rssKb));
        return out;
    };
    if (!g_guide.empty() && !g_bare.empty()) {
        const double guide = median(seconds(g_guide)), bare = median(seconds(g_bare));
        std::printf("cold start to first paint (median): guide %.1f ms, bare Qt %.1f ms, ratio %.3f (goal <= 1.10)\n",
                    guide * 1e3, bare * 1e3, bare > 0 ? guide / bare : 0.0);
        std::printf("peak memory at first paint (median): guide %.1f MiB, bare Qt %.1f MiB, difference %.1f MiB\n",
                    median(rss(g_guide)) / 1024.0, median(rss(g_bare)) / 1024.0,
                    (median(rss(g_guide)) - median(rss(g_bare))) / 1024.0);
    }
    if (!g_guideHelp.empty() && !g_bareHelp.empty()) {
        const double guide = median(seconds(g_guideHelp)), bare = median(seconds(g_bareHelp));
        std::printf("cold start to the instructions window shown (median): guide %.1f ms, bare Qt second window "
                    "%.1f ms, ratio %.3f (goal <= 1.10)\n",
                    guide * 1e3, bare * 1e3, bare > 0 ? guide / bare : 0.0);
    }
    benchmark::Shutdown();
    return 0;
}

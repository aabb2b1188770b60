#include "platform/application.h"

#include "platform/accessiblecontrol.h"
#include "platform/errors.h"
#include "platform/messageboxes.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QEvent>
#include <QFontDatabase>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    QAccessible::installFactory(&TAccessibleControl::factory);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TApplication::onAboutToBlock);
    // Reading the system's font list is the largest single cost of a start; the first form
    // spends about as long decoding its photograph before it measures any text. The list is
    // read on a second thread meanwhile (the font database locks itself), and the first text
    // measurement waits for it if it is not ready yet.
    m_fontWarmUp = std::thread([] { QFontDatabase::families(); });
}

TApplication::~TApplication()
{
    if (m_fontWarmUp.joinable())
        m_fontWarmUp.join();
}

TApplication *TApplication::instance()
{
    return qobject_cast<TApplication *>(QCoreApplication::instance());
}

void TApplication::setOnIdle(IdleHandler handler)
{
    m_onIdle = std::move(handler);
}

QWidget *TApplication::mainForm() const
{
    if (m_mainForm)
        return m_mainForm;
    for (const QPointer<QWidget> &f : m_forms)
        if (f)
            return f;
    return nullptr;
}

void TApplication::setMainForm(QWidget *form)
{
    m_mainForm = form;
    m_mainPainted = false;
}

void TApplication::registerForm(QWidget *form)
{
    for (const QPointer<QWidget> &f : m_forms)
        if (f == form)
            return;
    m_forms.append(form);
}

QList<QWidget *> TApplication::forms() const
{
    QList<QWidget *> out;
    for (const QPointer<QWidget> &f : m_forms)
        if (f)
            out.append(f);
    return out;
}

int TApplication::formTag(const QWidget *form)
{
    return form ? form->property("Tag").toInt() : 0;
}

void TApplication::showException(const QString &text)
{
    if (m_reporting) {
        ++m_suppressedReports;
        return;
    }
    m_reporting = true;
    const QString title = applicationDisplayName().isEmpty() ? applicationName() : applicationDisplayName();
    MessageBoxes::show(text, title, MessageBoxFlags::Ok | MessageBoxFlags::IconError);
    m_reporting = false;
}

void TApplication::handleException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        showException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showException(QStringLiteral("An unknown error occurred."));
    }
}

void TApplication::guarded(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (...) {
        if (TApplication *app = instance())
            app->handleException(std::current_exception());
    }
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        const bool result = QApplication::notify(receiver, event);
        if (!m_mainPainted && event->type() == QEvent::Paint && receiver->isWidgetType()) {
            QWidget *w = static_cast<QWidget *>(receiver);
            if (w->window() == mainForm())
                m_mainPainted = true;
        }
        return result;
    } catch (...) {
        handleException(std::current_exception());
        return false;
    }
}

void TApplication::onAboutToBlock()
{
    if (!m_onIdle || !m_mainPainted || m_inIdle)
        return;
    m_inIdle = true;
    bool done = true;
    IdleHandler handler = m_onIdle; // the handler may clear itself
    guarded([&] { handler(this, done); });
    m_inIdle = false;
}

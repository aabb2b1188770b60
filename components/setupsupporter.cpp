#include "components/setupsupporter.h"

#include "components/helpform.h"
#include "components/pciform.h"
#include "components/techform.h"
#include "driver/llzorquel.h"
#include "platform/anchors.h"
#include "platform/application.h"
#include "platform/componentowner.h"
#include "platform/errors.h"
#include "platform/menuitem.h"
#include "platform/messageboxes.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>

namespace {
const QString NoCardFound = QStringLiteral("No Card Found");

void nameOn(QWidget *owner, QObject *component, const QString &name)
{
    // Owned by the main window in the page's sense: findable there by name when it keeps a
    // registry. A name already taken stays on the object only.
    if (auto *registry = dynamic_cast<TComponentOwner *>(owner); registry && registry->setComponentName(component, name))
        return;
    component->setObjectName(name);
}

TMainMenu *mainMenuOf(QWidget *window)
{
    if (auto *registry = dynamic_cast<TComponentOwner *>(window)) {
        for (QObject *c : registry->components())
            if (auto *menu = qobject_cast<TMainMenu *>(c))
                return menu;
    }
    return window->findChild<TMainMenu *>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

TSetupSupporter::TSetupSupporter(QObject *owner) : QObject(owner)
{
    m_calibrating = false;
    m_helpPending = false;
    m_window = new TTimerWindow([this](TWindowMessage &m) { TimerWndProc(m); }, this);
    m_useCardNameB = false;
    m_multiPort = false;
    m_channels = 8;
    m_changeButtons = true;
    m_bSeries = true;
}

TSetupSupporter::~TSetupSupporter()
{
    m_calibrating = false;
    m_helpPending = false;
    UpdateTimer(); // only stops: nothing left to refuse
    delete m_window;
    m_window = nullptr;
}

void TSetupSupporter::setOnBeginCalib(TNotifyEvent handler)
{
    m_onBeginCalib = std::move(handler);
    UpdateTimer();
}

QWidget *TSetupSupporter::mainWindow() const
{
    if (auto *w = qobject_cast<QWidget *>(parent()))
        return w->window();
    TApplication *app = TApplication::instance();
    return app ? app->mainForm() : nullptr;
}

QWidget *TSetupSupporter::clientArea() const
{
    QWidget *main = mainWindow();
    if (auto *mw = qobject_cast<QMainWindow *>(main); mw && mw->centralWidget())
        return mw->centralWidget();
    return main;
}

void TSetupSupporter::ApplicationIdle(QObject *, bool &)
{
    if (TApplication *app = TApplication::instance())
        app->setOnIdle(nullptr);
    BuildSupport();
}

void TSetupSupporter::BuildSupport()
{
    const QString card = cardName();
    QWidget *main = mainWindow();
    if (!main)
        throw EComponentError(QStringLiteral("The setup supporter has no main window to build on."));
    QWidget *client = clientArea();

    auto *label = new QLabel(client);
    m_headerLabel = label;
    nameOn(main, label, QStringLiteral("HeaderLabel"));
    QFont headingFont(QStringLiteral("Tahoma"));
    headingFont.setStyleHint(QFont::SansSerif);
    headingFont.setPointSize(18);
    headingFont.setBold(true);
    label->setFont(headingFont);
    QPalette headingPalette = label->palette();
    headingPalette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(headingPalette);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(0, 0, client->width(), label->fontMetrics().height());
    TAnchorHelper::setAnchors(label, akLeft | akTop | akRight);
    label->show();

    TInstructionsOptions options;
    options.companyName = m_companyName;
    options.cardName = card;
    options.series = m_bSeries;
    options.multiPort = m_multiPort;
    options.listsCards = bool(m_onGetCardString);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(800, 600);
    m_helpForm = new THelpForm(main, options, screenSize);
    nameOn(main, m_helpForm, QStringLiteral("HelpForm"));

    m_techForm = new TTechForm(main, m_companyName, m_callHow);
    nameOn(main, m_techForm, QStringLiteral("TechForm"));
    QPushButton *techClose = m_techForm->CloseButton;
    connect(techClose, &QPushButton::clicked, this,
            [this, techClose] { TApplication::guarded([&] { CloseButtonClick(techClose); }); });

    bool found = true;
    if (m_onGetCardString) {
        if (TMainMenu *menu = mainMenuOf(main)) {
            for (int i = 0; i < menu->count(); ++i) {
                TMenuItem *top = menu->item(i);
                if (top && top->caption() == QLatin1String("&File")) {
                    auto *entry = new TMenuItem(top, QStringLiteral("Display ") + card + QStringLiteral(" Cards Installed"));
                    entry->setObjectName(QStringLiteral("DisplayPCI"));
                    entry->setOnClick([this](QObject *sender) { DisplayPCIClick(sender); });
                    top->insert(0, entry);
                    break;
                }
            }
        }

        m_pciForm = new TPCIForm(main, card);
        nameOn(main, m_pciForm, QStringLiteral("PCIForm"));
        QPushButton *pciClose = m_pciForm->CloseButton;
        connect(pciClose, &QPushButton::clicked, this,
                [this, pciClose] { TApplication::guarded([&] { CloseButtonClick(pciClose); }); });
        m_pciForm->show();

        LLZorquel::LoadDriver();
        found = false;
        const int count = LLZorquel::driver().cardCount();
        if (count > 0) {
            m_pciForm->PCIMemo->clear();
            // A driver that reports an absurd count must not freeze the program asking the
            // page for millions of descriptions: list the first ones and say how many were cut.
            const int listed = qMin(count, MaxListedCards);
            for (int index = 0; index < listed; ++index) {
                const QString line = m_onGetCardString(this, index);
                if (!line.isEmpty()) {
                    m_pciForm->PCIMemo->appendPlainText(line);
                    found = true;
                }
            }
            if (count > listed)
                m_pciForm->PCIMemo->appendPlainText(
                    QStringLiteral("%1 more cards reported by the driver are not listed.").arg(count - listed));
        }
    }

    if (found) {
        label->setText(card + (m_bSeries ? QStringLiteral(" Series") : QString()) + QStringLiteral(" Settings Program"));
    } else {
        if (m_pciForm)
            m_pciForm->PCIMemo->setPlainText(NoCardFound);
        label->setText(QStringLiteral("No ") + card + (m_bSeries ? QStringLiteral(" Series Card") : QString()) +
                       QStringLiteral(" Found"));
    }

    m_helpPending = true;
    UpdateTimer();
}

void TSetupSupporter::UpdateTimer()
{
    if (!m_window)
        return;
    m_window->killTimer(TimerId);
    if (m_calibrating || m_helpPending)
        m_window->setTimerOrThrow(TimerId, TimerPeriodMs);
}

void TSetupSupporter::TimerWndProc(TWindowMessage &message)
{
    if (message.msg != WM_TIMER_MESSAGE) {
        TTimerWindow::defaultWindowProc(message);
        return;
    }
    try {
        TimerTick();
    } catch (...) {
        // While this report's box is open its nested loop still delivers ticks; they hold
        // back their steps, so a failing step cannot pile report on report.
        QScopedValueRollback<bool> reporting(m_stepReportOpen, true);
        if (TApplication *app = TApplication::instance())
            app->handleException(std::current_exception());
    }
    message.result = 0;
}

void TSetupSupporter::TimerTick()
{
    if (m_helpPending) {
        if (m_helpForm)
            m_helpForm->showAndRaise();
        m_helpPending = false;
        UpdateTimer();
        return;
    }
    if (m_stepReportOpen) {
        ++m_stepsHeldBack;
        return;
    }
    calibrationStep();
}

void TSetupSupporter::CloseButtonClick(QObject *sender)
{
    auto *control = qobject_cast<QWidget *>(sender);
    if (control && control->parentWidget())
        control->parentWidget()->hide();
}

void TSetupSupporter::DisplayPCIClick(QObject *)
{
    if (m_pciForm)
        m_pciForm->showAndRaise();
}

void TSetupSupporter::SetCalibrating(bool on)
{
    if (on == m_calibrating)
        return;
    m_calibrating = on;
    UpdateTimer();
}

void TSetupSupporter::StopCalibration()
{
    if (m_changeButtons) {
        for (const CalibEntry &entry : std::as_const(m_calibEntries)) {
            if (QPushButton *button = entry.RunButton) {
                setButtonClickHandler(button, m_onStartButtonClick);
                button->setText(QStringLiteral("Start"));
            }
        }
    }
    SetCalibrating(false);
}

void TSetupSupporter::PostCalibString(quint8 channel, const QString &text)
{
    const QString line = QStringLiteral("Channel ") + QString::number(channel) + QLatin1Char('\t') + text;
    for (const CalibEntry &entry : std::as_const(m_calibEntries)) {
        QComboBox *list = entry.ChannelList;
        if (!list)
            continue;
        if (channel >= list->count())
            throw EComponentError(QStringLiteral("The channel list has no item for channel %1.").arg(channel));
        list->setItemText(channel, line);
    }
}

bool TSetupSupporter::addCalibEntry(QComboBox *channelList, QPushButton *runButton, QWidget *hideOnStep)
{
    if (m_calibEntries.size() >= MaxCalibEntries)
        return false;
    m_calibEntries.append(CalibEntry{channelList, runButton, hideOnStep});
    return true;
}

void TSetupSupporter::setButtonClickHandler(QPushButton *button, TNotifyEvent handler)
{
    if (!button)
        return;
    QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
    if (handler)
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [button, handler] { TApplication::guarded([&] { handler(button); }); });
}

void TSetupSupporter::calibrationStep()
{
    if (m_onBeginCalib) {
        TNotifyEvent begin = m_onBeginCalib; // the callback may replace itself
        begin(this);
    }
    if (!m_onGetCalibString) {
        SetCalibrating(false);
        MessageBoxes::show(QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."),
                           QStringLiteral("OnGetCalibString Not Assigned"),
                           MessageBoxFlags::Ok | MessageBoxFlags::IconExclamation | MessageBoxFlags::SetForeground |
                               MessageBoxFlags::TopMost);
        StopCalibration();
        return;
    }
    for (const CalibEntry &entry : std::as_const(m_calibEntries))
        if (QWidget *w = entry.HideOnStep)
            w->hide();

    bool itsAllBad = true;
    const TCalibEvent reading = m_onGetCalibString;
    for (int channel = 0; channel < int(m_channels); ++channel) {
        const QString text = reading(this, quint8(channel), itsAllBad);
        PostCalibString(quint8(channel), text);
    }
    if (!itsAllBad)
        return;
    // The timer stops before the box opens, so no step runs inside the box's loop.
    SetCalibrating(false);
    const int answer = MessageBoxes::show(
        QStringLiteral("Total A/D failure. The card may not be installed, or it may be installed at a different "
                       "base address."),
        QStringLiteral("Total A/D failure"),
        MessageBoxFlags::RetryCancel | MessageBoxFlags::IconExclamation | MessageBoxFlags::DefButton2 |
            MessageBoxFlags::SetForeground | MessageBoxFlags::TopMost);
    if (answer == MessageBoxAnswer::Retry)
        SetCalibrating(true);
    else
        StopCalibration();
}

#pragma once
#include "platform/events.h"
#include "platform/timerwindow.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "components/helpform.h"
#include "components/pciform.h"
#include "components/techform.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

// The common furniture of a board page: the heading, the instructions, technical-support and
// cards windows, and the timer that first opens the instructions and then drives calibration.
// It is non-visual: its owner is the main window, which also owns everything it builds.
class TSetupSupporter : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(QString CompanyName READ companyName WRITE setCompanyName)
    Q_PROPERTY(QString CardNameA READ cardNameA WRITE setCardNameA)
    Q_PROPERTY(QString CardNameB READ cardNameB WRITE setCardNameB)
    Q_PROPERTY(bool UseCardNameB READ useCardNameB WRITE setUseCardNameB)
    Q_PROPERTY(QString CallHow READ callHow WRITE setCallHow)
    Q_PROPERTY(bool MultiPort READ multiPort WRITE setMultiPort)
    Q_PROPERTY(quint8 Channels READ channels WRITE setChannels)
    Q_PROPERTY(bool ChangeButtons READ changeButtons WRITE setChangeButtons)
    Q_PROPERTY(bool bSeries READ bSeries WRITE setBSeries)
    // Events, published after the properties in this order: OnBeginCalib, OnGetCardString,
    // OnGetCalibString, OnStopButtonClick, OnStartButtonClick (accessors below).
public:
    using TPCIEvent = std::function<QString(QObject *sender, int cardIndex)>;
    using TCalibEvent = std::function<QString(QObject *sender, quint8 channel, bool &itsAllBad)>;

    struct CalibEntry {
        QPointer<QComboBox> ChannelList;
        QPointer<QPushButton> RunButton;
        QPointer<QWidget> HideOnStep;
    };
    static constexpr int MaxCalibEntries = 256;
    static constexpr unsigned TimerId = 1;
    static constexpr int TimerPeriodMs = 100;

    // The most cards the cards window lists.
    static constexpr int MaxListedCards = 256;

    explicit TSetupSupporter(QObject *owner = nullptr);
    ~TSetupSupporter() override;

    QString companyName() const { return m_companyName; }
    void setCompanyName(const QString &v) { m_companyName = v; }
    QString cardNameA() const { return m_cardNameA; }
    void setCardNameA(const QString &v) { m_cardNameA = v; }
    QString cardNameB() const { return m_cardNameB; }
    void setCardNameB(const QString &v) { m_cardNameB = v; }
    bool useCardNameB() const { return m_useCardNameB; }
    void setUseCardNameB(bool v) { m_useCardNameB = v; }
    QString callHow() const { return m_callHow; }
    void setCallHow(const QString &v) { m_callHow = v; }
    bool multiPort() const { return m_multiPort; }
    void setMultiPort(bool v) { m_multiPort = v; }
    quint8 channels() const { return m_channels; }
    void setChannels(quint8 v) { m_channels = v; }
    bool changeButtons() const { return m_changeButtons; }
    void setChangeButtons(bool v) { m_changeButtons = v; }
    bool bSeries() const { return m_bSeries; }
    void setBSeries(bool v) { m_bSeries = v; }

    const TNotifyEvent &onBeginCalib() const { return m_onBeginCalib; }
    // Restarts the timer's period while a run is going.
    void setOnBeginCalib(TNotifyEvent handler);
    const TPCIEvent &onGetCardString() const { return m_onGetCardString; }
    void setOnGetCardString(TPCIEvent handler) { m_onGetCardString = std::move(handler); }
    const TCalibEvent &onGetCalibString() const { return m_onGetCalibString; }
    void setOnGetCalibString(TCalibEvent handler) { m_onGetCalibString = std::move(handler); }
    const TNotifyEvent &onStopButtonClick() const { return m_onStopButtonClick; }
    void setOnStopButtonClick(TNotifyEvent handler) { m_onStopButtonClick = std::move(handler); }
    const TNotifyEvent &onStartButtonClick() const { return m_onStartButtonClick; }
    void setOnStartButtonClick(TNotifyEvent handler) { m_onStartButtonClick = std::move(handler); }

    // The name the texts use: CardNameB when UseCardNameB is set, else CardNameA.
    QString cardName() const { return m_useCardNameB ? m_cardNameB : m_cardNameA; }

    // The application's idle handler: removes itself, then builds the support.
    void ApplicationIdle(QObject *sender, bool &done);
    void BuildSupport();
    void UpdateTimer();
    void TimerWndProc(TWindowMessage &message);
    void TimerTick();
    void CloseButtonClick(QObject *sender);
    void DisplayPCIClick(QObject *sender);

    THelpForm *HelpForm() const { return m_helpForm; }
    TTechForm *TechForm() const { return m_techForm; }
    TPCIForm *PCIForm() const { return m_pciForm; }
    QLabel *HeaderLabel() const { return m_headerLabel; }
    TTimerWindow *WindowHandle() const { return m_window; }
    bool helpPending() const { return m_helpPending; }
    bool calibrating() const { return m_calibrating; }
    bool timerRunning() const { return m_window && m_window->isTimerActive(TimerId); }

    // The window the support is built on: the owner when it is a widget, else the
    // application's main form.
    QWidget *mainWindow() const;

    // Calibration.
    void SetCalibrating(bool on);
    void StopCalibration();
    void PostCalibString(quint8 channel, const QString &text);
    // Adds an entry whose channel list receives the readings, whose run button gets its Start
    // caption and handler back when the run ends, and whose control is hidden at every step.
    // False when the list is full.
    bool addCalibEntry(QComboBox *channelList, QPushButton *runButton, QWidget *hideOnStep);
    void clearCalibEntries() { m_calibEntries.clear(); }
    const QList<CalibEntry> &calibEntries() const { return m_calibEntries; }
    // Starts a run: the first step follows one timer period later.
    void startCalibration() { SetCalibrating(true); }
    // Makes handler the button's one click handler (none when unset).
    static void setButtonClickHandler(QPushButton *button, TNotifyEvent handler);

    // How many calibration steps found their own earlier error report still open and did not
    // run; such a step would only stack a second report on the first.
    int stepsHeldBack() const { return m_stepsHeldBack; }

private:
    void calibrationStep();
    QWidget *clientArea() const;

    QString m_companyName;
    QString m_cardNameA;
    QString m_cardNameB;
    QString m_callHow;
    bool m_useCardNameB = false;
    bool m_multiPort = false;
    quint8 m_channels = 8;
    bool m_changeButtons = true;
    bool m_bSeries = true;

    TNotifyEvent m_onBeginCalib;
    TPCIEvent m_onGetCardString;
    TCalibEvent m_onGetCalibString;
    TNotifyEvent m_onStopButtonClick;
    TNotifyEvent m_onStartButtonClick;

    bool m_helpPending = false;
    bool m_calibrating = false;
    bool m_stepReportOpen = false;
    int m_stepsHeldBack = 0;
    TTimerWindow *m_window = nullptr;
    QPointer<QLabel> m_headerLabel;
    QPointer<THelpForm> m_helpForm;
    QPointer<TTechForm> m_techForm;
    QPointer<TPCIForm> m_pciForm;
    QList<CalibEntry> m_calibEntries;
};

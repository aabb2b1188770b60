#include "app/page/boardpage.h"

#include "app/mainform.h"
#include "components/boardhighlight.h"
#include "components/boardimage.h"
#include "components/dipswitch.h"
#include "components/radiopanel.h"
#include "components/setupsupporter.h"
#include "components/threejumper.h"
#include "components/popupform.h"
#include "platform/application.h"
#include "platform/colors.h"
#include "platform/menuitem.h"
#include "platform/picture.h"

#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QMenuBar>
#include <functional>
#include <vector>

namespace {
// The page is built in its stored order. References to components that come later in that
// order (First, Menu, RadioPanel) are kept here and set once the whole tree exists, in the
// order they were read.
class PageBuilder {
public:
    explicit PageBuilder(TMainForm *form) : m_form(form) {}

    template <class T> T *named(T *component, const char *name)
    {
        m_form->setComponentName(component, QString::fromLatin1(name));
        return component;
    }
    void later(std::function<void()> resolve) { m_references.push_back(std::move(resolve)); }
    void resolveReferences()
    {
        for (const auto &resolve : m_references)
            resolve();
        m_references.clear();
    }
    // Sizes that follow a text are fitted once the tree exists: measuring text needs the
    // system's font list, which is still being read on another thread while the tree is
    // built, and the build has other work to do meanwhile.
    void fitLater(std::function<void()> fit) { m_fits.push_back(std::move(fit)); }
    void fitToTexts()
    {
        for (const auto &fit : m_fits)
            fit();
        m_fits.clear();
    }

private:
    TMainForm *m_form;
    std::vector<std::function<void()>> m_references;
    std::vector<std::function<void()>> m_fits;
};

// Keeps a word-wrapped label as high as its text at its width, now and whenever its font
// changes: a panel moved into a popup takes the popup's font, in which the text may need more
// lines' height than it did on the page.
void followTextHeight(QLabel *label)
{
    struct Follower : QObject {
        using QObject::QObject;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::FontChange)
                fit(static_cast<QLabel *>(watched));
            return false;
        }
        static void fit(QLabel *l) { l->resize(l->width(), l->heightForWidth(l->width())); }
    };
    label->installEventFilter(new Follower(label));
    Follower::fit(label);
}

const QString PhotoResource = QStringLiteral(":/page/boardphoto.jpg");

QFont pageFont()
{
    // "MS Sans Serif" at 11 pixels; where the font is missing a sans-serif of that size stands in.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void buildWindow(TMainForm *form)
{
    form->setWindowTitle(QStringLiteral("Setup"));
    form->setFont(pageFont());
    QPalette palette = form->clientArea()->palette();
    palette.setColor(QPalette::Window, toQColor(0x00FFFFFF));
    palette.setColor(QPalette::WindowText, toQColor(TColors::WindowText));
    form->clientArea()->setPalette(palette);
    form->clientArea()->setAutoFillBackground(true);
    form->setGeometry(203, 250, 855, 708);
}

struct MarkRow {
    TBoardHighlight *TMainForm::*member;
    const char *name;
    QRect bounds;
    bool kindStored;
    THighlightType kind;
    TRadioPanel *TMainForm::*panel;
    const char *title;
};

const MarkRow MarkRows[] = {
    {&TMainForm::PCI104Highlight, "PCI104Highlight", {120, 16, 360, 60}, true, htOptions, &TMainForm::PCI104Panel,
     "PCI/104 Connector"},
    {&TMainForm::PC104Highlight, "PC104Highlight", {179, 479, 345, 65}, true, htOptions, &TMainForm::PC104Panel,
     "PC/104 Connector"},
    {&TMainForm::header3highlight, "header3highlight", {520, 88, 81, 377}, true, htOptions, &TMainForm::Header3Panel,
     "Header 3"},
    {&TMainForm::header1highlight, "header1highlight", {0, 88, 81, 377}, true, htOptions, &TMainForm::Header1Panel,
     "Header 1"},
    {&TMainForm::dipSwitchHighlight, "dipSwitchHighlight", {364, 182, 41, 57}, false, htSettings,
     &TMainForm::switchPanel, "Dip Switches"},
    {&TMainForm::header2highlight, "header2highlight", {85, 88, 36, 377}, true, htOptions, &TMainForm::Header2Panel,
     "Header 2"},
    {&TMainForm::header4highlight, "header4highlight", {480, 88, 33, 377}, true, htOptions, &TMainForm::Header4Panel,
     "Header 4"},
    {&TMainForm::BoardHighlight1, "BoardHighlight1", {112, 514, 49, 41}, false, htSettings, &TMainForm::switchPanel,
     "Dip Switches"},
};

void buildBoardImage(PageBuilder &page, TMainForm *form)
{
    auto *image = page.named(new TBoardImage(form->clientArea()), "BoardImage1");
    form->BoardImage1 = image;
    image->setLoading(true);
    image->setBounds(126, 26, 600, 559);
    page.later([form] { form->BoardImage1->setFirst(form->dipSwitchHighlight); });
    page.later([form] { form->BoardImage1->setMenu(form->MainMenu1); });
    image->setAutoSize(false);
    image->picture()->loadJpegResource(PhotoResource);
    image->setStretch(true);

    for (const MarkRow &row : MarkRows) {
        auto *mark = page.named(new TBoardHighlight(image), row.name);
        form->*row.member = mark;
        mark->setBounds(row.bounds.x(), row.bounds.y(), row.bounds.width(), row.bounds.height());
        if (row.kindStored)
            mark->setHighlightType(row.kind);
        page.later([form, mark, panel = row.panel] { mark->setRadioPanel(form->*panel); });
        mark->setTitle(QString::fromUtf8(row.title));
    }
}

TRadioPanel *buildPanel(PageBuilder &page, TMainForm *form, TRadioPanel *TMainForm::*member, const char *name,
                        QRect bounds, int tabOrder, const QStringList &lines)
{
    auto *panel = page.named(new TRadioPanel(form->clientArea()), name);
    form->*member = panel;
    panel->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    panel->setLines(lines);
    // Panels hold their place in the main window's tab order but take no focus themselves.
    panel->setProperty("TabOrder", tabOrder);
    return panel;
}

const QString ManualPinout = QStringLiteral("For information about the pinout please see the manual.");

void buildSwitchPanelContents(PageBuilder &page, TMainForm *form)
{
    TRadioPanel *panel = form->switchPanel;
    auto jumper = [&](TThreeJumper *TMainForm::*member, const char *name, int left) {
        auto *j = page.named(new TThreeJumper(panel), name);
        form->*member = j;
        j->setBounds(left, 24, 18, 43);
        j->setJumperState(jsLeft);
        j->setOrientation(otRight);
        j->setOnClick([form](QObject *sender) { form->SelJumperClick(sender); });
    };
    jumper(&TMainForm::Sel0Jumper, "Sel0Jumper", 8);
    jumper(&TMainForm::Sel1Jumper, "Sel1Jumper", 32);
    // Screen readers hear the jumper's label, then its state ("SEL 1: left pins").
    form->Sel0Jumper->setAccessibleName(QStringLiteral("SEL 1"));
    form->Sel1Jumper->setAccessibleName(QStringLiteral("SEL 2"));

    auto label = [&](QLabel *TMainForm::*member, const char *name, int left, const char *caption) {
        auto *l = page.named(new QLabel(panel), name);
        form->*member = l;
        l->setGeometry(left, 72, 9, 52);
        l->setText(QString::fromLatin1(caption));
        // Word wrap at a width of one character: the caption reads downward, and the label's
        // height follows its text.
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        page.fitLater([l] { followTextHeight(l); });
    };
    label(&TMainForm::Label1, "Label1", 12, "S E L 1");
    label(&TMainForm::Label2, "Label2", 36, "S E L 2");

    auto *dip = page.named(new TDipSwitch(panel), "positionSwitch");
    form->positionSwitch = dip;
    dip->setBounds(232, 72, 33, 33);
    dip->setAccessibleName(QStringLiteral("DIP switches"));
    dip->setOrientation(otRight);
    dip->setNumSwitches(2);
    dip->setBinaryValueStr(QStringLiteral("11"));
    dip->setValue(3);
    dip->setOnMouseDown([form](QObject *sender, TMouseButton button, TShiftState shift, int x, int y) {
        form->positionSwitchMouseDown(sender, button, shift, x, y);
    });

    auto *combo = page.named(new QComboBox(panel), "ComboBox1");
    form->ComboBox1 = combo;
    combo->setGeometry(64, 32, 225, 21);
    combo->setAccessibleName(QStringLiteral("Stack position"));
    combo->setEditable(false);
    combo->setFocusPolicy(Qt::StrongFocus);
    // Only the user's choice in the list runs the change handler; setting the index from code
    // does not.
    QObject::connect(combo, &QComboBox::activated, form, [form] {
        TApplication::guarded([form] { form->ComboBox1Change(form->ComboBox1); });
    });
    combo->addItems({QStringLiteral("Position 1 (directly on processor board)"), QStringLiteral("Position 2"),
                     QStringLiteral("Position 3"), QStringLiteral("Position 4")});
    combo->setCurrentIndex(-1);
}

void buildPanels(PageBuilder &page, TMainForm *form)
{
    buildPanel(page, form, &TMainForm::PCI104Panel, "PCI104Panel", {584, 16, 233, 9}, 1,
               {QStringLiteral("This is the PCI/104 connector for the board")});
    buildPanel(page, form, &TMainForm::PC104Panel, "PC104Panel", {640, 600, 201, 9}, 2,
               {QStringLiteral("This is the PC/104 pass through connector. Any signal passing through this "
                               "connector is ignored by the board.")});
    buildPanel(page, form, &TMainForm::Header3Panel, "Header3Panel", {736, 240, 201, 9}, 3,
               {QStringLiteral("This is the connector for DIO bits 49 through 72."), ManualPinout});
    buildPanel(page, form, &TMainForm::Header1Panel, "Header1Panel", {0, 120, 233, 9}, 4,
               {QStringLiteral("This is the connector for DIO bits 1 through 24."), ManualPinout});
    TRadioPanel *sw = buildPanel(
        page, form, &TMainForm::switchPanel, "switchPanel", {296, 320, 313, 137}, 5,
        {QStringLiteral("Depending on which revision of the card you received the board will either have jumpers or "
                        "a DIP switch to set the position of the board on the stack."),
         QStringLiteral("This setting must properly reflect the boards actual position. For more information please "
                        "consult the manual.")});
    sw->setOnEnter([form](QObject *sender) { form->switchPanelEnter(sender); });
    buildSwitchPanelContents(page, form);
    buildPanel(page, form, &TMainForm::Header2Panel, "Header2Panel", {-8, 144, 233, 9}, 6,
               {QStringLiteral("This is the connector for DIO bits 25 through 48."), ManualPinout});
    buildPanel(page, form, &TMainForm::Header4Panel, "Header4Panel", {704, 312, 233, 9}, 7,
               {QStringLiteral("This is the connector for DIO bits 73 through 96."), ManualPinout});
}

void buildMenu(PageBuilder &page, TMainForm *form)
{
    form->MainMenu1 = page.named(new TMainMenu(form->menuBar(), form), "MainMenu1");
    auto item = [&](TMenuItem *TMainForm::*member, const char *name, const char *caption,
                    void (TMainForm::*handler)(QObject *)) {
        auto *i = page.named(new TMenuItem(form, QString::fromLatin1(caption)), name);
        form->*member = i;
        if (handler)
            i->setOnClick([form, handler](QObject *sender) { (form->*handler)(sender); });
        return i;
    };
    form->MainMenu1->add(item(&TMainForm::File1, "File1", "&File", nullptr));
    form->File1->add(item(&TMainForm::Exit2, "Exit2", "&Exit", &TMainForm::Exit2Click));
    form->MainMenu1->add(item(&TMainForm::Help1, "Help1", "&Help", nullptr));
    form->Help1->add(item(&TMainForm::Howtousethisprogram1, "Howtousethisprogram1", "H&ow to use this program",
                          &TMainForm::Howtousethisprogram1Click));
    form->Help1->add(item(&TMainForm::TechnicalSupport1, "TechnicalSupport1", "&Technical Support",
                          &TMainForm::TechnicalSupport1Click));
}

void buildSupporter(PageBuilder &page, TMainForm *form)
{
    auto *sup = page.named(new TSetupSupporter(form), "SetSup");
    form->SetSup = sup;
    sup->setCompanyName(QStringLiteral("Tarnwell"));
    sup->setCardNameA(QStringLiteral("QK-4410"));
    sup->setCardNameB(QStringLiteral("QK-4410"));
    sup->setCallHow(QStringLiteral("weekdays from 8:00 a.m. to 5:00 p.m. Pacific Time at (555) 010-4410"));
    sup->setChannels(0);
    sup->setChangeButtons(true);
}
} // namespace

void BoardPage::prefetch()
{
    TPicture::prefetchJpegResource(PhotoResource);
}

void BoardPage::build(TMainForm *form)
{
    PageBuilder page(form);
    buildWindow(form);
    buildBoardImage(page, form);
    buildPanels(page, form);
    buildMenu(page, form);
    buildSupporter(page, form);
    page.resolveReferences();
    page.fitToTexts();
    form->BoardImage1->loaded();
}

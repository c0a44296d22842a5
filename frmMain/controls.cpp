#include "frmMain/frmmain.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "frmMain/layout.h"
#include "platform/balloon.h"
#include "platform/focustip.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "platform/twips.h"
#include "platform/window.h"

// Builds the main window's controls from its layout tables: names, places, tab order and the
// connections to the named handlers.
namespace ui {

using bandalyx::ResultBox;
using platform::Shape;

namespace {

// Collects the controls with their places in the tab order, then chains them in that order.
class TabChain
{
public:
    void add(QWidget *widget, int tab) { m_stops.emplace_back(tab, widget); }
    void apply()
    {
        std::sort(m_stops.begin(), m_stops.end());
        std::vector<QWidget *> chain;
        for (const auto &[tab, widget] : m_stops)
            chain.push_back(widget);
        platform::setTabOrder(chain);
    }

private:
    std::vector<std::pair<int, QWidget *>> m_stops;
};

template<typename Widget> Widget *named(Widget *widget, const char *name, platform::TwipRect rect)
{
    widget->setObjectName(QLatin1String(name));
    platform::placeInTwips(widget, rect);
    return widget;
}

void createColourButtons(frmMain &w, TabChain &tabs)
{
    // Swatches first, so each button is drawn over the swatch edge it shares.
    for (const auto &row : MainLayout::Swatches)
        w.*row.member = named(new Shape(w.Frame3), row.name, row.rect);
    for (const auto &row : MainLayout::ColourButtons) {
        QPushButton *button = w.*row.member = named(new QPushButton(w.Frame3), row.name, row.rect);
        tabs.add(button, row.tab);
        // Painting its own background spares the frame behind a pressed button a repaint.
        button->setBackgroundRole(QPalette::Window);
        button->setAutoFillBackground(true);
        QObject::connect(button, &QPushButton::clicked, &w, row.click);
    }
}

void createOptions(frmMain &w, TabChain &tabs)
{
    const auto add = [&](const auto &row, QGroupBox *frame) {
        QRadioButton *option = w.*row.member
            = named(new platform::OptionButton(frame), row.name, row.rect);
        tabs.add(option, row.tab);
        platform::keepTabStopOnSelected(option);
        platform::onSelected(option, &w, row.click);
    };
    for (const auto &row : MainLayout::KindOptions)
        add(row, w.Frame1);
    for (const auto &row : MainLayout::BandOptions)
        add(row, w.Frame2);
}

void createResultControls(frmMain &w, TabChain &tabs)
{
    w.Picture2 = named(new platform::PictureBox(w.Frame4), "Picture2", MainLayout::Picture2Rect);
    tabs.add(w.Picture2, MainLayout::Picture2Tab);
    w.Picture2->setFocusPolicy(Qt::TabFocus);
    w.Picture2->installEventFilter(&w);
    platform::showToolTipOnKeyboardFocus(w.Picture2);
    // Through QIcon, so a high-DPI screen gets the image drawn at its pixel ratio.
    w.Picture2->setPicture(QIcon(QStringLiteral(":/resistor.png"))
                               .pixmap(MainLayout::ResistorImageSize, w.devicePixelRatioF()));
    for (const auto &row : MainLayout::Bands)
        w.*row.shape = named(new Shape(w.Picture2), row.shapeName, row.rect);

    for (const auto &row : MainLayout::Labels)
        w.*row.member = named(new QLabel(w.Frame4), row.name, row.rect);
    for (const auto &row : MainLayout::TextBoxes)
        tabs.add(w.*row.member = named(new QLineEdit(w.Frame4), row.name, row.rect), row.tab);
    // Each result box overlaps the next by two pixels. Stacking the upper box on top and
    // letting it paint its own background means a new value repaints that box alone, not a
    // strip of its neighbour and the frame behind it as well.
    for (auto row = MainLayout::TextBoxes.rbegin(); row != MainLayout::TextBoxes.rend(); ++row) {
        QLineEdit *box = w.*row->member;
        box->setBackgroundRole(QPalette::Window);
        box->setAutoFillBackground(true);
        box->raise();
        platform::showToolTipOnKeyboardFocus(box);
    }

    const ButtonRow &reset = MainLayout::ResetButton;
    w.*reset.member = named(new QPushButton(w.Frame4), reset.name, reset.rect);
    tabs.add(w.*reset.member, reset.tab);
    QObject::connect(w.*reset.member, &QPushButton::clicked, &w, reset.click);
}

} // namespace

void frmMain::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    mnuDecode = menuBar()->addAction(QString());
    mnuDecode->setObjectName(QStringLiteral("mnuDecode"));
    mnuAbout = menuBar()->addAction(QString());
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuDecode, &QAction::triggered, this, &frmMain::mnuDecode_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    platform::setFixedDialogFrame(this, MainLayout::ClientSize, platform::TaskBar::OwnEntry,
                                  client);

    for (const auto &row : MainLayout::Frames)
        this->*row.member = named(new QGroupBox(client), row.name, row.rect);
    TabChain tabs;
    createColourButtons(*this, tabs);
    createOptions(*this, tabs);
    createResultControls(*this, tabs);
    // Typed text is read on Enter; the balloon under a box says why it was not applied, until
    // the text is edited again.
    for (const auto &row : MainLayout::TextBoxes) {
        QLineEdit *box = this->*row.member;
        const auto which = ResultBox(&row - MainLayout::TextBoxes.data());
        m_boxMessages[std::size_t(which)] = new platform::Balloon(box, client);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, which] { hideBoxMessage(which); });
    }
    // Enter clicks the focused button, as Space does.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(true);
    tabs.apply();
}

} // namespace ui

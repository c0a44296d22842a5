#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QAccessible>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "engine/encode.h"
#include "engine/reader.h"
#include "engine/stepping.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace platform {
class Balloon;
class PictureBox;
class Shape;
} // namespace platform

namespace ui {

class frmAbout;
class frmGuide;
struct MainLayout;
struct KindOptionRow;
struct BandOptionRow;

// The reader window: the kind, band and colour choices, the resistor drawing and the results.
class frmMain : public QMainWindow,
                public bandalyx::ReaderView,
                private QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    static const QString Caption;

    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Where the reader finds the selection and writes its results.
    std::optional<bandalyx::Kind> selectedKind() const override;
    std::optional<bandalyx::Band> selectedBand() const override;
    void setResultText(bandalyx::ResultBox box, std::string_view text) override;

    void SelectColorValue(const QString &code);
    void BaseValueShow(bandalyx::BandValue a, bandalyx::BandValue b, bandalyx::BandValue c,
                       bandalyx::BandValue d, bandalyx::BandValue e, const QString &f);
    void BaseColorShow(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                       std::int32_t e, const QString &f);
    void SelectColorShow(int code);
    void CmdSelectShow(const bandalyx::CodeSet &enabled);

    frmGuide *guideWindow() const;
    frmAbout *aboutWindow() const;

    // The controls, by the names the rest of the program and its tests use.
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr;
    QRadioButton *Option4 = nullptr, *Option5 = nullptr, *Option6 = nullptr;
    QRadioButton *Option7 = nullptr, *Option8 = nullptr, *Option9 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;
    QPushButton *Command4 = nullptr, *Command5 = nullptr, *Command6 = nullptr;
    QPushButton *Command7 = nullptr, *Command8 = nullptr, *Command9 = nullptr;
    QPushButton *Command10 = nullptr, *Command11 = nullptr, *Command12 = nullptr;
    QPushButton *Command13 = nullptr;
    platform::Shape *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr;
    platform::Shape *Shape4 = nullptr, *Shape5 = nullptr, *Shape6 = nullptr;
    platform::Shape *Shape7 = nullptr, *Shape8 = nullptr, *Shape9 = nullptr;
    platform::Shape *Shape10 = nullptr, *Shape11 = nullptr, *Shape12 = nullptr;
    platform::Shape *Shape13 = nullptr, *Shape14 = nullptr, *Shape15 = nullptr;
    platform::Shape *Shape16 = nullptr, *Shape17 = nullptr, *Shape18 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QLabel *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    QLabel *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;
    platform::PictureBox *Picture2 = nullptr;
    QAction *mnuDecode = nullptr;
    QAction *mnuAbout = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend struct MainLayout;

    void createControls();
    void Form_Load();
    void Form_Unload();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void resultBoxKeyPress(bandalyx::ResultBox box, int key);
    void resultBoxLostFocus(bandalyx::ResultBox box);
    void mnuDecode_Click();
    void mnuAbout_Click();

    void KindDefaultShow();
    void ResultValueShow();

    void kindChosen(const KindOptionRow &row);
    void bandChosen(const BandOptionRow &row);
    void colourClicked(int code);
    void resetToDefault(bandalyx::Kind kind);
    void showColours(const std::array<std::int32_t, bandalyx::BandCount> &colours);
    void showPlainBands();
    void explainReading();
    void showExplanation();
    void accessibilityActiveChanged(bool active) override;
    void describeBand(bandalyx::Band band);
    void paintBand(bandalyx::Band band, int code, bool noColour);
    QLineEdit *resultBox(bandalyx::ResultBox box) const;
    void applyTyped(bandalyx::ResultBox box);
    void stepReading(bandalyx::Step step);
    void setValueBands(bandalyx::Kind kind, const bandalyx::BandCodes &codes);
    void showBoxMessage(bandalyx::ResultBox box, const QString &note);
    void showReading(bandalyx::ResultBox box);
    void hideBoxMessage(bandalyx::ResultBox box);
    void showNineAsWhite();
    void showNineAsNoColour(int noColourBand);
    void createGuideWindow();

    bandalyx::Reader m_reader {*this};
    bool m_explained = false; // the tooltips explain the last reading
    QPointer<frmGuide> m_guide;
    QPointer<frmAbout> m_about;
    // Why a value, tolerance or coefficient typed into a result box was not applied.
    std::array<platform::Balloon *, bandalyx::ResultBoxCount> m_boxMessages {};
};

} // namespace ui

#pragma once

#include <array>

#include <QPoint>
#include <QSize>

#include "engine/colourtable.h"
#include "frmMain/frmmain.h"
#include "platform/twips.h"

namespace ui {

using platform::TwipRect;

template<typename Widget> using Control = Widget *frmMain::*;
using Handler = void (frmMain::*)();

struct FrameRow
{
    Control<QGroupBox> member;
    const char *name;
    const char *caption;
    TwipRect rect;
};

// Kind options and band options are captioned with the engine's names of kinds and bands.
struct KindOptionRow
{
    Control<QRadioButton> member;
    const char *name;
    bandalyx::Kind kind;
    TwipRect rect;
    int tab;
    Handler click;
};

struct BandOptionRow
{
    Control<QRadioButton> member;
    const char *name;
    bandalyx::Band band;
    TwipRect rect;
    int tab;
    Handler click;
};

struct ColourButtonRow
{
    Control<QPushButton> member;
    const char *name;
    int code;
    TwipRect rect;
    int tab;
    Handler click;
};

struct SwatchRow
{
    Control<platform::Shape> member;
    const char *name;
    int code;
    TwipRect rect;
};

struct LabelRow
{
    Control<QLabel> member;
    const char *name;
    const char *caption; // none for the band letters, named by the engine
    TwipRect rect;
};

struct TextBoxRow
{
    Control<QLineEdit> member;
    const char *name;
    Control<QLabel> label; // names the box for screen readers
    TwipRect rect;
    int tab;
};

// A band's shape on the picture and its letter beside it.
struct BandRow
{
    bandalyx::Band band;
    Control<platform::Shape> shape;
    const char *shapeName;
    TwipRect rect; // where the shape stands until the first drawing moves it
    Control<QLabel> letter;
};

struct ButtonRow
{
    Control<QPushButton> member;
    const char *name;
    const char *caption;
    TwipRect rect;
    int tab;
    Handler click;
};

// The main window's geometry in twips, its captions and its tab order, in one place.
struct MainLayout
{
    static constexpr QSize ClientSize {6375, 3750};
    static constexpr QPoint ClientPosition {6270, 2235};
    static constexpr const char *DecodeMenuCaption = "판독법(&H)";
    static constexpr const char *AboutMenuCaption = "정보(&A)";
    static constexpr const char *GuideCaptionSuffix = " 도움말";

    // clang-format off
    static constexpr std::array<FrameRow, 4> Frames {{
        {&frmMain::Frame1, "Frame1", "저항 종류 선택", {3120, 120, 3135, 615}},
        {&frmMain::Frame2, "Frame2", "띠 순번 선택",   {3120, 840, 3135, 615}},
        {&frmMain::Frame3, "Frame3", "색상 선택",      {3120, 1560, 3135, 2055}},
        {&frmMain::Frame4, "Frame4", "결과 보기",      {120, 120, 2895, 3495}},
    }};

    // In Frame1, in kind order.
    static constexpr std::array<KindOptionRow, 3> KindOptions {{
        {&frmMain::Option1, "Option1", bandalyx::Kind::FourBands, {120, 240, 975, 255},  3, &frmMain::Option1_Click},
        {&frmMain::Option2, "Option2", bandalyx::Kind::FiveBands, {1200, 240, 975, 255}, 4, &frmMain::Option2_Click},
        {&frmMain::Option3, "Option3", bandalyx::Kind::SixBands,  {2280, 240, 615, 255}, 5, &frmMain::Option3_Click},
    }};

    // In Frame2, in band order.
    static constexpr std::array<BandOptionRow, bandalyx::BandCount> BandOptions {{
        {&frmMain::Option4, "Option4", bandalyx::Band::A, {120, 240, 1095, 255}, 6,  &frmMain::Option4_Click},
        {&frmMain::Option5, "Option5", bandalyx::Band::B, {600, 240, 975, 255},  7,  &frmMain::Option5_Click},
        {&frmMain::Option6, "Option6", bandalyx::Band::C, {1080, 240, 975, 255}, 8,  &frmMain::Option6_Click},
        {&frmMain::Option7, "Option7", bandalyx::Band::D, {1560, 240, 975, 255}, 17, &frmMain::Option7_Click},
        {&frmMain::Option8, "Option8", bandalyx::Band::E, {2040, 240, 975, 255}, 18, &frmMain::Option8_Click},
        {&frmMain::Option9, "Option9", bandalyx::Band::F, {2520, 240, 375, 255}, 19, &frmMain::Option9_Click},
    }};

    // Captions come from the colour table; a button and its swatch share left edge and width.
    static constexpr std::array<ColourButtonRow, bandalyx::ColourCount> ColourButtons {{
        {&frmMain::Command1,  "Command1",  0,  {120, 240, 735, 375},   34, &frmMain::Command1_Click},
        {&frmMain::Command2,  "Command2",  1,  {840, 240, 735, 375},   35, &frmMain::Command2_Click},
        {&frmMain::Command3,  "Command3",  2,  {1560, 240, 735, 375},  36, &frmMain::Command3_Click},
        {&frmMain::Command4,  "Command4",  3,  {2280, 240, 735, 375},  37, &frmMain::Command4_Click},
        {&frmMain::Command5,  "Command5",  4,  {120, 840, 735, 375},   9,  &frmMain::Command5_Click},
        {&frmMain::Command6,  "Command6",  5,  {840, 840, 735, 375},   10, &frmMain::Command6_Click},
        {&frmMain::Command7,  "Command7",  6,  {1560, 840, 735, 375},  11, &frmMain::Command7_Click},
        {&frmMain::Command8,  "Command8",  7,  {2280, 840, 735, 375},  12, &frmMain::Command8_Click},
        {&frmMain::Command9,  "Command9",  8,  {120, 1440, 735, 375},  13, &frmMain::Command9_Click},
        {&frmMain::Command10, "Command10", 9,  {840, 1440, 735, 375},  14, &frmMain::Command10_Click},
        {&frmMain::Command11, "Command11", 10, {1560, 1440, 735, 375}, 15, &frmMain::Command11_Click},
        {&frmMain::Command12, "Command12", 11, {2280, 1440, 735, 375}, 16, &frmMain::Command12_Click},
    }};

    static constexpr std::array<SwatchRow, bandalyx::ColourCount> Swatches {{
        {&frmMain::Shape7,  "Shape7",  0,  {120, 600, 735, 135}},
        {&frmMain::Shape8,  "Shape8",  1,  {840, 600, 735, 135}},
        {&frmMain::Shape9,  "Shape9",  2,  {1560, 600, 735, 135}},
        {&frmMain::Shape10, "Shape10", 3,  {2280, 600, 735, 135}},
        {&frmMain::Shape11, "Shape11", 4,  {120, 1200, 735, 135}},
        {&frmMain::Shape12, "Shape12", 5,  {840, 1200, 735, 135}},
        {&frmMain::Shape13, "Shape13", 6,  {1560, 1200, 735, 135}},
        {&frmMain::Shape14, "Shape14", 7,  {2280, 1200, 735, 135}},
        {&frmMain::Shape15, "Shape15", 8,  {120, 1800, 735, 135}},
        {&frmMain::Shape16, "Shape16", 9,  {840, 1800, 735, 135}},
        {&frmMain::Shape17, "Shape17", 10, {1560, 1800, 735, 135}},
        {&frmMain::Shape18, "Shape18", 11, {2280, 1800, 735, 135}},
    }};
    // clang-format on

    static constexpr TwipRect Picture2Rect {120, 240, 2655, 1095};
    static constexpr QSize ResistorImageSize {180, 74};
    static constexpr const char *Picture2Name = "저항 그림";
    static constexpr const char *LabelColon = " :";
    static constexpr int Picture2Tab = 38;

    // clang-format off
    static constexpr std::array<BandRow, bandalyx::BandCount> Bands {{
        {bandalyx::Band::A, &frmMain::Shape1, "Shape1", {480, 120, 135, 855},  &frmMain::Label4},
        {bandalyx::Band::B, &frmMain::Shape2, "Shape2", {1200, 240, 135, 615}, &frmMain::Label5},
        {bandalyx::Band::C, &frmMain::Shape3, "Shape3", {960, 240, 135, 615},  &frmMain::Label6},
        {bandalyx::Band::D, &frmMain::Shape4, "Shape4", {1440, 240, 135, 615}, &frmMain::Label7},
        {bandalyx::Band::E, &frmMain::Shape5, "Shape5", {1680, 240, 135, 615}, &frmMain::Label8},
        {bandalyx::Band::F, &frmMain::Shape6, "Shape6", {2040, 120, 135, 855}, &frmMain::Label9},
    }};

    static constexpr std::array<LabelRow, 9> Labels {{
        {&frmMain::Label1, "Label1", "저항수치 :", {120, 1800, 975, 255}},
        {&frmMain::Label2, "Label2", "허용오차 :", {120, 2040, 975, 255}},
        {&frmMain::Label3, "Label3", "허용온도 :", {120, 2280, 975, 255}},
        {&frmMain::Label4, "Label4", nullptr,       {600, 1440, 255, 255}},
        {&frmMain::Label5, "Label5", nullptr,       {1080, 1440, 255, 255}},
        {&frmMain::Label6, "Label6", nullptr,       {1320, 1440, 255, 255}},
        {&frmMain::Label7, "Label7", nullptr,       {1560, 1440, 255, 255}},
        {&frmMain::Label8, "Label8", nullptr,       {1800, 1440, 255, 255}},
        {&frmMain::Label9, "Label9", nullptr,       {2160, 1440, 255, 255}},
    }};

    // In the order of the reader's result boxes: value, tolerance, tempco.
    static constexpr std::array<TextBoxRow, bandalyx::ResultBoxCount> TextBoxes {{
        {&frmMain::Text1, "Text1", &frmMain::Label1, {1080, 1800, 1695, 270}, 24},
        {&frmMain::Text2, "Text2", &frmMain::Label2, {1080, 2040, 1695, 270}, 25},
        {&frmMain::Text3, "Text3", &frmMain::Label3, {1080, 2280, 1695, 270}, 26},
    }};
    // clang-format on

    // clang-format off
    static constexpr ButtonRow ResetButton
        {&frmMain::Command13, "Command13", "초기화", {120, 2640, 2655, 735}, 27, &frmMain::Command13_Click};
    // clang-format on

    // Where each kind draws its bands (in Picture2) and their letters (in Frame4), by band.
    struct KindDrawing
    {
        std::array<int, bandalyx::BandCount> bandLeft;
        std::array<int, bandalyx::BandCount> letterLeft;
    };
    // clang-format off
    static constexpr std::array<KindDrawing, 3> Drawings {{
        {{500, 1100, 1460, 2060},           {600, 1200, 1560, 2160}},
        {{500, 930, 1310, 1670, 2060},      {600, 1050, 1420, 1780, 2160}},
        {{500, 920, 1140, 1400, 1640, 2060}, {600, 1030, 1250, 1510, 1750, 2160}},
    }};
    // clang-format on
    static constexpr int BandWidth = 135;
    static constexpr int OuterTop = 110;
    static constexpr int OuterHeight = 910;
    static constexpr int InnerTop = OuterTop + 120;
    static constexpr int InnerHeight = 670;
    static constexpr int LetterTop = 1440;
    static constexpr int LetterSize = 255;

    // The outer bands are the tall ones over the bulges of the resistor body.
    static constexpr TwipRect bandRect(bandalyx::Kind kind, bandalyx::Band band)
    {
        const bool outer = bandalyx::isOuterBand(kind, band);
        return {Drawings[bandalyx::index(kind)].bandLeft[bandalyx::index(band)],
                outer ? OuterTop : InnerTop, BandWidth, outer ? OuterHeight : InnerHeight};
    }

    static constexpr TwipRect letterRect(bandalyx::Kind kind, bandalyx::Band band)
    {
        return {Drawings[bandalyx::index(kind)].letterLeft[bandalyx::index(band)], LetterTop,
                LetterSize, LetterSize};
    }

    // The row of a table whose control is `member`: each handler finds what it stands for.
    template<typename Table, typename Widget>
    static constexpr const auto &rowOf(const Table &table, Control<Widget> member)
    {
        for (const auto &row : table) {
            if (row.member == member)
                return row;
        }
        return table.front();
    }

    static constexpr const BandRow &bandRow(bandalyx::Band band)
    {
        return Bands[bandalyx::index(band)];
    }

    static constexpr const ColourButtonRow &buttonOf(int code) { return ColourButtons[code]; }
    static constexpr const SwatchRow &swatchOf(int code) { return Swatches[code]; }
};

// The tables are indexed by band and by code: keep them in that order.
static_assert([] {
    for (std::size_t i = 0; i < MainLayout::Bands.size(); ++i) {
        if (bandalyx::index(MainLayout::Bands[i].band) != int(i)
            || bandalyx::index(MainLayout::BandOptions[i].band) != int(i))
            return false;
    }
    for (std::size_t i = 0; i < MainLayout::ColourButtons.size(); ++i) {
        if (MainLayout::ColourButtons[i].code != int(i) || MainLayout::Swatches[i].code != int(i))
            return false;
    }
    return true;
}());

} // namespace ui

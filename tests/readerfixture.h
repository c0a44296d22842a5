#pragma once

#include <optional>
#include <string_view>

#include <QString>
#include <QStringList>

#include "engine/reader.h"

// Stands in for the window: the selected options, and what was written to the result boxes.
class FakeView : public bandalyx::ReaderView
{
public:
    std::optional<bandalyx::Kind> kind;
    std::optional<bandalyx::Band> band;
    QString boxes[3];
    int writes = 0;

    std::optional<bandalyx::Kind> selectedKind() const override { return kind; }
    std::optional<bandalyx::Band> selectedBand() const override { return band; }
    void setResultText(bandalyx::ResultBox box, std::string_view text) override
    {
        boxes[static_cast<int>(box)] = QString::fromUtf8(text.data(), qsizetype(text.size()));
        ++writes;
    }
    QStringList shown() const { return {boxes[0], boxes[1], boxes[2]}; }
};

// A reader with the kind chosen and its default resistor loaded, as the window does.
struct ReaderFixture
{
    FakeView view;
    bandalyx::Reader reader {view};

    explicit ReaderFixture(bandalyx::Kind k)
    {
        view.kind = k;
        reader.BaseValueShow(bandalyx::defaultResistor(k));
    }
    // One band set as its colour button sets it.
    void set(bandalyx::Band b, const QString &code)
    {
        view.band = b;
        reader.SelectColorValue(code.toStdString());
    }
    // Band codes from band A on, one at a time.
    void set(const QStringList &codes)
    {
        for (int i = 0; i < codes.size(); ++i)
            set(bandalyx::AllBands[i], codes[i]);
    }
};

inline bandalyx::Kind kindOf(int bands)
{
    return bandalyx::AllKinds[bands - 4];
}

#pragma once

#include <QLabel>

namespace ui {

// A word-wrapped plain-text label for captions that use a run of spaces to start a new line:
// it keeps its text exactly as written and lays each run of two or more spaces out as a line
// break, whatever the width of a space in the current font.
class SpaceBreakLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SpaceBreakLabel(QWidget *parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The text as laid out: each run of two or more spaces becomes one line break.
    static QString laidOutText(const QString &text);
    int textFlags() const;
};

} // namespace ui

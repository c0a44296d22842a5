#include "platform/textroom.h"

#include <algorithm>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPolygon>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QVariant>

namespace platform {

namespace {

// Where a container keeps the moves of its rows: (top in the layout, move) pairs.
constexpr const char *RowShifts = "platform_rowShifts";

int buttonShortfall(const QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return button->fontMetrics().height() - room.height();
}

int textBoxShortfall(const QLineEdit *box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth
        = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box)
                          : 0;
    const QRect room = box->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                           .marginsRemoved(box->textMargins());
    return box->fontMetrics().height() - room.height();
}

int labelShortfall(const QLabel *label)
{
    if (label->text().isEmpty())
        return 0;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) - label->height();
    const int frame = label->height() - label->contentsRect().height() + 2 * label->margin();
    return label->fontMetrics().size(0, label->text()).height() + frame - label->height();
}

// A group box's title stands above its highest control.
int titleShortfall(const QGroupBox *frame, int firstTop)
{
    if (frame->title().isEmpty())
        return 0;
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, frame);
    return std::max(0, title.top() + frame->fontMetrics().height() - firstTop);
}

// Containers of our layouts, not composite controls of Qt's own.
bool isPlainContainer(const QWidget *w)
{
    return qobject_cast<const QGroupBox *>(w) || w->metaObject() == &QWidget::staticMetaObject;
}

struct Placed
{
    QWidget *widget;
    QRect was;
    int shift = 0;
    int growth = 0;
};

} // namespace

int heightShortfall(const QWidget *control)
{
    int lacks = 0;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        lacks = labelShortfall(label);
    else if (const auto *option = qobject_cast<const QRadioButton *>(control))
        lacks = buttonShortfall(option, QStyle::SE_RadioButtonContents);
    else if (const auto *button = qobject_cast<const QPushButton *>(control))
        lacks = buttonShortfall(button, QStyle::SE_PushButtonContents);
    else if (const auto *box = qobject_cast<const QLineEdit *>(control))
        lacks = textBoxShortfall(box);
    return std::max(lacks, 0);
}

int makeRoomForText(QWidget *container)
{
    std::vector<Placed> children;
    for (QObject *o : container->children()) {
        if (auto *w = qobject_cast<QWidget *>(o); w && !w->isWindow())
            children.push_back({w, w->geometry()});
    }
    if (children.empty())
        return 0;
    std::stable_sort(children.begin(), children.end(),
                     [](const Placed &a, const Placed &b) { return a.was.top() < b.was.top(); });
    const auto *frame = qobject_cast<const QGroupBox *>(container);
    const int titleMove = frame ? titleShortfall(frame, children.front().was.top()) : 0;

    QPolygon shifts;
    int growth = 0;
    for (auto c = children.begin(); c != children.end(); ++c) {
        // A control moves with every one above it (its middle higher than this one's top) that
        // it shares columns with; overlapping rows of the same height move together.
        c->shift = titleMove;
        for (auto above = children.begin(); above != c; ++above) {
            if (above->was.center().y() < c->was.top() && above->was.left() <= c->was.right()
                && c->was.left() <= above->was.right())
                c->shift = std::max(c->shift, above->shift + above->growth);
        }
        c->growth = heightShortfall(c->widget)
            + (isPlainContainer(c->widget) ? makeRoomForText(c->widget) : 0);
        if (c->shift != 0 || c->growth != 0)
            c->widget->setGeometry(c->was.translated(0, c->shift).adjusted(0, 0, 0, c->growth));
        shifts << QPoint(c->was.top(), c->shift);
        growth = std::max(growth, c->shift + c->growth);
    }
    if (growth > 0)
        container->setProperty(RowShifts, QVariant::fromValue(shifts));
    return growth;
}

int rowShift(const QWidget *container, int top)
{
    int shift = 0;
    for (const QPoint &row : container->property(RowShifts).value<QPolygon>()) {
        if (row.x() <= top)
            shift = row.y();
    }
    return shift;
}

} // namespace platform

#pragma once

class QWidget;

namespace platform {

// How many pixels of height a control lacks for its own text: lines as tall as its font's
// height against the room its style gives them (a label's wrapped lines at its width, a
// button's, an option's or a text box's contents). 0 where the text has room.
int heightShortfall(const QWidget *control);

// Makes every text inside the container whole, for fonts whose lines are taller than the
// layout's: a control that lacks height grows by as much, and everything below it that it
// overlaps sideways moves down with it; a group box makes room for a taller title above its
// controls; containers grow with their contents. Returns how much taller the container's
// contents became; the container itself is left to its caller to resize. Where every text has
// room nothing moves, so a layout keeps exactly the geometry of the font it was measured in.
// Controls placed later with placeInTwips land where their row was moved to.
int makeRoomForText(QWidget *container);

// The vertical move makeRoomForText gave the row of `container` that starts at `top` pixels
// in the layout; 0 if it moved nothing there.
int rowShift(const QWidget *container, int top);

} // namespace platform

// Where a window goes on the screen and how large it may be: pure geometry in
// pixels, so that the rules can be tested without a desktop.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vorn::qt {

// The inside of a window showing `content` within `room` (the screen's
// available area less the frame): the content's size where it fits, else as
// much as fits, with room for the scroll bars (`bar` pixels thick) that the
// cut-off content needs.
QSize FittedSize(QSize content, QSize room, int bar);

// The frame's top-left corner that keeps a frame of `frame` size inside
// `area`, moved as little as possible (against the area's top-left corner
// when it is larger).
QPoint KeepInside(QPoint topLeft, QSize frame, const QRect& area);

// The frame's top-left corner for a new window of `frame` size that belongs
// to the window framed by `owner`: to its right, left, below or above it,
// kept inside `area`, where it hides the least of the owner (the first of
// those places among equals).
QPoint PlaceBeside(const QRect& owner, QSize frame, const QRect& area);

}  // namespace vorn::qt

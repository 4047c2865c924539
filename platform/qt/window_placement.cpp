#include "platform/qt/window_placement.h"

#include <algorithm>
#include <array>

namespace vorn::qt {

namespace {

// Air between a new window and the one it belongs to.
constexpr int kGap = 8;

}  // namespace

QSize FittedSize(QSize content, QSize room, int bar)
{
  bool vertical = false;
  bool horizontal = false;
  // A bar for one direction narrows the other: twice settles it.
  for (int pass = 0; pass < 2; ++pass) {
    vertical = content.height() + (horizontal ? bar : 0) > room.height();
    horizontal = content.width() + (vertical ? bar : 0) > room.width();
  }
  return {std::max(1, std::min(content.width() + (vertical ? bar : 0), room.width())),
          std::max(1, std::min(content.height() + (horizontal ? bar : 0), room.height()))};
}

QPoint KeepInside(QPoint topLeft, QSize frame, const QRect& area)
{
  auto clamp = [](int at, int size, int low, int length) {
    return std::max(low, std::min(at, low + length - size));
  };
  return {clamp(topLeft.x(), frame.width(), area.left(), area.width()),
          clamp(topLeft.y(), frame.height(), area.top(), area.height())};
}

QPoint PlaceBeside(const QRect& owner, QSize frame, const QRect& area)
{
  const std::array<QPoint, 4> wanted{
      QPoint(owner.right() + 1 + kGap, owner.top()),
      QPoint(owner.left() - kGap - frame.width(), owner.top()),
      QPoint(owner.left(), owner.bottom() + 1 + kGap),
      QPoint(owner.left(), owner.top() - kGap - frame.height()),
  };
  QPoint best;
  long long bestHidden = -1;
  for (const QPoint& place : wanted) {
    const QPoint inside = KeepInside(place, frame, area);
    const QRect hidden = QRect(inside, frame).intersected(owner);
    const long long area2 = hidden.isEmpty() ? 0LL : static_cast<long long>(hidden.width()) * hidden.height();
    if (bestHidden < 0 || area2 < bestHidden) {
      best = inside;
      bestHidden = area2;
    }
  }
  return best;
}

}  // namespace vorn::qt

#pragma once

#include <QSizeF>

// The margins every printout keeps at the top and bottom of the paper, in points.
namespace PageFrame {

constexpr double kTopMargin = 36;
constexpr double kBottomMargin = 36;

}  // namespace PageFrame

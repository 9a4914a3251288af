// The start screen's picture: a board in perspective with two callouts explaining the
// mouse buttons. Its bottom fifth stays black; the game draws a sentence and OK there.
#pragma once

#include <QImage>

namespace quirn::assets {

inline constexpr int kStartWidth = 255;
inline constexpr int kStartHeight = 337;
inline constexpr int kStartBlackRows = 67;

// 24-bit colour, kStartWidth x kStartHeight.
QImage renderStartScreen();

} // namespace quirn::assets

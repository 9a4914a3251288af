// The window icon: a small loop on a dotted grid, on a transparent background.
#pragma once

#include <QImage>

namespace quirn::assets {

// Square, size x size pixels; drawn for 48 and scaled as vectors to any other size.
QImage renderIcon(int size);

} // namespace quirn::assets

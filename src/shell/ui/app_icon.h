#pragma once

#include <QIcon>

namespace qv {

// The program's icon: a Lissajous curve on a white page, drawn at the sizes
// desktops ask for, so it stays crisp at any scale.
QIcon appIcon();

}  // namespace qv

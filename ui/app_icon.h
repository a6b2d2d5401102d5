// The program's icon: a grey component body with a row of pins and a red marking, drawn at
// 32 x 32 in 16 colours, with a 64 x 64 rendering of the same drawing. The larger renderings
// are installed for desktops, not compiled in.
#pragma once

#include <QIcon>

namespace zelmarino {

[[nodiscard]] QIcon applicationIcon();

} // namespace zelmarino

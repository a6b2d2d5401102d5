// The program's icon: a grey component body with a row of pins and a red marking, drawn at
// 32 x 32 in 16 colours, with larger renderings of the same drawing.
#pragma once

#include <QIcon>

namespace zelmarino {

[[nodiscard]] QIcon applicationIcon();

} // namespace zelmarino

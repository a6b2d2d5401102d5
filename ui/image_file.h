// Reads one of the program's own pictures, whose format it knows.
#pragma once

#include <QImage>
#include <QString>

namespace zelmarino {

// Asks only the reader of `format` ("png", "gif", "bmp"): Qt otherwise loads every image
// plugin it has (the JPEG one with its library) to ask whether it reads the file, even for a
// format it reads itself. A null image when the file is missing or not in that format.
[[nodiscard]] QImage readImage(const QString& fileName, const char* format);

} // namespace zelmarino

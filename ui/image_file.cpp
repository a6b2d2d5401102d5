#include "ui/image_file.h"

#include <QImageReader>

namespace zelmarino {

QImage readImage(const QString& fileName, const char* format) {
    QImageReader reader(fileName, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace zelmarino

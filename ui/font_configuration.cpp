#include "ui/font_configuration.h"

#ifdef ZELMARINO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace zelmarino {

FontConfigurationReader::FontConfigurationReader() {
#ifdef ZELMARINO_HAVE_FONTCONFIG
    // FcInit may be called from any thread; Qt's own call later returns at once.
    m_reader = std::jthread([] { FcInit(); });
#endif
}

void FontConfigurationReader::wait() {
    if (m_reader.joinable()) {
        m_reader.join();
    }
}

} // namespace zelmarino

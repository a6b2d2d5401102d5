// The system's font configuration, read ahead of need. Reading it (fontconfig parses every
// file of its configuration) is the largest single cost of showing the window, and it needs
// nothing from Qt, so the program starts it on another core before it connects to the display.
#pragma once

#include <thread>

namespace zelmarino {

class FontConfigurationReader {
public:
    // Starts reading; a platform without fontconfig has nothing to read.
    FontConfigurationReader();

    // Returns once the configuration is read, so that Qt finds it done rather than reading
    // it a second time.
    void wait();

private:
    std::jthread m_reader;
};

} // namespace zelmarino

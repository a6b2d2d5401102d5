// The message box the platform layer shows through where the system has none of its own.
#pragma once

#include <string>

namespace zelmarino {

// A modal box with the text, an OK button only and no icon; returns when the user closes it.
void showMessageBox(const std::string& title, const std::string& text);

} // namespace zelmarino

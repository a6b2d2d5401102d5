// A csv line builder shared by the writers that speak csv.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace zelmarino::cli {

// One line of fields, written straight into the output; a field is quoted only where it
// needs it.
class Line {
public:
    explicit Line(std::string& out)
        : m_out(out) {}
    void add(std::string_view text) {
        if (m_started) {
            m_out += ',';
        }
        m_started = true;
        const auto special = [](char c) { return c == ',' || c == '"' || c == '\n'; };
        if (std::none_of(text.begin(), text.end(), special)) {
            m_out.append(text);
            return;
        }
        m_out += '"';
        for (const char c : text) {
            m_out += c;
            if (c == '"') {
                m_out += '"';
            }
        }
        m_out += '"';
    }
    void finish() {
        m_out += '\n';
        m_started = false;
    }

private:
    std::string& m_out;
    bool m_started = false;
};

} // namespace zelmarino::cli

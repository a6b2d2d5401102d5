// A csv line builder shared by the writers that speak csv, in either dialect: the plain one,
// or the one of spreadsheets whose decimal sign is a comma (Italian, German), which separate
// fields with ';' and want a byte-order mark to read UTF-8.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace zelmarino::formats {

enum class CsvDialect { Plain, DecimalComma };

// Opens a csv document: the byte-order mark where the dialect needs one.
inline void beginCsv(std::string& out, CsvDialect dialect) {
    if (dialect == CsvDialect::DecimalComma) {
        out += "\xEF\xBB\xBF";
    }
}

// One line of fields, written straight into the output; a field is quoted only where it
// needs it.
class Line {
public:
    explicit Line(std::string& out, CsvDialect dialect = CsvDialect::Plain)
        : m_out(out)
        , m_separator(dialect == CsvDialect::DecimalComma ? ';' : ',')
        , m_decimalComma(dialect == CsvDialect::DecimalComma) {}
    void add(std::string_view text) {
        if (m_started) {
            m_out += m_separator;
        }
        m_started = true;
        const char separator = m_separator;
        const auto special = [separator](char c) {
            return c == separator || c == '"' || c == '\n';
        };
        const bool quoted = std::any_of(text.begin(), text.end(), special);
        if (quoted) {
            m_out += '"';
        }
        for (const char c : text) {
            // Every point the writers put in a field is a number's decimal point.
            m_out += c == '.' && m_decimalComma ? ',' : c;
            if (c == '"') {
                m_out += '"';
            }
        }
        if (quoted) {
            m_out += '"';
        }
    }
    void finish() {
        m_out += '\n';
        m_started = false;
    }

private:
    std::string& m_out;
    char m_separator;
    bool m_decimalComma;
    bool m_started = false;
};

} // namespace zelmarino::formats

#include "formats/text_columns.h"

#include <algorithm>
#include <utility>

namespace zelmarino::formats {

std::size_t displayWidth(const std::string& text) {
    // Every byte but the continuation bytes of UTF-8 starts a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

TextColumns::TextColumns(std::vector<Column> columns)
    : m_columns(std::move(columns)) {
    for (const Column& column : m_columns) {
        m_widths.push_back(displayWidth(column.heading));
    }
}

void TextColumns::widen(const std::vector<std::string>& cells) {
    const std::size_t count = std::min(cells.size(), m_widths.size());
    for (std::size_t i = 0; i < count; ++i) {
        m_widths[i] = std::max(m_widths[i], displayWidth(cells[i]));
    }
}

void TextColumns::addRow(std::vector<std::string> cells) {
    widen(cells);
    m_rows.push_back(std::move(cells));
}

void TextColumns::write(std::string& out) const {
    writeHeading(out);
    for (const std::vector<std::string>& row : m_rows) {
        writeRow(out, row);
    }
}

void TextColumns::writeHeading(std::string& out) const {
    std::vector<std::string> headings;
    headings.reserve(m_columns.size());
    for (const Column& column : m_columns) {
        headings.push_back(column.heading);
    }
    writeRow(out, headings);
}

void TextColumns::writeRow(std::string& out, const std::vector<std::string>& cells) const {
    static const std::string blank;
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const std::string& cell = i < cells.size() ? cells[i] : blank;
        if (i > 0) {
            out.append(2, ' ');
        }
        const std::size_t padding = m_widths[i] - std::min(m_widths[i], displayWidth(cell));
        if (m_columns[i].align == Align::Right) {
            out.append(padding, ' ');
            out += cell;
        } else {
            out += cell;
            out.append(padding, ' ');
        }
    }
    const std::size_t end = out.find_last_not_of(' ');
    out.resize(end == std::string::npos || end < start ? start : end + 1);
    out += '\n';
}

} // namespace zelmarino::formats

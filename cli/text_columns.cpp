#include "cli/text_columns.h"

#include <algorithm>
#include <iterator>

namespace zelmarino::cli {

std::size_t displayWidth(const std::string& text) {
    // Every byte but the continuation bytes of UTF-8 starts a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

void TextColumns::addRow(std::vector<std::string> cells) {
    cells.resize(m_columns.size());
    m_cells.insert(m_cells.end(), std::make_move_iterator(cells.begin()),
                   std::make_move_iterator(cells.end()));
}

void TextColumns::write(std::string& out) const {
    const std::size_t count = m_columns.size();
    std::vector<std::size_t> widths;
    for (const Column& column : m_columns) {
        widths.push_back(displayWidth(column.heading));
    }
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        widths[i % count] = std::max(widths[i % count], displayWidth(m_cells[i]));
    }
    const auto writeLine = [&](const auto& cellAt) {
        const std::size_t start = out.size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& cell = cellAt(i);
            if (i > 0) {
                out.append(2, ' ');
            }
            const std::size_t padding = widths[i] - displayWidth(cell);
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
    };
    writeLine([&](std::size_t i) -> const std::string& { return m_columns[i].heading; });
    for (std::size_t row = 0; row < m_cells.size(); row += count) {
        writeLine([&](std::size_t i) -> const std::string& { return m_cells[row + i]; });
    }
}

} // namespace zelmarino::cli

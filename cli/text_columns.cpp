#include "cli/text_columns.h"

#include <algorithm>

namespace zelmarino::cli {

std::size_t displayWidth(const std::string& text) {
    // Every byte but the continuation bytes of UTF-8 starts a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

void TextColumns::write(std::string& out) const {
    std::vector<std::size_t> widths;
    for (const Column& column : m_columns) {
        widths.push_back(displayWidth(column.heading));
    }
    for (const auto& row : m_rows) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    }
    const auto writeLine = [&](const auto& cellAt) {
        std::string line;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            const std::string& cell = cellAt(i);
            const std::string padding(widths[i] - displayWidth(cell), ' ');
            if (i > 0) {
                line += "  ";
            }
            line += m_columns[i].align == Align::Right ? padding + cell : cell + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    };
    writeLine([&](std::size_t i) -> const std::string& { return m_columns[i].heading; });
    static const std::string blank;
    for (const auto& row : m_rows) {
        writeLine(
            [&](std::size_t i) -> const std::string& { return i < row.size() ? row[i] : blank; });
    }
}

} // namespace zelmarino::cli

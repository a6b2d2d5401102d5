// Aligned columns for the text output: each column as wide as its widest cell, two blanks
// between columns, numbers to the right. Widths count characters, not bytes, so "Ω" is one.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zelmarino::cli {

enum class Align { Left, Right };

struct Column {
    std::string heading;
    Align align;
};

class TextColumns {
public:
    explicit TextColumns(std::vector<Column> columns)
        : m_columns(std::move(columns)) {}

    // Missing cells at the end of a row are blank; extra ones are dropped.
    void addRow(std::vector<std::string> cells);

    // Appends the heading line and the rows, without trailing blanks.
    void write(std::string& out) const;

private:
    std::vector<Column> m_columns;
    std::vector<std::string> m_cells; // row after row, one cell per column
};

[[nodiscard]] std::size_t displayWidth(const std::string& text);

} // namespace zelmarino::cli

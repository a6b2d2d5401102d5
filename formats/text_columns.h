// Aligned columns for the text output: each column as wide as its widest cell, two blanks
// between columns, numbers to the right. Widths count characters, not bytes, so "Ω" is one.
// A short table keeps its rows and writes them at once; a long one is measured row by row
// in one pass and written row by row in another, so that its rows are held nowhere.
#pragma once

#include <string>
#include <vector>

namespace zelmarino::formats {

enum class Align { Left, Right };

struct Column {
    std::string heading;
    Align align;
};

class TextColumns {
public:
    explicit TextColumns(std::vector<Column> columns);

    // Missing cells at the end of a row are blank; extra ones are dropped.
    void addRow(std::vector<std::string> cells);

    // Appends the heading line and the rows added, without trailing blanks.
    void write(std::string& out) const;

    // Widens the columns to hold this row, without keeping it.
    void widen(const std::vector<std::string>& cells);
    void writeHeading(std::string& out) const;
    void writeRow(std::string& out, const std::vector<std::string>& cells) const;

private:
    std::vector<Column> m_columns;
    std::vector<std::size_t> m_widths;
    std::vector<std::vector<std::string>> m_rows;
};

[[nodiscard]] std::size_t displayWidth(const std::string& text);

} // namespace zelmarino::formats

// The workbench's results: the table of arms, the checks of the ports with the worst case,
// the usable bandwidth, and a line for what no field is to blame for. The window places the
// checks where it likes.
#pragma once

#include "workbench/outcome.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace zelmarino::workbench {

class ResultsView final : public QWidget {
    Q_OBJECT
public:
    explicit ResultsView(QWidget* parent = nullptr);

    void show(const Outcome& outcome);
    [[nodiscard]] QTableWidget* arms() const { return m_arms; }
    [[nodiscard]] QTableWidget* checks() const { return m_checks; }
    [[nodiscard]] QLabel* summary() const { return m_summary; }
    // The arms as a spreadsheet pastes them, with the headings shown.
    [[nodiscard]] QString armsText() const;

private:
    QLabel* m_summary;
    QTableWidget* m_arms;
    QTableWidget* m_checks;
};

// "1.23 GHz", "beyond 10 GHz", "none: outside the limits already at the start".
[[nodiscard]] QString bandwidthText(const design::Bandwidth& bandwidth, double sweepStartHz);

} // namespace zelmarino::workbench

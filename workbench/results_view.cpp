#include "workbench/results_view.h"

#include "text/number_text.h"
#include "workbench/plot_axes.h"
#include "workbench/result_tables.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zelmarino::workbench {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString reasonText(const std::string& text) {
    return QCoreApplication::translate("Reason", text.c_str());
}

QTableWidget* table(QWidget* parent, const QString& name, const QStringList& headings) {
    auto* widget = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    widget->setObjectName(name);
    widget->setAccessibleName(name == QStringLiteral("arms") ? ResultsView::tr("Arms")
                                                             : ResultsView::tr("Checks"));
    widget->setHorizontalHeaderLabels(headings);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setTabKeyNavigation(false); // Tab leaves the table, as elsewhere in the window
    widget->verticalHeader()->setVisible(false);
    widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    widget->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    return widget;
}

// Hides the columns after the first `keep` that no row fills.
void hideEmptyColumns(QTableWidget* widget, int keep) {
    for (int column = keep; column < widget->columnCount(); ++column) {
        bool empty = true;
        for (int row = 0; row < widget->rowCount() && empty; ++row) {
            const QTableWidgetItem* item = widget->item(row, column);
            empty = item == nullptr || item->text().isEmpty();
        }
        widget->setColumnHidden(column, empty);
    }
}

// As tall as its rows, so that every arm is seen without scrolling.
void fitRows(QTableWidget* widget) {
    int height = widget->horizontalHeader()->sizeHint().height() + 2 * widget->frameWidth();
    for (int row = 0; row < std::max(widget->rowCount(), 1); ++row) {
        height += widget->rowCount() > 0 ? widget->rowHeight(row)
                                         : widget->verticalHeader()->defaultSectionSize();
    }
    widget->setFixedHeight(height + widget->horizontalScrollBar()->sizeHint().height());
}

} // namespace

ResultsView::ResultsView(QWidget* parent)
    : QWidget(parent)
    , m_summary(new QLabel(this))
    , m_arms(table(this, QStringLiteral("arms"),
                   {tr("Arm"), tr("Place"), tr("Exact"), tr("Standard"), tr("Optimised"),
                    tr("Dissipation"), tr("Voltage"), tr("Current"), tr("Tolerated source")}))
    , m_checks(
          table(this, QStringLiteral("checks"),
                {tr("Check"), tr("Exact"), tr("Standard"), tr("Optimised"), tr("Worst case")})) {
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_summary);
    layout->addWidget(m_arms);
    m_arms->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_arms->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString bandwidthText(const design::Bandwidth& bandwidth, double sweepStartHz) {
    if (bandwidth.beyondCeiling) {
        return ResultsView::tr("beyond %1").arg(fromStd(frequencyText(bandwidth.hz)));
    }
    if (bandwidth.hz < sweepStartHz) {
        return ResultsView::tr("none: outside the limits already at the start");
    }
    return fromStd(frequencyText(bandwidth.hz));
}

void ResultsView::show(const Outcome& outcome) {
    QStringList lines;
    if (!outcome.reading.ok()) {
        lines << tr("Some fields need another value: the reason is shown beside each.");
    }
    if (!outcome.problem.empty()) {
        lines << reasonText(outcome.problem);
    }
    if (outcome.report) {
        const design::Design& design = outcome.report->design;
        lines << tr("%1: Zin %2 Ω, Zout %3 Ω, loss %4 dB (least possible %5 dB)")
                     .arg(QCoreApplication::translate("Network",
                                                      design::entryOf(design.network).title.data()),
                          fromStd(significant(design.zin, 6)), fromStd(significant(design.zout, 6)),
                          fromStd(significant(design.lossDb, 6)),
                          fromStd(fixedPoint(design.minimumLossDb, 4)));
    }
    if (outcome.bandwidth) {
        lines << tr("Usable bandwidth (loss within %1 dB, return loss at least %2 dB): %3")
                     .arg(fromStd(significant(outcome.reading.flatnessDb, 4)),
                          fromStd(significant(outcome.reading.request.minReturnLossDb, 4)),
                          bandwidthText(*outcome.bandwidth, outcome.reading.sweep.fromHz));
    }
    if (outcome.report && outcome.report->searched && !outcome.report->optimised) {
        lines << tr("No set of neighbouring standard values keeps the return-loss floor.");
    }
    m_summary->setText(lines.join(QLatin1Char('\n')));

    const std::vector<ArmRow> rows =
        outcome.report ? armRows(*outcome.report) : std::vector<ArmRow>{};
    m_arms->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < armColumnCount; ++c) {
            QString text = fromStd(rows[r][c]);
            if (c == static_cast<std::size_t>(ArmColumn::Place)) {
                const auto& entry = *outcome.report->design.arms[r].entry;
                text = QCoreApplication::translate("Arm", entry.roleText.data());
            }
            m_arms->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(text));
        }
    }
    hideEmptyColumns(m_arms, 3);
    fitRows(m_arms);

    const std::vector<CheckRow> checks =
        outcome.report ? checkRows(*outcome.report) : std::vector<CheckRow>{};
    m_checks->setRowCount(static_cast<int>(checks.size()));
    for (std::size_t r = 0; r < checks.size(); ++r) {
        QString label = QCoreApplication::translate("Check", checks[r].label.data());
        if (!checks[r].unit.empty()) {
            label += QStringLiteral(" (%1)").arg(QString::fromUtf8(
                checks[r].unit.data(), static_cast<qsizetype>(checks[r].unit.size())));
        }
        m_checks->setItem(static_cast<int>(r), 0, new QTableWidgetItem(label));
        for (std::size_t c = 0; c < checks[r].cells.size(); ++c) {
            m_checks->setItem(static_cast<int>(r), static_cast<int>(c + 1),
                              new QTableWidgetItem(fromStd(checks[r].cells[c])));
        }
    }
    hideEmptyColumns(m_checks, 2);
}

QString ResultsView::armsText() const {
    std::vector<int> shown;
    std::vector<std::vector<std::string>> lines(1);
    for (int c = 0; c < m_arms->columnCount(); ++c) {
        if (!m_arms->isColumnHidden(c)) {
            shown.push_back(c);
            lines.front().push_back(m_arms->horizontalHeaderItem(c)->text().toStdString());
        }
    }
    for (int r = 0; r < m_arms->rowCount(); ++r) {
        std::vector<std::string>& cells = lines.emplace_back();
        for (const int c : shown) {
            cells.push_back(m_arms->item(r, c)->text().toStdString());
        }
    }
    return QString::fromStdString(tabSeparated(lines));
}

} // namespace zelmarino::workbench

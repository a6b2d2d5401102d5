#include "workbench/workbench_window.h"

#include "text/number_text.h"
#include "workbench/input_panel.h"
#include "workbench/response_plot.h"
#include "workbench/result_tables.h"
#include "workbench/results_view.h"
#include "workbench/schematic_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>

namespace zelmarino::workbench {

namespace {

// The values the schematic shows: what would be built.
QStringList builtValues(const Outcome& outcome) {
    QStringList values;
    if (!outcome.report) {
        return values;
    }
    for (const ArmRow& row : armRows(*outcome.report)) {
        std::string value = row.at(static_cast<std::size_t>(ArmColumn::Optimised));
        for (const ArmColumn column : {ArmColumn::Standard, ArmColumn::Exact}) {
            if (value.empty()) {
                value = row.at(static_cast<std::size_t>(column));
            }
        }
        values << QString::fromStdString(value);
    }
    return values;
}

} // namespace

WorkbenchWindow::WorkbenchWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_inputs(new InputPanel)
    , m_results(new ResultsView)
    , m_schematic(new SchematicView)
    , m_plot(new ResponsePlot) {
    setObjectName(QStringLiteral("WorkbenchWindow"));
    setWindowTitle(tr("Zelmarino Workbench"));

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("inputsScroll"));
    scroll->setWidget(m_inputs);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(m_inputs->sizeHint().width() + 24);

    auto* upper = new QWidget;
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(m_schematic, 2);
    upperLayout->addWidget(m_results->checks(), 3);

    auto* right = new QSplitter(Qt::Vertical);
    right->setObjectName(QStringLiteral("resultsSplit"));
    right->addWidget(upper);
    right->addWidget(m_results);
    right->addWidget(m_plot);
    right->setStretchFactor(0, 2);
    right->setStretchFactor(1, 0);
    right->setStretchFactor(2, 3);
    right->setCollapsible(1, false);

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(scroll);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    setCentralWidget(split);

    // After the inputs, the results as they read: the checks, the arms, the response.
    setTabOrder(m_inputs->lastControl(), m_results->checks());
    setTabOrder(m_results->checks(), m_results->arms());
    setTabOrder(m_results->arms(), m_plot);
    addMenus();
    statusBar();
    connect(m_inputs, &InputPanel::changed, this, &WorkbenchWindow::recompute);
    recompute();
    // Room for the form, the tables and the plot at once, but never more than the screen
    // has: the form scrolls and the splitters give way on a small one.
    const int unit = fontMetrics().height();
    const QSize wanted(unit * 90, unit * 56);
    const QScreen* display = screen();
    resize(display != nullptr ? wanted.boundedTo(display->availableGeometry().size()) : wanted);
}

void WorkbenchWindow::addMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    const std::array<std::pair<ExportFormat, QString>, 4> exports = {{
        {ExportFormat::Spice, tr("Export &SPICE…")},
        {ExportFormat::Touchstone, tr("Export &Touchstone…")},
        {ExportFormat::Csv, tr("Export &csv…")},
        {ExportFormat::Json, tr("Export &json…")},
    }};
    for (const auto& [format, text] : exports) {
        QAction* action = file->addAction(text);
        connect(action, &QAction::triggered, this,
                [this, format = format] { chooseExport(format); });
        m_needReport.push_back(action);
    }
    QAction* plot = file->addAction(tr("Save the &plot as PNG…"));
    connect(plot, &QAction::triggered, this, &WorkbenchWindow::choosePlotFile);
    m_needReport.push_back(plot);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* copy = edit->addAction(tr("&Copy the table of arms"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &WorkbenchWindow::copyArms);
    m_needReport.push_back(copy);
}

void WorkbenchWindow::recompute() {
    m_fields = m_inputs->fields();
    m_outcome = evaluateForm(m_fields);
    m_inputs->showReasons(m_outcome.reading.errors);
    m_results->show(m_outcome);
    m_schematic->setNetwork(m_fields.network, m_outcome.reading.request.shuntAt,
                            builtValues(m_outcome));
    PlotLimits limits{m_outcome.reading.flatnessDb, m_outcome.reading.request.minReturnLossDb,
                      std::nullopt};
    if (m_outcome.bandwidth && !m_outcome.bandwidth->beyondCeiling) {
        limits.bandwidthHz = m_outcome.bandwidth->hz;
    }
    m_plot->setResponse(m_outcome.curves, limits);
    for (QAction* action : m_needReport) {
        action->setEnabled(m_outcome.report.has_value() && m_outcome.reading.ok());
    }
}

QString WorkbenchWindow::suggestedName() const {
    const design::Design* design = m_outcome.report ? &m_outcome.report->design : nullptr;
    if (design == nullptr) {
        return QStringLiteral("zelmarino");
    }
    return QStringLiteral("%1-%2-%3-%4dB")
        .arg(QString::fromLatin1(design::entryOf(design->network).command),
             QString::fromStdString(significant(design->zin, 6)),
             QString::fromStdString(significant(design->zout, 6)),
             QString::fromStdString(significant(design->lossDb, 4)));
}

void WorkbenchWindow::chooseExport(ExportFormat format) {
    const QString extension = QString::fromLatin1(extensionOf(format));
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export"), suggestedName() + QLatin1Char('.') + extension,
        tr("%1 files (*.%2)").arg(extension.toUpper(), extension));
    if (!path.isEmpty()) {
        exportTo(format, path);
    }
}

void WorkbenchWindow::choosePlotFile() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the plot"),
                                                      suggestedName() + QStringLiteral(".png"),
                                                      tr("PNG pictures (*.png)"));
    if (!path.isEmpty()) {
        savePlot(path);
    }
}

bool WorkbenchWindow::exportTo(ExportFormat format, const QString& path) {
    const std::optional<std::string> text = exportText(format, m_fields, m_outcome);
    QSaveFile file(path);
    const bool written = text && file.open(QIODevice::WriteOnly) &&
                         file.write(text->data(), static_cast<qint64>(text->size())) ==
                             static_cast<qint64>(text->size()) &&
                         file.commit();
    statusBar()->showMessage(
        written ? tr("Written: %1").arg(path) : tr("Could not write %1").arg(path), 8000);
    return written;
}

bool WorkbenchWindow::savePlot(const QString& path) {
    const bool saved = m_plot->grab().save(path, "PNG");
    statusBar()->showMessage(
        saved ? tr("Written: %1").arg(path) : tr("Could not write %1").arg(path), 8000);
    return saved;
}

void WorkbenchWindow::copyArms() {
    QApplication::clipboard()->setText(m_results->armsText());
    statusBar()->showMessage(tr("The table of arms is on the clipboard"), 5000);
}

} // namespace zelmarino::workbench

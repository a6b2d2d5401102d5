// The workbench's main window: the inputs on the left; the schematic, the results and the
// response on the right, all recomputed as the user types; the files it writes and the
// table of arms it copies.
#pragma once

#include "workbench/export_text.h"
#include "workbench/outcome.h"

#include <QMainWindow>

class QAction;

namespace zelmarino::workbench {

class InputPanel;
class ResponsePlot;
class ResultsView;
class SchematicView;

class WorkbenchWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit WorkbenchWindow(QWidget* parent = nullptr);

    [[nodiscard]] InputPanel* inputs() const { return m_inputs; }
    [[nodiscard]] ResultsView* results() const { return m_results; }
    [[nodiscard]] ResponsePlot* plot() const { return m_plot; }
    [[nodiscard]] SchematicView* schematic() const { return m_schematic; }
    [[nodiscard]] const Outcome& outcome() const { return m_outcome; }

    // What the menu's commands do once a file is chosen; false when it cannot be written.
    bool exportTo(ExportFormat format, const QString& path);
    bool savePlot(const QString& path);
    void copyArms();

private:
    void recompute();
    void addMenus();
    void chooseExport(ExportFormat format);
    void choosePlotFile();
    [[nodiscard]] QString suggestedName() const;

    InputPanel* m_inputs;
    ResultsView* m_results;
    SchematicView* m_schematic;
    ResponsePlot* m_plot;
    std::vector<QAction*> m_needReport;
    FormFields m_fields;
    Outcome m_outcome;
};

} // namespace zelmarino::workbench

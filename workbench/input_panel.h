// The workbench's inputs: the network and its impedances, the loss or the resistors to check,
// the standard values, tolerance and power, and how the parts are built and swept. It hands
// out what is typed as FormFields and shows each field's reason beside it.
#pragma once

#include "workbench/form_reading.h"

#include <QWidget>

#include <map>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QSpinBox;

namespace zelmarino::workbench {

class FieldEditor;

class InputPanel final : public QWidget {
    Q_OBJECT
public:
    explicit InputPanel(QWidget* parent = nullptr);

    [[nodiscard]] FormFields fields() const;
    // Every field's reason, or none: a field not named is cleared.
    void showReasons(const std::vector<FieldError>& errors);
    [[nodiscard]] FieldEditor* editor(Field field, std::size_t arm = 0) const;
    [[nodiscard]] QComboBox* networkChoice() const { return m_network; }
    [[nodiscard]] QComboBox* modeChoice() const { return m_mode; }
    [[nodiscard]] QComboBox* seriesChoice() const { return m_series; }
    [[nodiscard]] QComboBox* partsChoice() const { return m_parts; }
    [[nodiscard]] QCheckBox* optimiseBox() const { return m_optimise; }
    // The last control Tab reaches in the form.
    [[nodiscard]] QWidget* lastControl() const;

signals:
    void changed();

private:
    QFormLayout* addGroup(const QString& title);
    FieldEditor* addEditor(QFormLayout* form, Field field, const QString& name,
                           const QString& label, const QString& text);
    void addChoice(QFormLayout* form, QComboBox* choice, const QString& name, const QString& label);
    void addBox(QFormLayout* form, QCheckBox* box, const QString& name);
    void updateEnabled();
    void setRowShown(QWidget* field, bool shown);

    QComboBox* m_mode;
    QComboBox* m_network;
    QComboBox* m_shuntAt;
    QComboBox* m_root;
    QComboBox* m_lineModel;
    QCheckBox* m_minimum;
    QComboBox* m_series;
    QCheckBox* m_optimise;
    QCheckBox* m_pairs;
    QComboBox* m_parts;
    QSpinBox* m_points;
    std::map<Field, FieldEditor*> m_editors;
    std::vector<FieldEditor*> m_arms;
    std::vector<std::pair<QFormLayout*, QWidget*>> m_rows; // to show or hide a row by its field
};

} // namespace zelmarino::workbench

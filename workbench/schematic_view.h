// The network's schematic, drawn from the catalogue's arms with their values: a resistor is
// a box on its line, named R1, R2, … with the value that would be built beside it.
#pragma once

#include "design/catalogue.h"

#include <QStringList>
#include <QWidget>

#include <vector>

namespace zelmarino::workbench {

class SchematicView final : public QWidget {
    Q_OBJECT
public:
    explicit SchematicView(QWidget* parent = nullptr);

    // `values` in the arms' order; fewer, or empty, leave the names alone.
    void setNetwork(design::Network network, design::ShuntAt shuntAt, const QStringList& values);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    design::Network m_network = design::Network::Pi;
    design::ShuntAt m_shuntAt = design::ShuntAt::Output;
    QStringList m_values;
};

} // namespace zelmarino::workbench

// The response drawn: S21, S11 and S22 in dB over a logarithmic frequency axis, the band the
// loss may stay in and the return losses below the floor shaded, the usable bandwidth marked,
// and a cursor (the mouse, or the arrow keys) that reads the curves out at one frequency.
#pragma once

#include "workbench/outcome.h"

#include <QWidget>

#include <optional>

namespace zelmarino::workbench {

struct PlotLimits {
    double flatnessDb = 0.1;
    double minReturnLossDb = 30.0;
    std::optional<double> bandwidthHz;
};

class ResponsePlot final : public QWidget {
    Q_OBJECT
public:
    explicit ResponsePlot(QWidget* parent = nullptr);

    // Nothing clears the plot.
    void setResponse(std::optional<Curves> curves, const PlotLimits& limits);
    [[nodiscard]] const std::optional<Curves>& curves() const { return m_curves; }
    // The index of the frequency the cursor is on, if it is on the plot.
    [[nodiscard]] std::optional<std::size_t> cursor() const { return m_cursor; }
    // The values at the cursor, as the plot writes them.
    [[nodiscard]] QString readout() const;
    // The plot area within the widget.
    [[nodiscard]] QRectF plotArea() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveCursorTo(std::size_t index);

    std::optional<Curves> m_curves;
    PlotLimits m_limits;
    std::optional<std::size_t> m_cursor;
};

} // namespace zelmarino::workbench

#include "workbench/response_plot.h"

#include "text/number_text.h"
#include "workbench/plot_axes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <array>
#include <cmath>

namespace zelmarino::workbench {

namespace {

struct Trace {
    const char* name;
    QColor colour;
    const std::vector<double>& (*values)(const Curves&);
};

const std::array<Trace, 3> traces = {
    {{"S21", QColor(0x1f, 0x5f, 0xbf), [](const Curves& c) -> const auto& {return c.s21Db;
} // namespace
} // namespace zelmarino::workbench
, {"S11", QColor(0xc6, 0x28, 0x28), [](const Curves& c) -> const auto& {return c.s11Db;
}
}
, {"S22", QColor(0xe0, 0x8a, 0x00), [](const Curves& c) -> const auto& {return c.s22Db;
}
}
,
}
}
;

// The decibel axis goes no lower than this: a matched port's return loss is unbounded.
constexpr double floorDb = -80.0;

QString decibels(double db) {
    return std::isfinite(db) ? QString::fromStdString(fixedPoint(db, 2)) + QStringLiteral(" dB")
                             : QStringLiteral("−∞ dB");
}

} // namespace

ResponsePlot::ResponsePlot(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("responsePlot"));
    setAccessibleName(tr("Response"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(minimumSizeHint());
}

QSize ResponsePlot::sizeHint() const {
    const int unit = fontMetrics().height();
    return {unit * 40, unit * 20};
}

QSize ResponsePlot::minimumSizeHint() const {
    const int unit = fontMetrics().height();
    return {unit * 20, unit * 12};
}

void ResponsePlot::setResponse(std::optional<Curves> curves, const PlotLimits& limits) {
    m_curves = std::move(curves);
    m_limits = limits;
    if (!m_curves || m_curves->hz.empty()) {
        m_cursor.reset();
    } else if (m_cursor && *m_cursor >= m_curves->hz.size()) {
        m_cursor = m_curves->hz.size() - 1;
    }
    setAccessibleDescription(readout());
    update();
}

QRectF ResponsePlot::plotArea() const {
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance(QStringLiteral("−100 dB")) + 8.0;
    const double top = metrics.height() * 2.0;
    const double bottom = metrics.height() * 2.2;
    const double right = metrics.horizontalAdvance(QStringLiteral("10 GHz")) / 2.0 + 4.0;
    return {left, top, std::max(1.0, width() - left - right),
            std::max(1.0, height() - top - bottom)};
}

QString ResponsePlot::readout() const {
    if (!m_curves || !m_cursor) {
        return m_curves ? tr("Point at the plot, or use the arrow keys, to read the curves")
                        : QString();
    }
    const std::size_t i = *m_cursor;
    return QStringLiteral("%1   S21 %2   S11 %3   S22 %4")
        .arg(QString::fromStdString(frequencyText(m_curves->hz[i])), decibels(m_curves->s21Db[i]),
             decibels(m_curves->s11Db[i]), decibels(m_curves->s22Db[i]));
}

void ResponsePlot::moveCursorTo(std::size_t index) {
    m_cursor = index;
    setAccessibleDescription(readout());
    update();
}

void ResponsePlot::mouseMoveEvent(QMouseEvent* event) {
    const QRectF area = plotArea();
    if (!m_curves || m_curves->hz.empty() || !area.contains(event->position())) {
        return;
    }
    const LogAxis x(m_curves->hz.front(), m_curves->hz.back(), area.left(), area.right());
    moveCursorTo(nearestIndex(m_curves->hz, x.valueAt(event->position().x())));
}

void ResponsePlot::keyPressEvent(QKeyEvent* event) {
    if (!m_curves || m_curves->hz.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const std::size_t last = m_curves->hz.size() - 1;
    // A step of about a hundredth of the plot, or a tenth with Page keys.
    const std::size_t step = std::max<std::size_t>(1, last / 100);
    const std::size_t at = m_cursor.value_or(0);
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursorTo(at > step ? at - step : 0);
        break;
    case Qt::Key_Right:
        moveCursorTo(m_cursor ? std::min(last, at + step) : 0);
        break;
    case Qt::Key_PageDown:
        moveCursorTo(at > 10 * step ? at - 10 * step : 0);
        break;
    case Qt::Key_PageUp:
        moveCursorTo(std::min(last, at + 10 * step));
        break;
    case Qt::Key_Home:
        moveCursorTo(0);
        break;
    case Qt::Key_End:
        moveCursorTo(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ResponsePlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF area = plotArea();
    const QColor ink = palette().color(QPalette::Text);
    const QFontMetricsF metrics(font());
    if (!m_curves || m_curves->hz.size() < 2) {
        painter.setPen(ink);
        painter.drawText(rect(), Qt::AlignCenter, tr("No response to draw"));
        return;
    }
    const Curves& curves = *m_curves;
    const LogAxis x(curves.hz.front(), curves.hz.back(), area.left(), area.right());
    const std::array<std::span<const double>, 3> all = {curves.s21Db, curves.s11Db, curves.s22Db};
    const ValueRange range = valueRange(all, floorDb, 10.0);
    const LinearAxis y = LinearAxis::rounded(range.low, range.high, area.bottom(), area.top(), 8);

    // The limits: return losses above the floor are too poor; the loss must stay in its band.
    painter.fillRect(QRectF(QPointF(area.left(), y.pixelOf(y.high())),
                            QPointF(area.right(), y.pixelOf(-m_limits.minReturnLossDb)))
                         .intersected(area),
                     QColor(0xc6, 0x28, 0x28, 0x18));
    const double dc = curves.s21Db.front();
    if (std::isfinite(dc)) {
        const double upper = y.pixelOf(dc + m_limits.flatnessDb);
        const double lower = y.pixelOf(dc - m_limits.flatnessDb);
        const double middle = (upper + lower) / 2.0;
        const double half = std::max((lower - upper) / 2.0, 4.0); // always to be seen
        painter.fillRect(QRectF(area.left(), middle - half, area.width(), 2.0 * half),
                         QColor(0x2e, 0x7d, 0x32, 0x60));
    }
    if (m_limits.bandwidthHz && *m_limits.bandwidthHz < curves.hz.back()) {
        const double edge = std::max(area.left(), x.pixelOf(*m_limits.bandwidthHz));
        painter.fillRect(QRectF(QPointF(edge, area.top()), area.bottomRight()),
                         QColor(0x80, 0x80, 0x80, 0x30));
        painter.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 1.5, Qt::DashLine));
        painter.drawLine(QPointF(edge, area.top()), QPointF(edge, area.bottom()));
    }

    // The grid and the axes' labels.
    const QColor grid = palette().color(QPalette::Mid);
    for (const Tick& tick : x.ticks()) {
        const double px = x.pixelOf(tick.value);
        painter.setPen(
            QPen(grid, tick.labelled ? 1.0 : 0.5, tick.labelled ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        if (tick.labelled) {
            painter.setPen(ink);
            const QString label = QString::fromStdString(frequencyText(tick.value));
            const double w = metrics.horizontalAdvance(label);
            painter.drawText(QPointF(px - w / 2, area.bottom() + metrics.height()), label);
        }
    }
    for (const Tick& tick : y.ticks()) {
        const double py = y.pixelOf(tick.value);
        painter.setPen(QPen(grid, 0.5, Qt::DotLine));
        painter.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        painter.setPen(ink);
        const QString label = decibels(tick.value).replace(QStringLiteral(".00"), QString());
        painter.drawText(QRectF(0, py - metrics.height() / 2, area.left() - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    painter.setPen(QPen(ink, 1.0));
    painter.drawRect(area);
    painter.drawText(
        QRectF(area.left(), area.bottom() + metrics.height() * 1.1, area.width(), metrics.height()),
        Qt::AlignHCenter, tr("Frequency"));

    // The curves: the decibel axis spans every value, and the lowest are held at its foot.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Trace& trace : traces) {
        const std::vector<double>& values = trace.values(curves);
        // Hairlines side by side, two logical pixels in all: the raster engine strokes a
        // hairline antialiased on its fast path, where one wide pen takes most of a frame for
        // three curves of a thousand points.
        QPen pen(trace.colour, 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        const double device = 1.0 / devicePixelRatioF();
        const int strokes = std::max(2, static_cast<int>(std::lround(2.0 * devicePixelRatioF())));
        // Each stretch of finite values as one polyline: a gap where the circuit has no
        // solution.
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(curves.hz.size()));
        const auto flush = [&] {
            if (line.size() > 1) {
                for (int k = 0; k < strokes; ++k) {
                    painter.drawPolyline(line.translated(0.0, (k - (strokes - 1) / 2.0) * device));
                }
            }
            line.clear();
        };
        for (std::size_t i = 0; i < curves.hz.size(); ++i) {
            if (!std::isfinite(values[i])) {
                flush();
                continue;
            }
            line << QPointF(x.pixelOf(curves.hz[i]), y.pixelOf(std::max(values[i], y.low() - 1.0)));
        }
        flush();
    }
    // What the shades mean, said on them.
    painter.setPen(QColor(0x9a, 0x1c, 0x1c));
    const double floorY = y.pixelOf(-m_limits.minReturnLossDb);
    if (floorY > area.top() + metrics.height() && floorY < area.bottom()) {
        painter.drawText(QPointF(area.left() + 4, floorY - 4),
                         tr("return loss under %1 dB").arg(m_limits.minReturnLossDb));
    }
    if (std::isfinite(dc)) {
        painter.setPen(QColor(0x1b, 0x5e, 0x20));
        painter.drawText(QPointF(area.left() + 4, y.pixelOf(dc) + metrics.height()),
                         tr("loss within ±%1 dB").arg(m_limits.flatnessDb));
    }
    if (m_limits.bandwidthHz && *m_limits.bandwidthHz < curves.hz.back() &&
        *m_limits.bandwidthHz > curves.hz.front()) {
        const QString edge = QString::fromStdString(frequencyText(*m_limits.bandwidthHz));
        const double px = x.pixelOf(*m_limits.bandwidthHz) - metrics.horizontalAdvance(edge) - 4;
        painter.drawText(QPointF(std::max(area.left() + 4, px), area.bottom() - 4), edge);
    }

    // The legend on the right of the top line, the cursor's readout on its left.
    double legendX = area.right();
    for (std::size_t n = traces.size(); n-- > 0;) {
        const Trace& trace = traces.at(n);
        const QString name = QString::fromLatin1(trace.name);
        legendX -= metrics.horizontalAdvance(name) + 4;
        painter.setPen(ink);
        painter.drawText(QPointF(legendX, metrics.ascent() + 2), name);
        legendX -= 24;
        painter.setPen(QPen(trace.colour, 3.0));
        const double lineY = metrics.height() / 2 + 2;
        painter.drawLine(QPointF(legendX, lineY), QPointF(legendX + 20, lineY));
        legendX -= 10;
    }
    painter.setPen(ink);
    painter.drawText(QRectF(area.left(), 2, legendX - area.left(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, readout());
    if (m_cursor) {
        const double px = x.pixelOf(curves.hz[*m_cursor]);
        painter.setPen(QPen(ink, 1.0, Qt::DashLine));
        painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
    }
}

} // namespace zelmarino::workbench

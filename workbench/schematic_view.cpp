#include "workbench/schematic_view.h"

#include "workbench/schematic_layout.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zelmarino::workbench {

namespace {

// A resistor's box, as long as this share of a grid unit and a third as wide.
constexpr double boxLength = 0.5;

} // namespace

SchematicView::SchematicView(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("schematic"));
    setAccessibleName(tr("Schematic"));
}

void SchematicView::setNetwork(design::Network network, design::ShuntAt shuntAt,
                               const QStringList& values) {
    m_network = network;
    m_shuntAt = shuntAt;
    m_values = values;
    const auto arms = design::armsOf(network, shuntAt);
    QStringList described;
    for (qsizetype i = 0; i < static_cast<qsizetype>(arms.size()); ++i) {
        described << QString::fromLatin1(arms[static_cast<std::size_t>(i)].name) +
                         (i < values.size() ? QStringLiteral(" ") + values[i] : QString());
    }
    setAccessibleDescription(described.join(QStringLiteral(", ")));
    update();
}

QSize SchematicView::sizeHint() const {
    const int unit = fontMetrics().height();
    return {unit * 26, unit * 12};
}

QSize SchematicView::minimumSizeHint() const {
    const int unit = fontMetrics().height();
    return {unit * 18, unit * 9};
}

void SchematicView::paintEvent(QPaintEvent* /*event*/) {
    const design::NetworkEntry& entry = design::entryOf(m_network);
    const auto arms = design::armsOf(m_network, m_shuntAt);
    const Schematic schematic = schematicOf(entry, arms);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QFontMetricsF metrics(font());
    // Grid x from 0 to 4 and y from -1 (or 0) to 2, with room for the labels around.
    const double top = schematic.bridged ? -1.0 : 0.0;
    // Room above the upper rail for a series arm's name and value, two lines.
    const double margin = metrics.height() * 3.0;
    const double unit = std::min((width() - 2.0 * margin) / 4.0,
                                 (height() - 2.0 * margin - metrics.height()) / (2.0 - top));
    const double left = (width() - 4.0 * unit) / 2.0;
    const double upper = margin - top * unit;
    const auto at = [&](Point p) { return QPointF(left + p.x * unit, upper + p.y * unit); };

    const QColor ink = palette().color(QPalette::Text);
    painter.setPen(QPen(ink, std::max(1.0, unit / 40.0)));
    for (const Segment& wire : schematic.wires) {
        painter.drawLine(at(wire.from), at(wire.to));
    }
    // A line: a long box with a rule along it, named and marked as the quarter wave it is.
    for (const PlacedLine& line : schematic.lines) {
        const QPointF from = at(line.body.from);
        const QPointF to = at(line.body.to);
        const QPointF middle = (from + to) / 2.0;
        const bool vertical = std::abs(to.x() - from.x()) < 1.0;
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        const double half = std::min(length * 0.35, boxLength * unit * 0.7);
        const double thick = boxLength * unit / 5.0;
        const QRectF box = vertical
                               ? QRectF(middle.x() - thick, middle.y() - half, 2 * thick, 2 * half)
                               : QRectF(middle.x() - half, middle.y() - thick, 2 * half, 2 * thick);
        painter.drawLine(from, to);
        painter.fillRect(box, palette().color(QPalette::Base));
        painter.drawRect(box);
        painter.drawLine(vertical ? QLineF(middle.x(), box.top(), middle.x(), box.bottom())
                                  : QLineF(box.left(), middle.y(), box.right(), middle.y()));
        const QString label =
            QString::fromLatin1(entry.lines[line.index].name) + QStringLiteral(" \u03bb/4");
        const QSizeF size = metrics.size(0, label);
        const QRectF text = vertical
                                ? QRectF(box.right() + thick / 2, middle.y() - size.height() / 2,
                                         size.width() + 2, size.height())
                                : QRectF(middle.x() - size.width() / 2, box.bottom() + thick / 3,
                                         size.width() + 2, size.height());
        painter.drawText(text, vertical ? Qt::AlignLeft : Qt::AlignHCenter, label);
    }
    for (const PlacedArm& arm : schematic.arms) {
        for (const Segment& lead : arm.leads) {
            painter.drawLine(at(lead.from), at(lead.to));
        }
        const QPointF from = at(arm.body.from);
        const QPointF to = at(arm.body.to);
        const QPointF middle = (from + to) / 2.0;
        const bool vertical = std::abs(to.x() - from.x()) < 1.0;
        const double half = boxLength * unit / 2.0;
        const double thick = boxLength * unit / 6.0;
        const QRectF box = vertical
                               ? QRectF(middle.x() - thick, middle.y() - half, 2 * thick, 2 * half)
                               : QRectF(middle.x() - half, middle.y() - thick, 2 * half, 2 * thick);
        const QPointF boxStart =
            vertical ? QPointF(middle.x(), box.top()) : QPointF(box.left(), middle.y());
        const QPointF boxEnd =
            vertical ? QPointF(middle.x(), box.bottom()) : QPointF(box.right(), middle.y());
        const bool forwards = vertical ? from.y() < to.y() : from.x() < to.x();
        painter.drawLine(from, forwards ? boxStart : boxEnd);
        painter.drawLine(forwards ? boxEnd : boxStart, to);
        painter.fillRect(box, palette().color(QPalette::Base));
        painter.drawRect(box);
        painter.drawEllipse(from, thick / 3, thick / 3);
        painter.drawEllipse(to, thick / 3, thick / 3);

        const auto index = static_cast<qsizetype>(arm.index);
        const QString name = QString::fromLatin1(arms[arm.index].name);
        const QString value = index < m_values.size() ? m_values[index] : QString();
        const QString label = value.isEmpty() ? name : name + QLatin1Char('\n') + value;
        const QSizeF size = metrics.size(0, label);
        const QRectF text =
            vertical ? QRectF(box.right() + thick, middle.y() - size.height() / 2, size.width() + 2,
                              size.height())
                     : QRectF(middle.x() - size.width() / 2, box.top() - size.height() - thick / 2,
                              size.width() + 2, size.height());
        painter.drawText(text, vertical ? Qt::AlignLeft : Qt::AlignHCenter, label);
    }
    // The ports, named as the form names them, and the ground.
    const double rail = 2.0;
    const QString input = tr("Zin");
    const QString output = tr("Zout");
    painter.setBrush(palette().color(QPalette::Base));
    if (schematic.secondOutput) {
        const QPointF second = at({4.0, pointOf(entry, design::Node::Out2).y});
        painter.drawEllipse(second, unit / 20, unit / 20);
        painter.drawText(QRectF(second.x() - unit, second.y() + metrics.height() * 0.3, 2 * unit,
                                metrics.height()),
                         Qt::AlignHCenter, output);
    }
    for (const auto& [x, name] : {std::pair{0.0, input}, std::pair{4.0, output}}) {
        const QPointF upperEnd = at({x, 0.0});
        const QPointF lowerEnd = at({x, rail});
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawEllipse(upperEnd, unit / 20, unit / 20);
        painter.drawEllipse(lowerEnd, unit / 20, unit / 20);
        painter.setBrush(Qt::NoBrush);
        const QRectF label(upperEnd.x() - unit, lowerEnd.y() + metrics.height() * 0.3, 2 * unit,
                           metrics.height());
        painter.drawText(label, Qt::AlignHCenter, name);
    }
    if (schematic.grounded) {
        const QPointF ground = at({2.0, rail});
        const double w = unit / 6;
        for (int i = 0; i < 3; ++i) {
            const double y = ground.y() + w * 0.5 * (i + 1);
            painter.drawLine(QPointF(ground.x() - w * (1 - i * 0.3), y),
                             QPointF(ground.x() + w * (1 - i * 0.3), y));
        }
    }
}

} // namespace zelmarino::workbench

#include "workbench/input_panel.h"

#include "design/catalogue.h"
#include "design/e_series.h"
#include "design/resistor_model.h"
#include "workbench/field_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace zelmarino::workbench {

namespace {

QString plain(QString label) {
    return label.remove(QLatin1Char('&'));
}

std::string textOf(const FieldEditor* editor) {
    return editor->text().trimmed().toStdString();
}

// A label's access key gives the focus to its buddy only if the buddy takes the focus
// itself: the edit, not the editor around it.
void pointLabelAt(QFormLayout* form, FieldEditor* editor) {
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(editor))) {
        label->setBuddy(editor->edit());
    }
}

bool isL(design::Network network) {
    return !design::entryOf(network).armsShuntAtInput.empty();
}

} // namespace

InputPanel::InputPanel(QWidget* parent)
    : QWidget(parent)
    , m_mode(new QComboBox(this))
    , m_network(new QComboBox(this))
    , m_shuntAt(new QComboBox(this))
    , m_root(new QComboBox(this))
    , m_lineModel(new QComboBox(this))
    , m_minimum(new QCheckBox(tr("Least loss the impe&dances allow"), this))
    , m_series(new QComboBox(this))
    , m_optimise(new QCheckBox(tr("&Optimise: the set closest to the loss"), this))
    , m_pairs(new QCheckBox(tr("&Pairs: two values in an arm"), this))
    , m_parts(new QComboBox(this))
    , m_points(new QSpinBox(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    QFormLayout* network = addGroup(tr("Network"));
    m_mode->addItem(tr("Design for a loss"));
    m_mode->addItem(tr("Check the resistors I have"));
    addChoice(network, m_mode, QStringLiteral("mode"), tr("Tas&k"));
    for (const design::NetworkEntry& entry : design::catalogue()) {
        m_network->addItem(QCoreApplication::translate("Network", entry.title.data()),
                           static_cast<int>(entry.network));
    }
    addChoice(network, m_network, QStringLiteral("network"), tr("&Network"));
    m_shuntAt->addItem(tr("Across the output port"));
    m_shuntAt->addItem(tr("Across the input port"));
    addChoice(network, m_shuntAt, QStringLiteral("shuntAt"), tr("S&hunt arm"));
    m_root->addItem(tr("Low: arms below Z"));
    m_root->addItem(tr("High: arms above Z"));
    addChoice(network, m_root, QStringLiteral("root"), tr("Refl&ection root"));
    m_lineModel->addItem(tr("Ideal quarter-wave lines"));
    m_lineModel->addItem(tr("Lumped C-L-C equivalents"));
    addChoice(network, m_lineModel, QStringLiteral("lineModel"), tr("Line t&ype"));
    addEditor(network, Field::Zin, QStringLiteral("zin"), tr("Z&in (Ω)"), QStringLiteral("75"));
    addEditor(network, Field::Zout, QStringLiteral("zout"), tr("Zo&ut (Ω)"), QStringLiteral("50"));
    addEditor(network, Field::Loss, QStringLiteral("loss"), tr("&Loss (dB)"), QStringLiteral("10"));
    addBox(network, m_minimum, QStringLiteral("minimumLoss"));
    for (std::size_t i = 0; i < design::mostArms(); ++i) {
        const QString name = QStringLiteral("R%1").arg(i + 1);
        auto* arm = new FieldEditor(QStringLiteral("arm%1").arg(i + 1), QString(), this);
        arm->edit()->setAccessibleName(tr("Resistor %1").arg(name));
        arm->edit()->setPlaceholderText(tr("100, 1k5, 47+36, 220||330"));
        network->addRow(QStringLiteral("R&%1").arg(i + 1), arm);
        pointLabelAt(network, arm);
        m_rows.emplace_back(network, arm);
        m_arms.push_back(arm);
        connect(arm->edit(), &QLineEdit::textChanged, this, &InputPanel::changed);
    }

    QFormLayout* standard = addGroup(tr("Standard values"));
    m_series->addItem(tr("None: exact values"));
    for (const auto series : {design::ESeries::E6, design::ESeries::E12, design::ESeries::E24,
                              design::ESeries::E48, design::ESeries::E96, design::ESeries::E192}) {
        const QString name = QString::fromLatin1(design::seriesName(series));
        m_series->addItem(name, name);
    }
    addChoice(standard, m_series, QStringLiteral("series"), tr("Serie&s"));
    addBox(standard, m_optimise, QStringLiteral("optimise"));
    addBox(standard, m_pairs, QStringLiteral("pairs"));
    addEditor(standard, Field::MinReturnLoss, QStringLiteral("minReturnLoss"),
              tr("Return-loss floo&r (dB)"), QStringLiteral("30"));

    QFormLayout* power = addGroup(tr("Tolerance and power"));
    addEditor(power, Field::Tolerance, QStringLiteral("tolerance"), tr("&Tolerance (%)"), {});
    addEditor(power, Field::Power, QStringLiteral("power"), tr("Po&wer (W or dBm)"), {});
    addEditor(power, Field::Rating, QStringLiteral("rating"), tr("Ratin&g of each part (W)"), {});

    QFormLayout* parts = addGroup(tr("Parts and response"));
    m_parts->addItem(tr("Ideal resistors"));
    for (const design::Package& package : design::packages()) {
        m_parts->addItem(
            QString::fromUtf8(package.description.data(),
                              static_cast<qsizetype>(package.description.size())),
            QString::fromLatin1(package.name.data(), static_cast<qsizetype>(package.name.size())));
    }
    m_parts->addItem(tr("My own parasitics"));
    addChoice(parts, m_parts, QStringLiteral("parts"), tr("P&arts"));
    addEditor(parts, Field::Parasitics, QStringLiteral("parasitics"), tr("Own parasiti&cs"),
              QStringLiteral("L=1nH,C=0.05pF"))
        ->edit()
        ->setToolTip(tr("Inductance in series, capacitance across: L=1nH,C=0.05pF"));
    addEditor(parts, Field::ViaInductance, QStringLiteral("viaInductance"),
              tr("&Via to ground (H)"), QStringLiteral("0"))
        ->edit()
        ->setPlaceholderText(QStringLiteral("0.3nH"));
    addEditor(parts, Field::F0, QStringLiteral("f0"), tr("Design frequency f&0 (Hz)"), {});
    addEditor(parts, Field::Flatness, QStringLiteral("flatness"), tr("Flatness (d&B)"),
              QStringLiteral("0.1"));
    addEditor(parts, Field::SweepFrom, QStringLiteral("sweepFrom"), tr("Sweep fro&m (Hz)"),
              QStringLiteral("1MHz"));
    addEditor(parts, Field::SweepTo, QStringLiteral("sweepTo"), tr("Sweep to (H&z)"),
              QStringLiteral("10GHz"));
    m_points->setRange(2, 100'000);
    m_points->setValue(1001);
    addChoice(parts, nullptr, QStringLiteral("points"), tr("Points"));
    layout->addStretch(1);

    for (QComboBox* choice :
         {m_mode, m_network, m_shuntAt, m_root, m_lineModel, m_series, m_parts}) {
        connect(choice, &QComboBox::currentIndexChanged, this, &InputPanel::updateEnabled);
        connect(choice, &QComboBox::currentIndexChanged, this, &InputPanel::changed);
    }
    for (QCheckBox* box : {m_minimum, m_optimise, m_pairs}) {
        connect(box, &QCheckBox::toggled, this, &InputPanel::updateEnabled);
        connect(box, &QCheckBox::toggled, this, &InputPanel::changed);
    }
    connect(m_points, &QSpinBox::valueChanged, this, &InputPanel::changed);
    // Tab goes down the form as it reads, not in the order the controls were made.
    QWidget* previous = nullptr;
    for (const auto& [form, widget] : m_rows) {
        QWidget* control = widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    updateEnabled();
}

QFormLayout* InputPanel::addGroup(const QString& title) {
    auto* group = new QGroupBox(title, this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout()->addWidget(group);
    return form;
}

FieldEditor* InputPanel::addEditor(QFormLayout* form, Field field, const QString& name,
                                   const QString& label, const QString& text) {
    auto* editor = new FieldEditor(name, text, this);
    editor->edit()->setAccessibleName(plain(label));
    form->addRow(label, editor);
    pointLabelAt(form, editor);
    m_rows.emplace_back(form, editor);
    m_editors[field] = editor;
    connect(editor->edit(), &QLineEdit::textChanged, this, &InputPanel::changed);
    return editor;
}

void InputPanel::addChoice(QFormLayout* form, QComboBox* choice, const QString& name,
                           const QString& label) {
    QWidget* widget = choice != nullptr ? static_cast<QWidget*>(choice) : m_points;
    widget->setObjectName(name);
    widget->setAccessibleName(plain(label));
    form->addRow(label, widget);
    m_rows.emplace_back(form, widget);
}

void InputPanel::addBox(QFormLayout* form, QCheckBox* box, const QString& name) {
    box->setObjectName(name);
    box->setAccessibleName(plain(box->text()));
    form->addRow(QString(), box);
    m_rows.emplace_back(form, box);
}

void InputPanel::setRowShown(QWidget* field, bool shown) {
    for (const auto& [form, widget] : m_rows) {
        if (widget == field) {
            form->setRowVisible(widget, shown);
        }
    }
}

void InputPanel::updateEnabled() {
    const FormFields now = fields();
    const bool check = now.mode == Mode::Check;
    m_shuntAt->setEnabled(isL(now.network));
    // Only the networks of quarter-wave lines have a design frequency, a line model and a root.
    const bool lines = design::hasLines(now.network);
    setRowShown(m_lineModel, lines);
    setRowShown(m_root, now.network == design::Network::Reflection);
    setRowShown(m_editors.at(Field::F0), lines);
    setRowShown(m_editors.at(Field::Loss), !check);
    setRowShown(m_minimum, !check);
    m_editors.at(Field::Loss)->setEnabled(!now.minimumLoss);
    const std::size_t arms = design::armsOf(now.network, now.shuntAt).size();
    for (std::size_t i = 0; i < m_arms.size(); ++i) {
        setRowShown(m_arms[i], check && i < arms);
        m_arms[i]->edit()->setToolTip(
            i < arms ? QCoreApplication::translate(
                           "Arm", design::armsOf(now.network, now.shuntAt)[i].roleText.data())
                     : QString());
    }
    for (QWidget* standard : {static_cast<QWidget*>(m_series), static_cast<QWidget*>(m_optimise),
                              static_cast<QWidget*>(m_pairs)}) {
        setRowShown(standard, !check);
    }
    m_optimise->setEnabled(!now.series.empty());
    m_pairs->setEnabled(now.optimise && !now.series.empty());
    const bool own = now.parts == PartsKind::Own;
    m_editors.at(Field::Parasitics)->setEnabled(own);
    m_editors.at(Field::ViaInductance)->setEnabled(now.parts != PartsKind::Ideal);
}

FormFields InputPanel::fields() const {
    FormFields fields;
    fields.mode = m_mode->currentIndex() == 1 ? Mode::Check : Mode::Design;
    fields.network = static_cast<design::Network>(m_network->currentData().toInt());
    fields.shuntAt =
        m_shuntAt->currentIndex() == 1 ? design::ShuntAt::Input : design::ShuntAt::Output;
    fields.root = m_root->currentIndex() == 1 ? design::Root::High : design::Root::Low;
    fields.lineModel =
        m_lineModel->currentIndex() == 1 ? design::LineModel::Lumped : design::LineModel::Ideal;
    fields.zin = textOf(m_editors.at(Field::Zin));
    fields.zout = textOf(m_editors.at(Field::Zout));
    fields.loss = textOf(m_editors.at(Field::Loss));
    fields.minimumLoss = m_minimum->isChecked();
    fields.series = m_series->currentData().toString().toStdString();
    fields.optimise = m_optimise->isChecked();
    fields.pairs = m_pairs->isChecked();
    fields.minReturnLoss = textOf(m_editors.at(Field::MinReturnLoss));
    fields.tolerance = textOf(m_editors.at(Field::Tolerance));
    fields.power = textOf(m_editors.at(Field::Power));
    fields.rating = textOf(m_editors.at(Field::Rating));
    const int part = m_parts->currentIndex();
    fields.parts = part == 0                      ? PartsKind::Ideal
                   : part == m_parts->count() - 1 ? PartsKind::Own
                                                  : PartsKind::Package;
    fields.package = m_parts->currentData().toString().toStdString();
    fields.parasitics = textOf(m_editors.at(Field::Parasitics));
    fields.viaInductance = textOf(m_editors.at(Field::ViaInductance));
    fields.f0 = textOf(m_editors.at(Field::F0));
    fields.flatness = textOf(m_editors.at(Field::Flatness));
    fields.sweepFrom = textOf(m_editors.at(Field::SweepFrom));
    fields.sweepTo = textOf(m_editors.at(Field::SweepTo));
    fields.points = static_cast<std::size_t>(m_points->value());
    for (const FieldEditor* arm : m_arms) {
        fields.arms.push_back(textOf(arm));
    }
    return fields;
}

QWidget* InputPanel::lastControl() const {
    return m_points;
}

FieldEditor* InputPanel::editor(Field field, std::size_t arm) const {
    if (field == Field::Arm) {
        return arm < m_arms.size() ? m_arms[arm] : nullptr;
    }
    const auto found = m_editors.find(field);
    return found != m_editors.end() ? found->second : nullptr;
}

void InputPanel::showReasons(const std::vector<FieldError>& errors) {
    const auto reasonFor = [&errors](Field field, std::size_t arm) {
        QStringList reasons;
        for (const FieldError& error : errors) {
            if (error.field == field && error.arm == arm) {
                reasons << QCoreApplication::translate("Reason", error.reason.c_str());
            }
        }
        return reasons.join(QLatin1Char('\n'));
    };
    for (const auto& [field, editor] : m_editors) {
        editor->setReason(reasonFor(field, 0));
    }
    for (std::size_t i = 0; i < m_arms.size(); ++i) {
        m_arms[i]->setReason(reasonFor(Field::Arm, i));
    }
}

} // namespace zelmarino::workbench

#include "tests/workbench/window_driver.h"

#include "workbench/field_editor.h"
#include "workbench/input_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace zelmarino::workbench::testing {

void choose(QComboBox* choice, const QString& item) {
    const int index = choice->findText(item, Qt::MatchStartsWith);
    if (index >= 0) {
        choice->setCurrentIndex(index);
    }
}

void chooseData(QComboBox* choice, const QVariant& data) {
    const int index = choice->findData(data);
    if (index >= 0) {
        choice->setCurrentIndex(index);
    }
}

void retype(WorkbenchWindow& window, Field field, const QString& text, std::size_t arm) {
    QLineEdit* edit = window.inputs()->editor(field, arm)->edit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void typePiDesign(WorkbenchWindow& window) {
    InputPanel* inputs = window.inputs();
    chooseData(inputs->networkChoice(), static_cast<int>(design::Network::Pi));
    retype(window, Field::Zin, QStringLiteral("75"));
    retype(window, Field::Zout, QStringLiteral("50"));
    retype(window, Field::Loss, QStringLiteral("10"));
    chooseData(inputs->seriesChoice(), QStringLiteral("E24"));
    inputs->optimiseBox()->setChecked(true);
    retype(window, Field::Tolerance, QStringLiteral("1"));
    retype(window, Field::Power, QStringLiteral("1"));
    retype(window, Field::Rating, QStringLiteral("0.125"));
    chooseData(inputs->partsChoice(), QStringLiteral("0603"));
}

} // namespace zelmarino::workbench::testing

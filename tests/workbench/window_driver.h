// Acting on the workbench window as a user would: choosing from a list, retyping a field.
#pragma once

#include "workbench/form_reading.h"
#include "workbench/workbench_window.h"

#include <QString>
#include <QVariant>

class QComboBox;

namespace zelmarino::workbench::testing {

// The item whose text begins with `item`, or whose data is `data`, whatever the language.
void choose(QComboBox* choice, const QString& item);
void chooseData(QComboBox* choice, const QVariant& data);
void retype(WorkbenchWindow& window, Field field, const QString& text, std::size_t arm = 0);
// The 75 to 50 ohm 10 dB Pi in E24, optimised, with 0603 parts: 1 % parts of 1/8 W, 1 W in.
void typePiDesign(WorkbenchWindow& window);

} // namespace zelmarino::workbench::testing

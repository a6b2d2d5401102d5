#include "workbench/field_editor.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zelmarino::workbench {

FieldEditor::FieldEditor(const QString& objectName, const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(text, this))
    , m_reason(new QLabel(this)) {
    setObjectName(objectName);
    m_edit->setObjectName(objectName + QStringLiteral("Edit"));
    m_reason->setObjectName(objectName + QStringLiteral("Reason"));
    m_reason->setWordWrap(true);
    m_reason->setVisible(false);
    QPalette red = m_reason->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0x1c, 0x1c));
    m_reason->setPalette(red);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit);
    layout->addWidget(m_reason);
    setFocusProxy(m_edit);
}

void FieldEditor::setReason(const QString& reason) {
    if (reason == m_reason->text()) {
        return;
    }
    m_reason->setText(reason);
    m_reason->setVisible(!reason.isEmpty());
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, reason.isEmpty() ? QWidget::palette().color(QPalette::Base)
                                                      : QColor(0xfd, 0xe4, 0xe4));
    m_edit->setPalette(palette);
    m_edit->setAccessibleDescription(reason);
    m_edit->setToolTip(reason);
}

QString FieldEditor::reason() const {
    return m_reason->text();
}

} // namespace zelmarino::workbench

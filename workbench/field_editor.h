// A line edit that shows, below it, why what is typed in it cannot be used: the reason in
// red, the edit's background tinted, and the reason in its accessible description.
#pragma once

#include <QLineEdit>
#include <QWidget>

class QLabel;

namespace zelmarino::workbench {

class FieldEditor final : public QWidget {
    Q_OBJECT
public:
    FieldEditor(const QString& objectName, const QString& text, QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* edit() const { return m_edit; }
    [[nodiscard]] QString text() const { return m_edit->text(); }
    // Empty clears it.
    void setReason(const QString& reason);
    [[nodiscard]] QString reason() const;

private:
    QLineEdit* m_edit;
    QLabel* m_reason;
};

} // namespace zelmarino::workbench

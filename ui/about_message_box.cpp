#include "ui/about_message_box.h"

#include <QMessageBox>
#include <QString>

namespace zelmarino {

void showMessageBox(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

} // namespace zelmarino

#include "ui/DesktopMessageBoxes.h"

#include <QMessageBox>
#include <QString>

namespace {

QString Title() {
    return QStringLiteral("Lotcraft");
}

}  // namespace

void DesktopMessageBoxes::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Title(), text);
}

bool DesktopMessageBoxes::Question(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, Title(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

DesktopMessageBoxes& DesktopMessageBoxes::Instance() {
    static DesktopMessageBoxes boxes;
    return boxes;
}

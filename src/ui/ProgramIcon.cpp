#include "ui/ProgramIcon.h"

QIcon ProgramIcon() {
    QIcon icon(QStringLiteral(":/pictures/lotcraft.png"));
    icon.addFile(QStringLiteral(":/pictures/lotcraft-256.png"));
    return icon;
}

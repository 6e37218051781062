#include "ui/Auctions.h"

#include "app/ProgramSettings.h"
#include "ui/Twips.h"

#include <QCoreApplication>

Auctions::Auctions(ProgramSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings) {
    setObjectName(QStringLiteral("Auctions"));
    setWindowTitle(QStringLiteral("Lotcraft"));
    setFixedSize(TwipsToPixels(ClientWidthTwips), TwipsToPixels(ClientHeightTwips));
    Form_Load();
}

void Auctions::Form_Load() {
    m_settings.SetOutputFolder(QCoreApplication::applicationDirPath());
}

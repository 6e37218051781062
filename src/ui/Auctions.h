#pragma once

#include <QWidget>

class ProgramSettings;

// The main window: the seller's catalogue, the form for one record, the seller's details
// and the buttons that open, save and generate.
class Auctions : public QWidget {
    Q_OBJECT

public:
    static constexpr int ClientWidthTwips = 10470;
    static constexpr int ClientHeightTwips = 7935;

    explicit Auctions(ProgramSettings& settings, QWidget* parent = nullptr);

private:
    // What loading the window does: the pages go to the application folder until the
    // seller chooses another.
    void Form_Load();

    ProgramSettings& m_settings;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/PageChoiceLists.h"

#include <QDialog>

#include <array>

class ProgramSettings;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class XpButton;

// The layout dialog "layout": the description layout and the colour scheme of the pages.
// A clicked layout option takes effect at once; the scheme only with "Ok". It is created for
// one opening and keeps nothing of its own.
class LayoutDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int LayoutCount = PageChoiceLists::LayoutCount;

    explicit LayoutDialog(ProgramSettings& settings, QWidget* parent = nullptr);

    QComboBox* ImageCombo1() const { return m_imageCombo1; }
    QRadioButton* Option1(int index) const { return m_option1.at(size_t(index)); }
    XpButton* OKButton() const { return m_okButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Fills the scheme list and checks the settings' layout and scheme.
    void ShowSettings();
    // The layout checked becomes the settings' layout at once.
    void TakeCheckedLayout();
    // Ok: the checked layout and the chosen scheme become the settings'.
    void Confirm();

    ProgramSettings& m_settings;
    QGroupBox* m_frame2;
    QLabel* m_label1;
    QComboBox* m_imageCombo1;
    QGroupBox* m_frame1;
    std::array<QLabel*, LayoutCount> m_picture;
    std::array<QRadioButton*, LayoutCount> m_option1;
    QButtonGroup* m_options;
    XpButton* m_okButton;
};

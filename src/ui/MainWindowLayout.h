// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ItemRecord.h"

#include <QSize>

#include <array>

class DescriptionBox;
class Grid;
class GridView;
class QLabel;
class QLineEdit;
class QPainter;
class QWidget;
class XpButton;

// The main window's controls in their places: the tables of where each label, box and
// button stands (in twips) and what each button shows, the order Tab goes through them, and
// the etched lines between the window's parts. Every control carries the object name by
// which tests, property bags and screenshots find it (t_Item, Label6, MSFlexGrid1, Update).
class MainWindowLayout {
public:
    static constexpr int ClientWidthTwips = 10470;
    static constexpr int ClientHeightTwips = 7935;

    // The controls the window works with.
    struct Controls {
        GridView* grid = nullptr;
        QLineEdit* seller = nullptr;
        QLineEdit* location = nullptr;
        QLineEdit* country = nullptr;
        QLabel* itemCount = nullptr;  // Label6
        QLabel* pageCount = nullptr;  // Label7
        QLabel* status = nullptr;
        // The form's line boxes by the record position they edit: none for the description
        // (the multi-line box) and for Spare.
        std::array<QLineEdit*, ItemRecord::FieldCount + 1> boxes{};
        DescriptionBox* description = nullptr;
        QLineEdit* pagePath = nullptr;  // t_html
        XpButton* load = nullptr;
        XpButton* newRecord = nullptr;  // Manual, "INSERT NEW RECORD"
        XpButton* htmls = nullptr;
        XpButton* save = nullptr;
        XpButton* exportListings = nullptr;  // Export: eBay's bulk listing file
        XpButton* help = nullptr;
        XpButton* categoryList = nullptr;  // XpButton1, "?"
        XpButton* update = nullptr;
        XpButton* cancel = nullptr;
        XpButton* deleteRecord = nullptr;
        XpButton* viewHtml = nullptr;  // viewh
        XpButton* viewPage = nullptr;  // viewp
        XpButton* close = nullptr;
    };

    // Makes the window's controls as its children, the grid's view showing grid, and sets
    // the order Tab goes through them.
    static Controls Create(QWidget& window, Grid& grid);
    // Paints the etched lines onto the window.
    static void PaintSeparators(QPainter& painter, const QWidget& window);

    // The window's first size, which is also its smallest.
    static QSize FirstSize();
    // Places the controls for the window's size: at the first size as the tables say; a
    // larger window gives the grid the room, and what lies below the grid keeps its place
    // relative to the grid's bottom edge.
    static void Arrange(QWidget& window, QWidget& grid);

private:
    // How much taller than its first size the window is.
    static int GrowthDown(const QWidget& window);
};

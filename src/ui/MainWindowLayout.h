// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ItemRecord.h"

#include <QPoint>
#include <QSize>

#include <array>

class CatalogueView;
class DescriptionBox;
class GridView;
class ListingDetailsList;
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
        // Beside the form when the window has room for it (Arrange).
        ListingDetailsList* details = nullptr;
    };

    // Makes the window's controls as its children, the grid's view showing the grid through
    // shown, and sets the order Tab goes through them.
    static Controls Create(QWidget& window, CatalogueView& shown);
    // Paints the etched lines onto the window.
    static void PaintSeparators(QPainter& painter, const QWidget& window, QPoint offset = QPoint());

    // The window's first size, which is also its smallest.
    static QSize FirstSize();
    // Places the controls for the window's size: at the first size as the tables say. A
    // larger window gives the grid half the height it gained and the description box the
    // other half; the Title, Image, Description and page path boxes and the status line grow
    // wider, the form's other controls keep their places relative to the form. A find bar
    // shown takes the grid's top edge. The listing details stand at the right of the form
    // where the window is wide enough for them (DetailsWidth more than its first width),
    // the form then growing by the rest; true when they do, false when they are hidden.
    // A window smaller than its first size (a small screen) keeps the first places, moved
    // by `offset` as it is scrolled.
    static bool Arrange(QWidget& window, QWidget& grid, QWidget* findBar = nullptr,
                        QWidget* details = nullptr, QPoint offset = QPoint());
    // The width the listing details take beside the form, their margins included.
    static int DetailsWidth();

private:
    // How much taller than its first size the window is, and the grid's share of it.
    static int GrowthDown(const QWidget& window);
    static int GridShareDown(const QWidget& window);
    // How far a control below the grid that stood at firstTop at the first size moves down.
    static int MovedDown(const QWidget& window, int firstTop);
};

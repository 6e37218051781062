#pragma once

#include <QString>
#include <QtGlobal>

// What the page writer needs from the window that runs it: the texts of the Seller,
// Location and Country boxes, read at the moment their line is written, and the page
// counter that it raises and has Label7 show after each page. The main window implements
// it with its boxes and label; the headless page program with fixed texts.
class PageHost {
public:
    virtual ~PageHost();

    virtual QString SellerText() const = 0;
    virtual QString LocationText() const = 0;
    virtual QString CountryText() const = 0;

    virtual qint64 PageCount() const = 0;
    virtual void SetPageCount(qint64 count) = 0;
    // Sets Label7's caption and repaints it at once, while the run goes on.
    virtual void ShowPageCount(const QString& caption) = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An item number as the name of its page: the page is the file "<item number>.html" in the
// output folder. This is the one place that says which item numbers can name a page. The
// page writer refuses those that would name a folder or a file outside the output folder;
// the catalogue check refuses those and also the ones that give a hidden or broken name.
class PageName {
public:
    enum class Fault {
        None,
        Empty,       // the page would be the hidden file ".html"
        Slash,       // the page would go into another folder
        Nul,         // the system would end the name at the NUL
        FolderName,  // "." or "..", a folder rather than a file
        LineBreak,   // a CR or LF, which breaks the name in links and listings
    };

    // The page's file name within the output folder.
    static QString FileName(const QString& itemNumber);

    // What keeps an item number from naming its page; "/", NUL and the folder names come
    // before an empty name or a line break, so that the writer's own refusals are named
    // first.
    static Fault FaultOf(const QString& itemNumber);
    // Why an item number with the fault cannot name a page, as the end of a sentence
    // ("it holds \"/\""); empty for None.
    static QString Why(Fault fault);
    // Why the page writer refuses the item number ("/", NUL, "." and ".."), or empty when
    // it writes the page.
    static QString WriterRefusal(const QString& itemNumber);

    // The item number as a message shows it, every character readable: a NUL as "\0", a
    // CR as "\r" and a LF as "\n".
    static QString Shown(const QString& itemNumber);
};

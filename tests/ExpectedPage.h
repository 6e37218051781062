// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ItemRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Expected item pages, built from the page line tables, for comparing written pages with.
namespace ExpectedPage {

// The text of a value named as the tables name it ("title", "link 4", "`SchemePrimary`").
using ValueOf = std::function<QString(const QString& name)>;

// The page's lines, without line ends, for a layout (anything outside 1 to 4: no body).
QStringList ExpectedLines(int layout, const ValueOf& valueOf);
// The lines as the page file holds them: ISO-8859-1, references beyond it, CR LF after each.
QByteArray JoinCrLf(const QStringList& lines);

// An item and the window's three texts.
struct TestItem {
    ItemRecord record;
    QString seller = QStringLiteral("seller@example.com");
    QString location = QStringLiteral("Leeds");
    QString country = QStringLiteral("United Kingdom");
};
TestItem PlainItem();

// The values of an item's page in a scheme (1, 3, 6, 12, 17, or an empty one).
ValueOf ValuesFor(const TestItem& item, int scheme);

QByteArray ReadFile(const QString& name);
// Fails the running test at the first line that differs.
void ComparePages(const QByteArray& actual, const QByteArray& expected);

}  // namespace ExpectedPage

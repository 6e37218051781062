// The browser seam: what IE_View hands to the desktop, and what the seller is told when
// nothing can be opened.

#include "RecordingMessageBoxes.h"
#include "ui/Browser.h"

#include <QDir>
#include <QtTest>

class BrowserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachRequestOpensTheAddressAnew() {
        RecordingMessageBoxes messages;
        Browser browser(messages, nullptr);
        QList<QUrl> opened;
        browser.SetOpener([&opened](const QUrl& url) {
            opened.append(url);
            return true;
        });
        const QString page = QStringLiteral("/home/seller/My pages/10#01 caf\u00E9.html");
        const QString categories =
            QStringLiteral("https://pages.ebay.com/aw/plistings/list/categories.html");
        browser.IE_View(page);
        browser.IE_View(categories);
        browser.IE_View(page);
        QCOMPARE(opened.size(), 3);
        // A local path goes as a file URL of exactly that path; "#" is part of the name.
        QCOMPARE(opened.at(0).toLocalFile(), page);
        QCOMPARE(opened.at(1), QUrl(categories));
        QCOMPARE(browser.LastOpened(), opened.at(0));
        QVERIFY(messages.messages.isEmpty());
    }

    void addressesBecomeUrls() {
        QCOMPARE(Browser::AddressUrl(QStringLiteral("file:///tmp/help.html")).toLocalFile(),
                 QStringLiteral("/tmp/help.html"));
        // A path with a colon is still a path; a relative one is taken from here.
        QCOMPARE(Browser::AddressUrl(QStringLiteral("/tmp/a:b.html")).toLocalFile(),
                 QStringLiteral("/tmp/a:b.html"));
        QCOMPARE(Browser::AddressUrl(QStringLiteral("help.html")).toLocalFile(),
                 QDir::current().absoluteFilePath(QStringLiteral("help.html")));
        // The help page of a program in the root folder, "/" + "/help.html", names no host.
        const QUrl help = Browser::AddressUrl(QStringLiteral("//help.html"));
        QVERIFY(help.host().isEmpty());
        QCOMPARE(help.toLocalFile(), QStringLiteral("/help.html"));
    }

    void whatCannotBeOpenedIsToldAndTheProgramGoesOn() {
        RecordingMessageBoxes messages;
        Browser browser(messages, nullptr);
        int calls = 0;
        browser.SetOpener([&calls](const QUrl&) { return ++calls, false; });
        browser.IE_View(QStringLiteral("/tmp/1001.html"));
        QCOMPARE(calls, 1);
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages.at(0).contains(QStringLiteral("/tmp/1001.html")));
        // An empty page path (no page written yet) reaches no browser.
        browser.IE_View(QString());
        QCOMPARE(calls, 1);
        QCOMPARE(messages.messages.size(), 2);
    }
};

QTEST_MAIN(BrowserTest)
#include "BrowserTest.moc"

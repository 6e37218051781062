// The thirteen eBay addresses built for an item.

#include "app/LotcraftError.h"
#include "pages/LinkTable.h"

#include <QUrl>
#include <QtTest>

class LinkTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addressesCarryTheItemAndTheSeller() {
        LinkTable links;
        links.Fill(QStringLiteral("1234"), QStringLiteral("me@example.com"));
        const char* paths[] = {
            "/aw-cgi/eBayISAPI.dll?ViewBids&item=1234",
            "/aw-cgi/eBayISAPI.dll?ShowEmailAuctionToFriend&item=1234",
            "/aw-cgi/eBayISAPI.dll?MakeTrack&item=1234",
            "/aw-cgi/eBayISAPI.dll?ShowCoreAskSellerQuestion&requested=me@example.com&iid=1234"
            "&frm=284",
            "/aw-cgi/eBayISAPI.dll?ViewFeedback&userid=me@example.com",
            "/help/basics/g-stars.html",
            "/services/buyandsell/powersellers.html",
            "/aboutme/me@example.com/",
            "/aw-cgi/eBayISAPI.dll?ViewFeedback&userid=me@example.com",
            "/ws/eBayISAPI.dll?ViewSellersOtherItems&userid=me@example.com&include=0&since=-1"
            "&sort=3&rows=25",
            "/aw-cgi/eBayISAPI.dll?ShowCoreAskSellerQuestion&requested=me@example.com&iid=1234"
            "&frm=284",
            "/aw-cgi/eBayISAPI.dll?UserItemVerification&item=1234",
            "/aw-cgi/eBayISAPI.dll?SellYourItem&item=1234",
        };
        for (int entry = 1; entry <= LinkTable::Count; ++entry) {
            const QString link = links.Link(entry);
            const QUrl url(link);
            QVERIFY2(url.scheme() == QLatin1String("https"), qPrintable(link));
            QVERIFY2(url.host().endsWith(QLatin1String(".ebay.com")), qPrintable(link));
            const QString origin = url.scheme() + QStringLiteral("://") + url.host();
            QCOMPARE(link.mid(origin.size()), QString::fromLatin1(paths[entry - 1]));
        }
        QCOMPARE(links.Link(9), links.Link(5));
        QCOMPARE(links.Link(11), links.Link(4));
    }

    void everyEntryIsRebuiltAndCanBeEmptied() {
        LinkTable links;
        links.Fill(QStringLiteral("1"), QStringLiteral("first"));
        links.Fill(QStringLiteral("2"), QString());
        QVERIFY(links.Link(1).endsWith(QLatin1String("item=2")));
        QVERIFY(links.Link(8).endsWith(QLatin1String("/aboutme//")));
        links.Clear();
        for (int entry = 1; entry <= LinkTable::Count; ++entry)
            QVERIFY(links.Link(entry).isEmpty());
        QVERIFY_THROWS_EXCEPTION(LotcraftError, links.Link(0));
        QVERIFY_THROWS_EXCEPTION(LotcraftError, links.Link(14));
    }
};

QTEST_APPLESS_MAIN(LinkTableTest)
#include "LinkTableTest.moc"

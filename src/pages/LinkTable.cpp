#include "pages/LinkTable.h"

#include "app/LotcraftError.h"

void LinkTable::Fill(const QString& itemNumber, const QString& sellerText) {
    const QString isapi = QStringLiteral("/aw-cgi/eBayISAPI.dll?");
    const QString offer = QStringLiteral("https://offer.ebay.com");
    const QString cgi = QStringLiteral("https://cgi.ebay.com");
    const QString contact = QStringLiteral("https://contact.ebay.com");
    const QString feedback = QStringLiteral("https://feedback.ebay.com");
    const QString pages = QStringLiteral("https://pages.ebay.com");
    const QString members = QStringLiteral("https://members.ebay.com");
    const QString www = QStringLiteral("https://www.ebay.com");

    m_links[0] = offer + isapi + QStringLiteral("ViewBids&item=") + itemNumber;
    m_links[1] = cgi + isapi + QStringLiteral("ShowEmailAuctionToFriend&item=") + itemNumber;
    m_links[2] = cgi + isapi + QStringLiteral("MakeTrack&item=") + itemNumber;
    m_links[3] = contact + isapi + QStringLiteral("ShowCoreAskSellerQuestion&requested=") +
                 sellerText + QStringLiteral("&iid=") + itemNumber + QStringLiteral("&frm=284");
    m_links[4] = feedback + isapi + QStringLiteral("ViewFeedback&userid=") + sellerText;
    m_links[5] = pages + QStringLiteral("/help/basics/g-stars.html");
    m_links[6] = pages + QStringLiteral("/services/buyandsell/powersellers.html");
    m_links[7] = members + QStringLiteral("/aboutme/") + sellerText + QStringLiteral("/");
    m_links[8] = m_links[4];
    m_links[9] = www + QStringLiteral("/ws/eBayISAPI.dll?ViewSellersOtherItems&userid=") +
                 sellerText + QStringLiteral("&include=0&since=-1&sort=3&rows=25");
    m_links[10] = m_links[3];
    m_links[11] = cgi + isapi + QStringLiteral("UserItemVerification&item=") + itemNumber;
    m_links[12] = cgi + isapi + QStringLiteral("SellYourItem&item=") + itemNumber;
}

void LinkTable::Clear() {
    for (QString& link : m_links)
        link.clear();
}

const QString& LinkTable::Link(int entry) const {
    if (entry < 1 || entry > Count)
        throw LotcraftError(QStringLiteral("the link table has no entry %1: its entries are "
                                           "1 to %2")
                                .arg(entry)
                                .arg(Count));
    return m_links[static_cast<size_t>(entry - 1)];
}

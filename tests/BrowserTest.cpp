// SPDX-License-Identifier: GPL-3.0-or-later
// The browser seam: what OpenInBrowser hands to the desktop, what the seller is told when nothing
// can be opened (at once or later), and the desktop's opener, xdg-open, judged by its exit
// status without waiting for a browser that keeps running.

#include "RecordingMessageBoxes.h"
#include "ui/Browser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

// An xdg-open of our own in a folder put first on PATH: it writes its argument into
// "argument" beside it, then runs the given shell commands.
class FakeXdgOpen {
public:
    explicit FakeXdgOpen(const QByteArray& commands) : m_path(qgetenv("PATH")) {
        QFile script(m_folder.filePath(QStringLiteral("xdg-open")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/argument\"\n" + commands +
                     "\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_folder.path()) + ":/usr/bin:/bin");
    }
    ~FakeXdgOpen() { qputenv("PATH", m_path); }

    QString FilePath(const QString& name) const { return m_folder.filePath(name); }
    QString Argument() const {
        QFile file(FilePath(QStringLiteral("argument")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
};

// Runs the desktop opener on the URL and waits for its outcome.
std::optional<bool> OpenWithDesktop(const QUrl& url, int patienceMs, int waitMs = 5000) {
    std::optional<bool> outcome;
    int outcomes = 0;
    Browser::DesktopOpener(patienceMs)(url, [&](bool opened) {
        outcome = opened;
        ++outcomes;
    });
    // No outcome within the wait leaves it empty, which the comparisons report.
    (void)QTest::qWaitFor([&] { return outcomes > 0; }, waitMs);
    return outcome;
}

}  // namespace

class BrowserTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachRequestOpensTheAddressAnew() {
        RecordingMessageBoxes messages;
        Browser browser(messages, nullptr);
        QList<QUrl> opened;
        browser.SetOpener([&opened](const QUrl& url, Browser::Outcome outcome) {
            opened.append(url);
            outcome(true);
        });
        const QString page = QStringLiteral("/home/seller/My pages/10#01 caf\u00E9.html");
        const QString categories =
            QStringLiteral("https://pages.ebay.com/aw/plistings/list/categories.html");
        browser.OpenInBrowser(page);
        browser.OpenInBrowser(categories);
        browser.OpenInBrowser(page);
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

    void whatCannotBeOpenedIsToldAtOnceOrLaterAndTheProgramGoesOn() {
        RecordingMessageBoxes messages;
        auto browser = std::make_unique<Browser>(messages, nullptr);
        QList<Browser::Outcome> pending;
        browser->SetOpener(
            [&pending](const QUrl&, Browser::Outcome outcome) { pending.append(outcome); });
        browser->OpenInBrowser(QStringLiteral("/tmp/1001.html"));
        browser->OpenInBrowser(QStringLiteral("https://pages.ebay.com/help.html"));
        QVERIFY(messages.messages.isEmpty());  // nothing is known yet

        pending.at(1)(false);  // the answers may come in any order
        pending.at(0)(true);
        QCOMPARE(messages.messages.size(), 1);
        const QString& message = messages.messages.at(0);
        QVERIFY(message.contains(QStringLiteral("https://pages.ebay.com/help.html")));
        QVERIFY(message.contains(QStringLiteral("Install a web browser")));

        // An empty page path (no page written yet) reaches no browser.
        browser->OpenInBrowser(QString());
        QCOMPARE(pending.size(), 2);
        QCOMPARE(messages.messages.size(), 2);

        // A failure that arrives once the window and its browser are gone is dropped.
        browser->OpenInBrowser(QStringLiteral("/tmp/1002.html"));
        browser.reset();
        pending.at(2)(false);
        QCOMPARE(messages.messages.size(), 2);
    }

    void theDesktopOpenerJudgesXdgOpenByItsExitStatus() {
        const QUrl page = QUrl::fromLocalFile(QStringLiteral("/tmp/my pages/10#01.html"));
        {
            FakeXdgOpen opener("exit 0");
            QCOMPARE(OpenWithDesktop(page, 5000), std::optional<bool>(true));
            // A local page goes as its path, "#" and blank included.
            QCOMPARE(opener.Argument(), QStringLiteral("/tmp/my pages/10#01.html"));
        }
        {
            // No handler for the address, or a browser that fails at once.
            FakeXdgOpen opener("exit 3");
            QCOMPARE(OpenWithDesktop(QUrl(QStringLiteral("https://pages.ebay.com/x.html")), 5000),
                     std::optional<bool>(false));
            QCOMPARE(opener.Argument(), QStringLiteral("https://pages.ebay.com/x.html"));
        }
        {
            // No xdg-open at all.
            QTemporaryDir empty;
            const QByteArray path = qgetenv("PATH");
            qputenv("PATH", QFile::encodeName(empty.path()));
            const std::optional<bool> outcome = OpenWithDesktop(page, 5000);
            qputenv("PATH", path);
            QCOMPARE(outcome, std::optional<bool>(false));
        }
    }

    void aBrowserThatKeepsRunningIsNotWaitedForNorEnded() {
        // xdg-open that is still running when the patience runs out counts as opened, and
        // its later end (even a failing one) tells nothing more.
        FakeXdgOpen opener("sleep 1\ntouch \"$(dirname \"$0\")/ended\"\nexit 1");
        QElapsedTimer clock;
        clock.start();
        int outcomes = 0;
        bool lastOutcome = false;
        Browser::DesktopOpener(200)(QUrl(QStringLiteral("https://example.org/")), [&](bool opened) {
            ++outcomes;
            lastOutcome = opened;
        });
        QVERIFY(clock.elapsed() < 500);  // the request does not wait
        QTRY_COMPARE_WITH_TIMEOUT(outcomes, 1, 900);
        QVERIFY(lastOutcome);
        // It runs to its own end, and deletes its process then.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(opener.FilePath(QStringLiteral("ended"))), 5000);
        QTest::qWait(100);
        QCOMPARE(outcomes, 1);
    }
};

QTEST_MAIN(BrowserTest)
#include "BrowserTest.moc"

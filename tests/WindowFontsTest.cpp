// SPDX-License-Identifier: GPL-3.0-or-later
// The main window laid out with exactly the fonts the Debian package depends on, as on a
// seller's machine that has nothing more: every label's and button's text fits its box, in
// English and in each language Lotcraft is translated into (the .qm files of the build tree),
// and each picture button is named by the words drawn on its face in that language.
//
// Before the application starts, fontconfig is given a configuration of its own whose only
// font folder holds links to the font files of the packages (dpkg -L), with the system's
// usual rules for choosing among them. The packages are the ones the package depends on
// (LOTCRAFT_FONT_PACKAGES in CMakeLists.txt), or those named, space-separated, in the
// environment variable LOTCRAFT_FONT_PACKAGES. LOTCRAFT_FONT_SHOT=FILE.png keeps a picture
// of the window as laid out (the last language's). The translations are those beside the
// test program, or those in the folder LOTCRAFT_TRANSLATIONS_FOLDER names (an installed
// package's).

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/Auctions.h"
#include "ui/ProgramLanguage.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The names Qt gives fontconfig's generic families, beside the fonts' own.
const QStringList kGenericFamilies = {QStringLiteral("Monospace"), QStringLiteral("Sans Serif"),
                                      QStringLiteral("Serif")};

// The font folder and configuration made for the run; empty when no font could be found.
QString g_fontSetUpError;
QStringList g_fontPackages;

// The font files a Debian package installed, from dpkg's list of its files.
QStringList FontFilesOf(const QString& package) {
    QStringList files;
    const QByteArray command = "dpkg -L " + package.toLocal8Bit() + " 2>/dev/null";
    FILE* list = popen(command.constData(), "r");
    if (!list)
        return files;
    char line[4096];
    while (std::fgets(line, sizeof line, list)) {
        const QString path = QString::fromLocal8Bit(line).trimmed();
        if (path.endsWith(QLatin1String(".ttf")) || path.endsWith(QLatin1String(".otf")))
            files.append(path);
    }
    pclose(list);
    return files;
}

// Points fontconfig at a folder holding only the packages' fonts; says what went wrong, or
// nothing. The folder lives as long as the program.
QString LimitFontsToPackages(const QStringList& packages, const QTemporaryDir& work) {
    if (!QFile::exists(QStringLiteral("/usr/bin/dpkg")))
        return QStringLiteral("no dpkg on this system to list the packages' fonts");
    const QDir root(work.path());
    root.mkpath(QStringLiteral("fonts"));
    root.mkpath(QStringLiteral("cache"));
    for (const QString& package : packages) {
        const QStringList files = FontFilesOf(package);
        if (files.isEmpty())
            return package + QLatin1String(" is not installed, or holds no font");
        for (const QString& file : files)
            QFile::link(file, root.filePath(QLatin1String("fonts/") + QFileInfo(file).fileName()));
    }
    QFile config(root.filePath(QStringLiteral("fonts.conf")));
    if (!config.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write ") + config.fileName();
    config.write(
        QStringLiteral("<?xml version=\"1.0\"?>\n"
                       "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                       "<fontconfig>\n"
                       "  <dir>%1</dir>\n"
                       "  <cachedir>%2</cachedir>\n"
                       "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                       "</fontconfig>\n")
            .arg(root.filePath(QStringLiteral("fonts")), root.filePath(QStringLiteral("cache")))
            .toUtf8());
    config.close();
    // The user's own fonts and settings are not the package's: give them empty places.
    const QByteArray home = root.filePath(QStringLiteral("home")).toLocal8Bit();
    root.mkpath(QStringLiteral("home"));
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("FONTCONFIG_FILE", config.fileName().toLocal8Bit());
    return QString();
}

// A caption as drawn: "&&" is an ampersand, a single "&" marks the Alt key and takes no room.
QString Shown(QString text) {
    text.replace(QLatin1String("&&"), QChar(0x1));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0x1), QLatin1Char('&'));
    return text;
}

// What does not fit, for each control of the window that shows a fixed text (the main
// window's are labels and XpButtons): a label's text must fit on its one line, a button's
// text in its content box, wrapped the way the button wraps it.
QStringList TextsThatDoNotFit(const QWidget& window) {
    QStringList cut;
    const auto report = [&cut](const QWidget* control, const QString& text, const QString& why) {
        cut.append(QStringLiteral("%1 \"%2\": %3").arg(control->objectName(), text, why));
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = Shown(label->text());
        if (!label->isVisible() || text.isEmpty() || label->wordWrap())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect box = label->contentsRect();
        const int width = metrics.horizontalAdvance(text);
        if (width > box.width())
            report(label, text, QStringLiteral("%1 pixels wide in %2").arg(width).arg(box.width()));
        if (metrics.height() > box.height())
            report(label, text,
                   QStringLiteral("%1 pixels high in %2").arg(metrics.height()).arg(box.height()));
    }
    for (const XpButton* button : window.findChildren<XpButton*>()) {
        const QString text = button->Caption();
        if (!button->isVisible() || Shown(text).isEmpty())
            continue;
        // As the button's painter lays it out: the text wrapped at the width inside a margin
        // of one average character on either side of a content box 4 pixels inside every
        // edge; a word longer than that stands out into the margins, but not beyond the box.
        const QFontMetrics metrics(button->Font());
        const int inset = 4;
        const int boxWidth = button->width() - 2 * inset;
        const int boxHeight = button->height() - 2 * inset;
        const int wrapWidth = std::max(boxWidth - 2 * metrics.averageCharWidth(), 1);
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20),
                                 Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignHCenter, text);
        if (wrapped.height() > boxHeight)
            report(button, Shown(text),
                   QStringLiteral("%1 pixels high in %2").arg(wrapped.height()).arg(boxHeight));
        if (wrapped.width() > boxWidth)
            report(button, Shown(text),
                   QStringLiteral("%1 pixels wide in %2").arg(wrapped.width()).arg(boxWidth));
    }
    return cut;
}

}  // namespace

class WindowFontsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        if (!g_fontSetUpError.isEmpty()) {
            if (QFile::exists(QStringLiteral("/usr/bin/dpkg")))
                QFAIL(qPrintable(g_fontSetUpError + QLatin1String(" (make test installs it)")));
            QSKIP(qPrintable(g_fontSetUpError));
        }
    }

    void onlyThePackagesFontsAreSeen() {
        const QStringList families = QFontDatabase::families();
        QVERIFY(!families.isEmpty());
        for (const QString& family : families)
            QVERIFY2(
                family.startsWith(QLatin1String("DejaVu")) || kGenericFamilies.contains(family),
                qPrintable(family));
    }

    void theCheckFindsATextCutShort() {
        // The check itself: a label narrower than its text, a button whose caption needs
        // more lines than it has room for, and the same controls wide enough.
        QWidget window;
        window.resize(400, 200);
        auto* label = new QLabel(QStringLiteral("First Bid:"), &window);
        label->setObjectName(QStringLiteral("label"));
        const int width = label->fontMetrics().horizontalAdvance(QStringLiteral("First Bid:"));
        label->setGeometry(0, 0, width - 2, 20);
        auto* button = new XpButton(QStringLiteral("button"), &window);
        button->SetCaption(QStringLiteral("View Html Code"));
        button->setGeometry(0, 40, 40, 25);
        window.show();
        QCOMPARE(TextsThatDoNotFit(window).size(), 2);
        label->setGeometry(0, 0, width, 20);
        button->setGeometry(0, 40, 300, 25);
        const QStringList cut = TextsThatDoNotFit(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void everyTextOfTheMainWindowFits_data() {
        QTest::addColumn<QString>("locale");
        // A text of the window that is in the language, so that a window left in English
        // does not pass for a translated one.
        QTest::addColumn<QString>("sellerLabel");
        // The words drawn on the picture buttons Load, Manual, Htmls, Save, Export and Help,
        // in the language (tools/draw-pictures.py): what a screen reader calls them.
        QTest::addColumn<QStringList>("faceWords");
        QTest::newRow("English") << QStringLiteral("C") << QStringLiteral("Seller")
                                 << QStringList{QStringLiteral("LOAD CSV"),
                                                QStringLiteral("INSERT NEW RECORD"),
                                                QStringLiteral("HTMLS"),
                                                QStringLiteral("SAVE AS"),
                                                QStringLiteral("EXPORT"),
                                                QStringLiteral("HELP")};
        QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("Händler")
                                << QStringList{QStringLiteral("CSV LADEN"),
                                               QStringLiteral("NEUEN DATENSATZ ANLEGEN"),
                                               QStringLiteral("SEITEN"),
                                               QStringLiteral("SPEICHERN"),
                                               QStringLiteral("EXPORT"),
                                               QStringLiteral("HILFE")};
    }

    void everyTextOfTheMainWindowFits() {
        QFETCH(QString, locale);
        QFETCH(QString, sellerLabel);
        QFETCH(QStringList, faceWords);
        const ProgramLanguage language(QLocale(locale),
                                       qEnvironmentVariable("LOTCRAFT_TRANSLATIONS_FOLDER",
                                                            ProgramLanguage::TranslationsFolder()));
        QCOMPARE(language.Translated(), locale != QLatin1String("C"));
        ProgramSettings settings;
        Auctions window(settings);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (qEnvironmentVariableIsSet("LOTCRAFT_FONT_SHOT"))
            window.grab().save(qEnvironmentVariable("LOTCRAFT_FONT_SHOT"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), sellerLabel);
        const QStringList pictures = {QStringLiteral("Load"),   QStringLiteral("Manual"),
                                      QStringLiteral("Htmls"),  QStringLiteral("Save"),
                                      QStringLiteral("Export"), QStringLiteral("Help")};
        for (qsizetype index = 0; index < pictures.size(); ++index)
            QCOMPARE(window.findChild<XpButton*>(pictures[index])->accessibleName(),
                     faceWords[index]);
        QStringList cut = TextsThatDoNotFit(window);
        // A new record shows the buttons' other captions: the store's and the cancel's.
        Q_EMIT window.findChild<XpButton*>(QStringLiteral("Manual"))->Click();
        QVERIFY(window.findChild<XpButton*>(QStringLiteral("Cancel"))->isVisible());
        for (const QString& text : TextsThatDoNotFit(window))
            cut.append(QStringLiteral("inserting, ") + text);
        QVERIFY2(cut.isEmpty(), qPrintable(locale + QLatin1String(", with the fonts of ") +
                                           g_fontPackages.join(QLatin1Char(' ')) +
                                           QLatin1String(":\n") + cut.join(QLatin1Char('\n'))));
        // The window's face is found, not replaced by another family.
        QCOMPARE(QFontInfo(window.font()).family(), window.font().family());
    }
};

int main(int argc, char* argv[]) {
    g_fontPackages = QString::fromLatin1(LOTCRAFT_FONT_PACKAGES).split(QLatin1Char(' '));
    if (qEnvironmentVariableIsSet("LOTCRAFT_FONT_PACKAGES"))
        g_fontPackages = qEnvironmentVariable("LOTCRAFT_FONT_PACKAGES")
                             .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto work = std::make_unique<QTemporaryDir>();
    g_fontSetUpError = LimitFontsToPackages(g_fontPackages, *work);
    QApplication application(argc, argv);
    WindowFontsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowFontsTest.moc"

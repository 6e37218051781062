// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window with prepared answers in place of its file dialogs and message boxes, and
// what its tests use to press buttons, click rows and watch labels being painted.

#include "app/ProgramSettings.h"
#include "controls/xpbutton/XpButton.h"
#include "ui/Auctions.h"
#include "ui/FileDialogs.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "RecordingMessageBoxes.h"

#include <deque>

inline const QString kSample = QStringLiteral(LOTCRAFT_SOURCE_DIR "/examples/sample-catalogue.csv");

class PreparedDialogs : public FileDialogs {
public:
    QString OpenFileName(QWidget*, const QString& start) override {
        openStarts << start;
        return Next(openAnswers, opens);
    }
    QString SaveFileName(QWidget*, const QString& suggested) override {
        saveSuggestions << suggested;
        return Next(saveAnswers, saves);
    }

    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    int opens = 0;
    int saves = 0;
    // What the window offered each dialog.
    QStringList openStarts;
    QStringList saveSuggestions;

private:
    static QString Next(std::deque<QString>& answers, int& count) {
        ++count;
        if (answers.empty())
            return QString();
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Records the text Label6 shows each time it is painted.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel* label) : m_label(label) { label->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            texts << m_label->text();
        return false;
    }
    QStringList texts;

private:
    QLabel* m_label;
};

inline QByteArray ReadAll(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Window {
    // The catalogue check's findings are answered as prepared: write the pages, or not.
    Window() : window(Started(settings), &messages, &dialogs) {
        window.SetCheckPrompt([this](QWidget*, const std::vector<CatalogueFinding>& findings, int,
                                     const std::function<void(int)>& showRow) {
            checks.push_back(findings);
            if (rowToShow > 0)
                showRow(rowToShow);
            return writeAfterCheck;
        });
    }
    static ProgramSettings& Started(ProgramSettings& settings) { return settings; }

    template <typename T = QWidget>
    T* Find(const char* name) {
        T* widget = window.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("the window has no control %s", name);
        return widget;
    }
    XpButton* Button(const char* name) { return Find<XpButton>(name); }
    void Press(const char* name) {
        XpButton* button = Button(name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    // Opens a catalogue through LOAD CSV. The sample catalogue is opened from a copy, since
    // Ctrl+S and the closing question's Save write to the open file.
    void Open(const QString& path) {
        QString opened = path;
        if (path == kSample) {
            opened = scratch.filePath(QStringLiteral("sample-catalogue.csv"));
            QFile::remove(opened);
            QVERIFY(QFile::copy(kSample, opened));
            QFile(opened).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        dialogs.openAnswers.push_back(opened);
        Press("Load");
    }
    // Where the sample catalogue's copy is opened from.
    QString SampleCopy() const { return scratch.filePath(QStringLiteral("sample-catalogue.csv")); }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }
    // Clicks an item row's first cell in the view.
    void ClickRow(int row) {
        auto* view = Find<QTableView>("MSFlexGrid1");
        const QRect cell = view->visualRect(view->model()->index(row - 1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }

    QTemporaryDir scratch;
    ProgramSettings settings;
    PreparedDialogs dialogs;
    // What each check found, the answer to give, and a row to show while it is asked.
    std::vector<std::vector<CatalogueFinding>> checks;
    bool writeAfterCheck = true;
    int rowToShow = 0;
    RecordingMessageBoxes messages;
    Auctions window;
};

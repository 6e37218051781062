// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of the page preview share: a test program's start with the page engine
// prepared, running a script in a page, and a picture of a view once the engine has drawn it.

#include "ui/PageEngine.h"

#include <QApplication>
#include <QImage>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWidget>
#include <QtTest>

// QTEST_MAIN with the page engine prepared before the application is made, as the program does.
#define LOTCRAFT_PREVIEW_TEST_MAIN(TestObject)     \
    int main(int argc, char* argv[]) {             \
        PageEngine::PrepareBeforeApplication();    \
        QApplication application(argc, argv);      \
        application.setAttribute(Qt::AA_Use96Dpi); \
        TestObject test;                           \
        return QTest::qExec(&test, argc, argv);    \
    }

// The result of a script run in the page, in a world of its own; invalid when none came.
inline QVariant RunScript(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&done] { return done; }, 10000))
        return QVariant();
    return result;
}

// A picture of the view once two pictures taken a moment apart are the same: the engine
// draws a page a little after it has loaded it.
inline QImage SettledGrab(QWidget* view) {
    QImage last = view->grab().toImage();
    for (int tries = 0; tries < 100; ++tries) {
        QTest::qWait(100);
        const QImage next = view->grab().toImage();
        if (next == last && !next.isNull())
            return next;
        last = next;
    }
    return last;
}

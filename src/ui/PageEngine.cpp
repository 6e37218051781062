// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PageEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <unistd.h>

namespace {

QString& StartProblemForTests() {
    static QString problem;
    return problem;
}

}  // namespace

void PageEngine::PrepareBeforeApplication() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    AllowRunningAsRoot();
}

void PageEngine::AllowRunningAsRoot() {
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QString PageEngine::StartProblem() {
    if (!StartProblemForTests().isEmpty())
        return StartProblemForTests();
    // The engine draws in a helper program of its own; without it, it cannot start at all.
    QString helper = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (helper.isEmpty())
        helper = QDir(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath))
                     .filePath(QStringLiteral("QtWebEngineProcess"));
    if (!QFileInfo(helper).isExecutable())
        return QStringLiteral(
                   "the page engine's helper program %1 is missing (Debian's package "
                   "libqt6webenginecore6-bin installs it)")
            .arg(QDir::toNativeSeparators(helper));
    return QString();
}

void PageEngine::SetStartProblemForTests(const QString& problem) {
    StartProblemForTests() = problem;
}

#if defined(__SANITIZE_ADDRESS__)
// Chromium, inside Qt WebEngine, deletes some of its objects through a pointer whose type is
// smaller than the object's; AddressSanitizer would end every program that shows a preview at
// the page's destruction. The check is left out of programs that link the preview; the rest
// of AddressSanitizer's checks stay, and ASAN_OPTIONS still overrides this default.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
#endif

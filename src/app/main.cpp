// SPDX-License-Identifier: GPL-3.0-or-later
// Corvina: finds duplicate files and helps get rid of them safely.
#include "actions/CommonDlg.h"
#include "app/BugFrm.h"
#include "app/CommandLine.h"
#include "app/FeedbackFrm.h"
#include "app/MainFrm.h"
#include "core/Translations.h"
#include "core/Version.h"
#include "engine/ContentGroups.h"
#include "platform/AppFolders.h"
#include "platform/InstanceLock.h"
#include "platform/NativePath.h"
#include "platform/Settings.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <optional>

namespace
{
// The arguments after the program's name, with their exact bytes: file names need not be UTF-8.
QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << NativePath::decode(argv[i], static_cast<qsizetype>(std::strlen(argv[i])));
    return arguments;
}

// --help and --version answer on standard output without a window, so they work where no display
// is (over ssh, in a package's checks); only the core of Qt is started for the translations.
std::optional<int> answerWithoutWindow(int argc, char *argv[])
{
    const CommandLine::Request::Kind kind = CommandLine::parse(argumentsOf(argc, argv)).kind;
    if (kind != CommandLine::Request::Kind::Help && kind != CommandLine::Request::Kind::Version)
        return std::nullopt;
    QCoreApplication core(argc, argv);
    Translations::install(core);
    const QString text =
        kind == CommandLine::Request::Kind::Help ? CommandLine::helpText() : CommandLine::versionText();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerWithoutWindow(argc, argv))
        return *answered;
    AppFolders::exportHome();
    ContentGroups::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvina"));
    QApplication::setApplicationVersion(QLatin1String(CorvinaVersion));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvina.svg")));
    // Lets the desktop match the window with its menu entry (its Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.corvina.Corvina"));
    // Menus, windows and messages in the user's language (LANG), before any of them exists.
    Translations::install(app);

    // Qt has taken its own options out of argv.
    const CommandLine::Request request = CommandLine::parse(argumentsOf(argc, argv));
    if (request.kind == CommandLine::Request::Kind::Feedback)
    {
        FeedbackFrm feedback;
        CommonDlg::centerForm(&feedback);
        feedback.exec();
        return 0;
    }

    QtPrompter prompter;
    // The settings, default.cvf and the copy of the end sound go nowhere but the user's own
    // folders; when they cannot be had (no home folder, or one that does not exist), Corvina
    // does not start rather than write them somewhere else.
    if (const QString problem = AppFolders::ownFoldersProblem(); !problem.isEmpty())
    {
        //: On standard error when Corvina cannot start; %1 says why ("cannot find your home folder: ...").
        std::fputs(qPrintable(QCoreApplication::translate("main", "corvina: %1").arg(problem) + u'\n'), stderr);
        //: The message box when Corvina cannot start; %1 says why ("cannot find your home folder: ...").
        prompter.error(QCoreApplication::translate("main", "Corvina %1.").arg(problem), PromptIcon::Critical);
        return 1;
    }
    const InstanceLock lock;
    QtErrorReporter errors;
    MainFrm window({prompter, errors, Settings::instance(), [] { Sound::play(QStringLiteral(":/sounds/end.wav")); }},
                   request.text);
    prompter.setOwner(&window);
    window.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Corvina: finds duplicate files and helps get rid of them safely.
#include "actions/CommonDlg.h"
#include "app/BugFrm.h"
#include "app/CommandLine.h"
#include "app/FeedbackFrm.h"
#include "app/MainFrm.h"
#include "engine/ContentGroups.h"
#include "platform/InstanceLock.h"
#include "platform/NativePath.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QIcon>

#include <cstring>

int main(int argc, char *argv[])
{
    ContentGroups::prepareDescriptors();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvina"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvina.svg")));
    // Lets the desktop match the window with its menu entry (its Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.corvina.Corvina"));

    // Qt has taken its own options out of argv; file names keep their exact bytes.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << NativePath::decode(argv[i], static_cast<qsizetype>(std::strlen(argv[i])));
    const CommandLine::Request request = CommandLine::parse(arguments);
    if (request.kind == CommandLine::Request::Kind::Feedback)
    {
        FeedbackFrm feedback;
        CommonDlg::CenterForm(&feedback);
        feedback.exec();
        return 0;
    }

    const InstanceLock lock;
    QtPrompter prompter;
    QtErrorReporter errors;
    MainFrm window(
        {prompter, errors, SettingsStore::instance(), [] { Sound::play(QStringLiteral(":/sounds/end.wav")); }},
        request.text);
    prompter.setOwner(&window);
    window.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-screenshots: shows Corvina's windows on a folder of files and saves a picture of each,
// for the documentation. `make screenshots` runs it under a virtual X server on a generated tree
// (tools/screenshots.sh).
//
//   corvina-screenshots OUTPUT-FOLDER SEARCH-FOLDER EXCLUDED-FOLDER SCRATCH-FOLDER
#include "ScreenshotRun.h"

#include "core/Translations.h"
#include "platform/Settings.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Settings, the default session and the trash of this run live in a folder of its own, so
    // that the run never touches those of the person who starts it.
    const QTemporaryDir home(QDir::tempPath() + QStringLiteral("/corvina-screenshots-XXXXXX"));
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
    {
        const QString folder = home.path() + u'/' + QString::fromLatin1(variable);
        QDir().mkpath(folder);
        qputenv(variable, QFile::encodeName(folder));
    }
    SettingsStore::setDirectory(home.path() + QStringLiteral("/XDG_CONFIG_HOME/Corvina"));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvina"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/corvina.svg")));
    // The windows in the language of LANG, as a user sees them (make screenshots takes a German set).
    Translations::install(app);

    const QStringList args = QApplication::arguments();
    if (args.size() != 5 || !home.isValid())
    {
        QTextStream(stderr) << "usage: corvina-screenshots OUTPUT-FOLDER SEARCH-FOLDER EXCLUDED-FOLDER "
                               "SCRATCH-FOLDER\n";
        return 2;
    }
    // The tip of the day is pictured from its menu entry, not at start-up.
    Settings::instance().setShowTipsAtStartup(false);

    ScreenshotRun run({args.at(1), args.at(2), args.at(3), args.at(4)});
    return run.run() ? 0 : 1;
}

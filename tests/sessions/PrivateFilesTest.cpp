// SPDX-License-Identifier: GPL-3.0-or-later
// The settings and the default session name the user's folders: their folders are the user's
// alone (0700) and so are the files in them (0600), whatever the umask lets other files be.
#include "platform/AppFolders.h"
#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "results/ResultModel.h"
#include "sessions/SessionWriter.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
unsigned modeOf(const QString &path)
{
    struct stat st = {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st.st_mode & 07777;
}

// Sets the umask for one test and puts back the one before.
class Umask
{
public:
    explicit Umask(mode_t mask) : m_previous(::umask(mask)) {}
    ~Umask() { ::umask(m_previous); }
    Umask(const Umask &) = delete;
    Umask &operator=(const Umask &) = delete;

private:
    mode_t m_previous;
};

SessionState someLocations()
{
    SessionState state;
    SearchLocation l;
    l.folder = QStringLiteral("/home/sam/private letters/");
    l.mask = QStringLiteral("All files(*.*)");
    state.locations.append(l);
    return state;
}
} // namespace

TEST(PrivateFiles, SettingsAndDataFoldersAndTheirFilesAreTheUsersAlone)
{
    const Umask open(022);
    // The settings folder was set before any test ran (the test main) and does not exist yet.
    Settings &settings = Settings::instance();
    settings.setMainWindowWidth(9000);
    settings.setFileMasks({QStringLiteral("*.private")});
    EXPECT_EQ(modeOf(SettingsStore::directory()), 0700u);
    EXPECT_EQ(modeOf(SettingsStore::instance().fileName()), 0600u);

    const QString session = AppFolders::defaultSessionPath();
    ResultModel rows;
    SessionFile::saveSessionParameters(session, someLocations(), rows);
    EXPECT_EQ(modeOf(AppFolders::dataFolder()), 0700u);
    ASSERT_TRUE(QFile::exists(session));
    EXPECT_EQ(modeOf(session), 0600u);

    // A default session left readable by an older version is closed at the next save.
    ASSERT_EQ(::chmod(QFile::encodeName(session).constData(), 0644), 0);
    SessionFile::saveSessionParameters(session, someLocations(), rows);
    EXPECT_EQ(modeOf(session), 0600u);
}

TEST(PrivateFiles, FoldersThatOthersCouldEnterAreClosed)
{
    const Umask open(022);
    TempTree tree;
    // Folders made by an older version: open to everyone, with a readable file in each.
    const QString data = tree.dir(QStringLiteral("data/Corvina"));
    const QString config = tree.dir(QStringLiteral("config/Corvina"));
    for (const QString &folder : {data, config})
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    const QString ini =
        tree.file(QStringLiteral("config/Corvina/old.ini"), "[Options]\nLastFolder=/home/sam/letters\n");
    ASSERT_EQ(::chmod(QFile::encodeName(ini).constData(), 0644), 0);

    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(tree.path(QStringLiteral("data"))));
    EXPECT_EQ(AppFolders::dataFolder(), data);
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(modeOf(data), 0700u);

    const QString programSettings = SettingsStore::directory();
    SettingsStore::setDirectory(config);
    EXPECT_EQ(SettingsStore::directory(), config);
    SettingsStore::setDirectory(programSettings);
    EXPECT_EQ(modeOf(config), 0700u);

    SettingsStore store(ini);
    EXPECT_EQ(store.read(QStringLiteral("Options"), QStringLiteral("LastFolder")), QStringLiteral("/home/sam/letters"));
    store.write(QStringLiteral("Options"), QStringLiteral("LastFolder"), QStringLiteral("/home/sam/bills"));
    EXPECT_EQ(modeOf(ini), 0600u);
}

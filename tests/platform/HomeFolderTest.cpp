// SPDX-License-Identifier: GPL-3.0-or-later
// The home folder: $HOME when it is a full path, else the user database; never "/" by default.
#include "platform/AppFolders.h"
#include "platform/Trash.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

#include <pwd.h>
#include <unistd.h>

namespace
{
// Sets (or with nothing, unsets) an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const std::optional<QByteArray> &value)
        : m_name(name), m_old(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        set(value);
    }
    ~ScopedEnv() { set(m_old); }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    void set(const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(m_name, *value);
        else
            qunsetenv(m_name);
    }

    const char *m_name;
    std::optional<QByteArray> m_old;
};

QString databaseHome()
{
    const struct passwd *entry = ::getpwuid(::getuid());
    return entry ? QFile::decodeName(entry->pw_dir) : QString();
}
} // namespace

TEST(HomeFolder, WithoutAFullPathInHomeTheUserDatabaseSays)
{
    const QString fromDatabase = databaseHome();
    ASSERT_FALSE(fromDatabase.isEmpty()) << "the user running the tests has an entry with a home folder";
    const ScopedEnv noData("XDG_DATA_HOME", std::nullopt);
    const ScopedEnv noConfig("XDG_CONFIG_HOME", std::nullopt);
    const struct
    {
        const char *what;
        std::optional<QByteArray> home;
        QString expected;
    } cases[] = {
        {"HOME unset", std::nullopt, fromDatabase},
        {"HOME empty", QByteArray(), fromDatabase},
        {"HOME relative", QByteArray("sam"), fromDatabase},
        {"HOME a full path", QByteArray("/srv/home/sam"), QStringLiteral("/srv/home/sam")},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.what);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(AppFolders::homeFolder(), c.expected);
        EXPECT_TRUE(AppFolders::homeProblem().isEmpty());
        // Nothing is written here: the real home of the user running the tests stays untouched.
        EXPECT_EQ(Trash::homeTrash(), c.expected + QStringLiteral("/.local/share/Trash"));
        EXPECT_EQ(AppFolders::dataHome(), c.expected + QStringLiteral("/.local/share"));
        EXPECT_EQ(AppFolders::configHome(), c.expected + QStringLiteral("/.config"));
    }
}

TEST(HomeFolder, QtIsToldTheSameHome)
{
    const QString fromDatabase = databaseHome();
    ASSERT_FALSE(fromDatabase.isEmpty());
    {
        const ScopedEnv home("HOME", std::nullopt);
        AppFolders::exportHome();
        EXPECT_EQ(qgetenv("HOME"), QFile::encodeName(fromDatabase));
        EXPECT_EQ(QDir::homePath(), QDir::cleanPath(fromDatabase));
    }
    const ScopedEnv home("HOME", QByteArray("/srv/home/sam"));
    AppFolders::exportHome();
    EXPECT_EQ(qgetenv("HOME"), QByteArray("/srv/home/sam")) << "a HOME that is set is the user's choice";
}

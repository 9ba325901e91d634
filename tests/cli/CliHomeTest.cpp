// SPDX-License-Identifier: GPL-3.0-or-later
// corvina-cli run by a user who has no home folder: what needs one is refused and says why, and
// nothing is made elsewhere in its place.
#include "CliProcess.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <optional>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The built program with HOME (unset when empty) and without the XDG folders; as the user uid
// when one is given.
Outcome cliAs(std::optional<uid_t> uid, const QString &home, const QString &folder, const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.remove(QLatin1String(name));
    if (!home.isEmpty())
        env.insert(QStringLiteral("HOME"), home);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    if (uid)
    {
        p.setChildProcessModifier([uid = *uid] {
            if (::setgroups(0, nullptr) != 0 || ::setresgid(uid, uid, uid) != 0 || ::setresuid(uid, uid, uid) != 0)
                ::_exit(125);
        });
    }
    return runCli(p, arguments);
}

void giveTo(const QString &path, uid_t uid)
{
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), uid, uid), 0) << path.toStdString();
}
} // namespace

TEST(CliHome, WithoutAHomeFolderTheTrashIsRefusedAndNothingIsMadeElsewhere)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run as a user the system does not know";
    uid_t uid = 54321;
    while (::getpwuid(uid))
        ++uid;
    TempTree tree;
    const QString photos = tree.dir(QStringLiteral("photos"));
    const QString a = tree.file(QStringLiteral("photos/a.jpg"), QByteArray(3000, 'p'));
    const QString copy = tree.file(QStringLiteral("photos/copy of a.jpg"), QByteArray(3000, 'p'));
    ASSERT_EQ(::chmod(QFile::encodeName(tree.root()).constData(), 0755), 0);
    for (const QString &path : {tree.root(), photos, a, copy})
        giveTo(path, uid);
    const QStringList rootBefore = entries(QStringLiteral("/"));
    const QStringList treeBefore = entries(tree.root());

    const Outcome trash = cliAs(uid, QString(), tree.root(),
                                {QStringLiteral("--mark"), QStringLiteral("all-duplicates"), QStringLiteral("--trash"),
                                 QStringLiteral("--quiet"), photos});
    EXPECT_EQ(trash.exitCode, 1);
    EXPECT_EQ(trash.err, "corvina-cli: cannot find your home folder: HOME is not set and the user database has no "
                         "entry for uid " +
                             QByteArray::number(uid) + "; --trash needs it for the trash\n");
    EXPECT_TRUE(trash.out.isEmpty()) << trash.out.constData();
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(copy));

    // A search needs no home folder, and makes none.
    const Outcome search =
        cliAs(uid, QString(), tree.root(), {QStringLiteral("--format=groups"), QStringLiteral("--quiet"), photos});
    EXPECT_EQ(search.exitCode, 0) << search.err.constData();
    EXPECT_EQ(search.out, (a + u'\t' + copy + u'\n').toUtf8());

    EXPECT_EQ(entries(QStringLiteral("/")), rootBefore);
    EXPECT_EQ(entries(tree.root()), treeBefore);
    EXPECT_EQ(entries(photos), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("copy of a.jpg")}));
}

TEST(CliHome, AHomeFolderThatIsNotThereIsNeverMade)
{
    TempTree tree;
    const QString a = tree.file(QStringLiteral("photos/a.jpg"), QByteArray(3000, 'p'));
    const QString copy = tree.file(QStringLiteral("photos/copy of a.jpg"), QByteArray(3000, 'p'));
    // Where a user database points users that have none, made unique for this run.
    const QString home = tree.path(QStringLiteral("nonexistent"));
    const Outcome trash = cliAs(std::nullopt, home, tree.root(),
                                {QStringLiteral("--mark"), QStringLiteral("all-duplicates"), QStringLiteral("--trash"),
                                 QStringLiteral("--quiet"), tree.path(QStringLiteral("photos"))});
    EXPECT_EQ(trash.exitCode, 1);
    EXPECT_EQ(trash.err, "corvina-cli: cannot find your home folder: \"" + home.toUtf8() +
                             "\" does not exist; --trash needs it for the trash\n");
    EXPECT_FALSE(QFileInfo::exists(home));
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(copy));
}

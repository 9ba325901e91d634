// SPDX-License-Identifier: GPL-3.0-or-later
// The picture cache as searches use it: what a second search takes from it, what makes a picture
// decoded again, which entries are dropped, and a cache that is damaged or cannot be had.
#include "engine/PictureCache.h"
#include "engine/ScanPipeline.h"

#include "ScanFixture.h"
#include "results/ResultModel.h"
#include "search/SearchLocation.h"
#include "support/PictureScenes.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using PictureScenes::Copy;

namespace
{
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A cache folder of the test's own, so that each test starts without a cache.
class PictureCacheTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_CACHE_HOME", m_cacheHome.path().toUtf8());
        const QImage beach = PictureScenes::scene(1, 480);
        m_tree.file(QStringLiteral("Camera/beach.jpg"), PictureScenes::encode(beach, Copy::Original, 1));
        m_tree.file(QStringLiteral("Camera/beach.png"), PictureScenes::encode(beach, Copy::Half, 1));
        m_tree.file(QStringLiteral("Camera/forest.jpg"), forest());
        m_tree.file(QStringLiteral("Other/lake.jpg"),
                    PictureScenes::encode(PictureScenes::scene(3, 480), Copy::Original, 3));
        m_tree.file(QStringLiteral("Other/notes.txt"), "not a picture");
    }

    static QByteArray forest() { return PictureScenes::encode(PictureScenes::scene(2, 480), Copy::Original, 2); }

    // The groups found in the folders, each as its sorted names, as the pipeline lists them.
    std::set<QStringList> search(const QStringList &folders, const QString &mask = QStringLiteral("All files(*.*)"),
                                 bool useCache = true)
    {
        SearchLocationList locations;
        for (const QString &folder : folders)
        {
            SearchLocation l;
            l.folder = m_tree.path(folder);
            l.mask = mask;
            l.minSize = QStringLiteral("0");
            locations.append(l);
        }
        ScanOptions options;
        options.engine = ScanOptions::Pictures;
        options.usePictureCache = useCache;
        TestSink sink;
        ResultModel model;
        ScanPipeline(sink, model).run(locations, options);
        std::map<qint32, QStringList> groups;
        for (const ResultRow &r : model.rows())
            groups[r.group].append(r.name());
        std::set<QStringList> out;
        for (auto &[group, names] : groups)
        {
            names.sort();
            out.insert(names);
        }
        return out;
    }

    // Runs one statement on the cache file, apart from Corvina's own connection.
    static bool sql(const QString &statement)
    {
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
            db.setDatabaseName(PictureCache::defaultFile());
            ok = db.open() && QSqlQuery(db).exec(statement);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test"));
        return ok;
    }

    static qint64 entries(const QString &name)
    {
        qint64 count = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
            db.setDatabaseName(PictureCache::defaultFile());
            QSqlQuery q(db);
            if (db.open() &&
                q.exec(QStringLiteral("SELECT count(*) FROM pictures WHERE CAST(path AS TEXT) LIKE '%/") + name +
                       u'\'') &&
                q.next())
                count = q.value(0).toLongLong();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test"));
        return count;
    }

    // Gives forest.jpg the hashes of beach.jpg in the cache: a search that reads the entry groups them.
    static void lieAboutForest()
    {
        ASSERT_TRUE(sql(QStringLiteral("UPDATE pictures SET (dct, gradient) = (SELECT dct, gradient FROM pictures "
                                       "WHERE CAST(path AS TEXT) LIKE '%/beach.jpg') "
                                       "WHERE CAST(path AS TEXT) LIKE '%/forest.jpg'")));
    }

    QTemporaryDir m_cacheHome;
    TempTree m_tree;
    const std::set<QStringList> m_right{{QStringLiteral("beach.jpg"), QStringLiteral("beach.png")}};
    const std::set<QStringList> m_lied{
        {QStringLiteral("beach.jpg"), QStringLiteral("beach.png"), QStringLiteral("forest.jpg")}};
};

TEST_F(PictureCacheTest, ASecondSearchTakesItsPicturesFromThePrivateCache)
{
    EXPECT_EQ(search({QStringLiteral("Camera")}), m_right);
    const QFileInfo file(PictureCache::defaultFile());
    EXPECT_EQ(file.absolutePath(), m_cacheHome.path() + QStringLiteral("/Corvina"));
    struct stat st;
    ASSERT_EQ(::stat(file.absoluteFilePath().toUtf8().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(file.absolutePath().toUtf8().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    lieAboutForest();
    EXPECT_EQ(search({QStringLiteral("Camera")}), m_lied) << "the stored hashes, not a decode";
    EXPECT_EQ(search({QStringLiteral("Camera")}, QStringLiteral("All files(*.*)"), false), m_right)
        << "without the cache, every picture is decoded";
}

TEST_F(PictureCacheTest, AChangedFileIsDecodedAgainAlsoWithItsOldTimePutBack)
{
    EXPECT_EQ(search({QStringLiteral("Camera")}), m_right);
    const QString path = m_tree.path(QStringLiteral("Camera/forest.jpg"));
    for (const bool oldTimeBack : {false, true})
    {
        lieAboutForest();
        struct stat before;
        ASSERT_EQ(::stat(path.toUtf8().constData(), &before), 0);
        m_tree.file(QStringLiteral("Camera/forest.jpg"), forest());
        if (oldTimeBack)
        {
            const struct timespec times[2] = {before.st_atim, before.st_mtim};
            ASSERT_EQ(::utimensat(AT_FDCWD, path.toUtf8().constData(), times, 0), 0);
        }
        EXPECT_EQ(search({QStringLiteral("Camera")}), m_right) << "old time put back: " << oldTimeBack;
        EXPECT_EQ(entries(QStringLiteral("forest.jpg")), 1) << "the new entry replaces the old";
    }
}

TEST_F(PictureCacheTest, EntriesOfVanishedFilesInTheSearchedFoldersAreDropped)
{
    EXPECT_EQ(search({QStringLiteral("Camera"), QStringLiteral("Other")}), m_right);
    ASSERT_TRUE(QFile::remove(m_tree.path(QStringLiteral("Other/lake.jpg"))));
    ASSERT_TRUE(QFile::remove(m_tree.path(QStringLiteral("Camera/beach.jpg"))));
    search({QStringLiteral("Camera")}, QStringLiteral("*.png"));
    EXPECT_EQ(entries(QStringLiteral("beach.jpg")), 0) << "gone from a searched folder";
    EXPECT_EQ(entries(QStringLiteral("forest.jpg")), 1) << "left out by the mask, still there";
    EXPECT_EQ(entries(QStringLiteral("lake.jpg")), 1) << "not in a searched folder";
    search({QStringLiteral("Other")});
    EXPECT_EQ(entries(QStringLiteral("lake.jpg")), 0);
}

TEST_F(PictureCacheTest, ADamagedCacheIsMadeAnewWithOneWarning)
{
    const struct
    {
        const char *name;
        std::function<void(const QString &)> damage;
    } cases[] = {
        {"garbage", [](const QString &f) { writeFile(f, QByteArray(8192, '\x5a')); }},
        {"a later version", [](const QString &) { sql(QStringLiteral("PRAGMA user_version = 99")); }},
        {"another layout",
         [](const QString &) {
             sql(QStringLiteral("DROP TABLE pictures"));
             sql(QStringLiteral("CREATE TABLE pictures (path TEXT)"));
         }},
    };
    static QStringList warnings;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtWarningMsg)
                warnings.append(text);
        });
    for (const auto &c : cases)
    {
        search({QStringLiteral("Camera")});
        c.damage(PictureCache::defaultFile());
        warnings.clear();
        EXPECT_EQ(search({QStringLiteral("Camera")}), m_right) << c.name;
        EXPECT_EQ(warnings.size(), 1) << c.name << ": " << warnings.join(u'\n').toStdString();
        EXPECT_TRUE(warnings.value(0).contains(u"made anew")) << c.name;
        EXPECT_EQ(entries(QStringLiteral("forest.jpg")), 1) << c.name;
    }
    qInstallMessageHandler(previous);
}

TEST_F(PictureCacheTest, WithoutAPlaceForTheCacheTheSearchRunsWithoutIt)
{
    // A file where the cache folder would be, then a folder where the cache file would be: neither
    // is ever removed.
    const QString folder = m_cacheHome.path() + QStringLiteral("/Corvina");
    ASSERT_TRUE(writeFile(folder, "mine"));
    EXPECT_EQ(search({QStringLiteral("Camera")}), m_right);
    EXPECT_EQ(TempTree::contents(folder), "mine");

    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/pictures.sqlite")));
    EXPECT_EQ(search({QStringLiteral("Camera")}), m_right);
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/pictures.sqlite")).isDir());
}

TEST_F(PictureCacheTest, ACacheFolderOfAnotherUserIsNeitherReadNorWritten)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    // An administrator runs Corvina with a user's cache folder; the user put a link where the
    // cache would be, to a database of the administrator's.
    const QString folder = m_cacheHome.path() + QStringLiteral("/Corvina");
    ASSERT_TRUE(QDir().mkpath(folder));
    QTemporaryDir elsewhere;
    const QString target = elsewhere.path() + QStringLiteral("/accounts.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("target"));
        db.setDatabaseName(target);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE accounts (name TEXT)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("target"));
    const QByteArray before = TempTree::contents(target);
    ASSERT_TRUE(QFile::link(target, folder + QStringLiteral("/pictures.sqlite")));
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 12345, 12345), 0);

    EXPECT_EQ(search({QStringLiteral("Camera")}), m_right);
    EXPECT_EQ(TempTree::contents(target), before);
    EXPECT_FALSE(QFile::exists(target + QStringLiteral("-wal")));
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/pictures.sqlite")).isSymLink());
}

TEST_F(PictureCacheTest, TwoCachesOnOneFileSeeEachOthersEntries)
{
    PictureCache first;
    PictureCache second;
    ASSERT_TRUE(first.usable() && second.usable());
    PictureCache::Entry a{{1, 2, 3, 4, 5}, {}, QStringLiteral("/a.jpg")};
    a.facts.size = QSize(4, 3);
    a.facts.format = "png";
    PictureCache::Entry b = a;
    b.key.inode = 7;
    first.store({a});
    second.store({b});
    EXPECT_TRUE(first.find(1, 7).has_value());
    ASSERT_TRUE(second.find(1, 2).has_value());
    EXPECT_EQ(second.find(1, 2).value_or(PictureCache::Entry{}).key, a.key);
    EXPECT_EQ(first.stored() + second.stored(), 2);
}
} // namespace

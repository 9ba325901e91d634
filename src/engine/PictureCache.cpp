// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PictureCache.h"

#include "platform/AppFolders.h"
#include "platform/FileStatus.h"
#include "platform/NativePath.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <utility>

namespace
{
// Why the cache was made anew (a warning) or goes unused in a search (when asked for:
// QT_LOGGING_RULES="corvina.pictures.info=true").
Q_LOGGING_CATEGORY(lcPictureCache, "corvina.pictures", QtWarningMsg)

const QString Driver = QStringLiteral("QSQLITE");

// The layout below; a file of another number is made anew. Raise it with any change of the layout
// or of what the hashes mean.
constexpr int SchemaVersion = 1;

// How long a write waits for another Corvina's transaction before this search goes without.
constexpr int BusyTimeoutMs = 10000;

// SQLite's primary result codes: a statement that does not fit the file's tables, a file whose
// pages do not hold together, a file that is not a database.
constexpr int SqliteError = 1;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

int primaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// SQLite's own words ("file is not a database"), without Qt's ("Unable to execute statement").
QString messageOf(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

bool isDamage(const QSqlError &error)
{
    const int code = primaryCode(error);
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

// One row per file, found by its device and inode; the path is where the file was decoded, for
// forgetVanished() (the bytes of its name, which need not be UTF-8).
const QString CreateTable = QStringLiteral(
    "CREATE TABLE pictures (device INTEGER NOT NULL, inode INTEGER NOT NULL, size INTEGER NOT NULL, "
    "mtime_ns INTEGER NOT NULL, ctime_ns INTEGER NOT NULL, dct INTEGER NOT NULL, gradient INTEGER NOT NULL, "
    "width INTEGER NOT NULL, height INTEGER NOT NULL, format TEXT NOT NULL, path BLOB NOT NULL, "
    "PRIMARY KEY (device, inode)) WITHOUT ROWID");
const QString CreateIndex = QStringLiteral("CREATE INDEX pictures_by_path ON pictures (path)");
const QString Columns =
    QStringLiteral("device, inode, size, mtime_ns, ctime_ns, dct, gradient, width, height, format, path");

// SQLite's integers are signed: device and inode numbers and hashes are kept as their 64 bits.
qint64 bitsOf(quint64 value)
{
    return static_cast<qint64>(value);
}

quint64 unsignedOf(const QVariant &value)
{
    return static_cast<quint64>(value.toLongLong());
}

// The key of a row of a query that selects Columns.
PictureKey keyOf(const QSqlQuery &q)
{
    return {unsignedOf(q.value(0)), unsignedOf(q.value(1)), q.value(2).toLongLong(), q.value(3).toLongLong(),
            q.value(4).toLongLong()};
}

// The folder as a prefix of the paths inside it, and the first bytes past them all.
std::pair<QByteArray, QByteArray> pathRange(const QString &folder)
{
    QByteArray from = NativePath::encode(folder);
    if (!from.endsWith('/'))
        from += '/';
    QByteArray to = from;
    to.back() = static_cast<char>('/' + 1);
    return {from, to};
}
} // namespace

PictureKey PictureKey::of(const FileStatus &status)
{
    return {status.device, status.inode, status.size, status.mtimeNs, status.ctimeNs};
}

QString PictureCache::defaultFile()
{
    // Corvina's own cache folder rather than QStandardPaths' (named after the running executable):
    // the window and corvina-cli share one cache.
    const QString folder = AppFolders::cacheFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/pictures.sqlite");
}

PictureCache::PictureCache(const QString &file) : m_file(file)
{
    static std::atomic<int> opened{0};
    m_connection = QStringLiteral("corvina-pictures-%1").arg(++opened);
    // Qt's SQL takes the file's name as text: a name that is not UTF-8 could reach another file.
    if (m_file.isEmpty() || NativePath::hasEscapedBytes(m_file))
    {
        qCInfo(lcPictureCache) << "no place for the picture cache: every picture is decoded";
        return;
    }
    // SQLite follows links, and makes its log files beside the database: in a folder another user
    // may write in (an administrator running Corvina with a user's cache folder), a link put there
    // would turn the cache's writes onto a file of that user's choosing.
    if (!AppFolders::isOwnPrivateFolder(QFileInfo(m_file).path()))
    {
        qCInfo(lcPictureCache).noquote()
            << QStringLiteral("The folder of the picture cache %1 is not yours alone: pictures are decoded.")
                   .arg(m_file);
        return;
    }
    if (!QSqlDatabase::isDriverAvailable(Driver))
    {
        qCWarning(lcPictureCache) << "Qt's SQLite driver (libqt6sql6-sqlite) is missing: pictures are decoded on "
                                     "every search, without a cache";
        return;
    }
    QString why;
    Opening opening = connect(why);
    if (opening == Opening::Damaged)
    {
        qCWarning(lcPictureCache).noquote()
            << QStringLiteral("The picture cache %1 was damaged or of another version (%2): it is made anew.")
                   .arg(m_file, why);
        close();
        removeFiles();
        opening = connect(why);
    }
    if (opening != Opening::Ready)
    {
        qCInfo(lcPictureCache).noquote()
            << QStringLiteral("The picture cache %1 cannot be used (%2): pictures are decoded.").arg(m_file, why);
        close();
        return;
    }
    m_usable = true;
}

PictureCache::~PictureCache()
{
    close();
}

PictureCache::Opening PictureCache::connect(QString &why)
{
    // SQLite would make a missing file as the umask allows. Made here first, it is the user's alone,
    // and SQLite gives its log and index files the mode of the database.
    if (!QFile::exists(m_file))
    {
        QFile made(m_file);
        if (!made.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
            !QFile::exists(m_file))
        {
            why = made.errorString();
            return Opening::Unavailable;
        }
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(Driver, m_connection);
    db.setDatabaseName(m_file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    QSqlQuery q(db);
    const auto failed = [&](bool layout) {
        const QSqlError error = db.isOpenError() ? db.lastError() : q.lastError();
        why = messageOf(error);
        return isDamage(error) || (layout && primaryCode(error) == SqliteError) ? Opening::Damaged
                                                                                : Opening::Unavailable;
    };
    // A write-ahead log lets another Corvina read while this one writes, and keeps the file whole
    // when either stops halfway.
    if (!db.open() || !q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed(false);
    const int version = q.value(0).toInt();
    if (version == 0)
    {
        // A new file. The first Corvina to take the write lock makes the table; another one, waiting
        // for the lock, finds it made.
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return failed(false);
        const bool made = q.exec(QStringLiteral("PRAGMA user_version")) && q.next() && q.value(0).toInt() != 0;
        const bool empty =
            q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && q.next() && q.value(0).toInt() == 0;
        if (!made && !empty)
        {
            why = QStringLiteral("tables without a version");
            q.exec(QStringLiteral("ROLLBACK"));
            return Opening::Damaged;
        }
        if (!made && (!q.exec(CreateTable) || !q.exec(CreateIndex) ||
                      !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion))))
        {
            const Opening result = failed(false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return result;
        }
        if (!q.exec(QStringLiteral("COMMIT")))
            return failed(false);
    }
    else if (version != SchemaVersion)
    {
        why = QStringLiteral("version %1, not %2").arg(version).arg(SchemaVersion);
        return Opening::Damaged;
    }
    // The version's layout, also when the file says the version without having it.
    if (!q.exec(QStringLiteral("SELECT %1 FROM pictures LIMIT 1").arg(Columns)))
        return failed(true);
    return Opening::Ready;
}

std::optional<PictureCache::Entry> PictureCache::find(quint64 device, quint64 inode)
{
    if (!m_usable)
        return std::nullopt;
    QSqlQuery &q = lookup();
    q.bindValue(0, bitsOf(device));
    q.bindValue(1, bitsOf(inode));
    if (!q.exec())
    {
        fail("Reading", q.lastError());
        return std::nullopt;
    }
    if (!q.next())
    {
        q.finish();
        return std::nullopt;
    }
    Entry e;
    e.key = keyOf(q);
    e.facts.dctHash = unsignedOf(q.value(5));
    e.facts.gradientHash = unsignedOf(q.value(6));
    e.facts.size = QSize(q.value(7).toInt(), q.value(8).toInt());
    e.facts.format = q.value(9).toString().toLatin1();
    e.facts.fileSize = e.key.size;
    e.path = NativePath::decode(q.value(10).toByteArray());
    q.finish();
    // A file edited by hand or damaged may hold anything: only facts a decode could give are used.
    if (e.facts.size.isEmpty() || !PictureHash::isKnownFormat(e.facts.format))
        return std::nullopt;
    return e;
}

void PictureCache::store(const std::vector<Entry> &entries)
{
    if (!m_usable || entries.empty())
        return;
    std::vector<QVariantList> rows;
    rows.reserve(entries.size());
    for (const Entry &e : entries)
        rows.push_back({bitsOf(e.key.device), bitsOf(e.key.inode), e.key.size, e.key.mtimeNs, e.key.ctimeNs,
                        bitsOf(e.facts.dctHash), bitsOf(e.facts.gradientHash), e.facts.size.width(),
                        e.facts.size.height(), QString::fromLatin1(e.facts.format), NativePath::encode(e.path)});
    if (write(QStringLiteral("INSERT OR REPLACE INTO pictures (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(Columns),
              rows))
        m_stored += static_cast<qint64>(entries.size());
}

void PictureCache::forgetVanished(const QStringList &folders)
{
    if (!m_usable)
        return;
    std::vector<QVariantList> gone;
    {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT %1 FROM pictures WHERE path >= ? AND path < ?").arg(Columns));
        for (const QString &folder : folders)
        {
            const auto [from, to] = pathRange(folder);
            q.bindValue(0, from);
            q.bindValue(1, to);
            if (!q.exec())
                return fail("Reading", q.lastError());
            while (q.next())
            {
                const FileStatus now = statFile(NativePath::decode(q.value(10).toByteArray()));
                if (!now.exists || PictureKey::of(now) != keyOf(q))
                    gone.push_back({q.value(0), q.value(1)});
            }
        }
    }
    if (!gone.empty())
        write(QStringLiteral("DELETE FROM pictures WHERE device = ? AND inode = ?"), gone);
}

QSqlQuery &PictureCache::lookup()
{
    if (!m_lookup)
    {
        m_lookup = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
        m_lookup->setForwardOnly(true);
        m_lookup->prepare(QStringLiteral("SELECT %1 FROM pictures WHERE device = ? AND inode = ?").arg(Columns));
    }
    return *m_lookup;
}

bool PictureCache::write(const QString &statement, const std::vector<QVariantList> &rows)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    // The write lock from the start: a transaction that first reads and then wants to write could
    // find that another Corvina wrote in between and fail at once instead of waiting.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
    {
        fail("Writing", q.lastError());
        return false;
    }
    bool ok = q.prepare(statement);
    for (size_t r = 0; ok && r < rows.size(); ++r)
    {
        for (int i = 0; i < rows[r].size(); ++i)
            q.bindValue(i, rows[r][i]);
        ok = q.exec();
    }
    if (ok && q.exec(QStringLiteral("COMMIT")))
        return true;
    const QSqlError error = q.lastError();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    fail("Writing", error);
    return false;
}

void PictureCache::fail(const char *what, const QSqlError &error)
{
    m_usable = false;
    m_damaged = m_damaged || isDamage(error);
    if (m_damaged)
        qCWarning(lcPictureCache).noquote()
            << QStringLiteral("The picture cache %1 is damaged (%2): it is made anew on the next search.")
                   .arg(m_file, messageOf(error));
    else
        qCInfo(lcPictureCache).noquote() << QStringLiteral("%1 the picture cache %2 failed (%3): it is left alone.")
                                                .arg(QLatin1String(what), m_file, messageOf(error));
}

void PictureCache::close()
{
    m_usable = false;
    m_lookup.reset();
    if (QSqlDatabase::contains(m_connection))
    {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    if (m_damaged)
        removeFiles();
    m_damaged = false;
}

void PictureCache::removeFiles()
{
    // The log and its index first: a new database beside an old log would take the log's pages as its own.
    QFile::remove(m_file + QStringLiteral("-wal"));
    QFile::remove(m_file + QStringLiteral("-shm"));
    QFile::remove(m_file);
}

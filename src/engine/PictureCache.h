// SPDX-License-Identifier: GPL-3.0-or-later
// The hashes of pictures kept between searches, so that a picture unchanged since a search decoded
// it is not decoded again: an SQLite database in the user's cache folder.
#pragma once

#include "platform/PictureHash.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>
#include <optional>
#include <vector>

class QSqlError;
class QSqlQuery;
struct FileStatus;

/// What a picture's facts were taken from: one state of one file. An entry of the cache is used
/// only for a file whose key is the same in every field.
struct PictureKey
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    /// The status change too: a program that rewrites a file can put its old modification time back
    /// (touch -r, a restore, rsync -t), but nothing sets ctime except the system, to the moment of
    /// each change. A rename or chmod changes it too, which costs one decode more, never a wrong hash.
    qint64 ctimeNs = 0;

    static PictureKey of(const FileStatus &status);
    bool operator==(const PictureKey &) const = default;
};

/// The cache of one search, used on the thread that made it. The cache is only ever a faster way
/// to the same facts: it says nothing about whether a file may be acted on, and a cache that lies
/// (edited, damaged) gives wrong groups at worst, never a crash.
///
/// Two Corvina processes may use it at once: it is written in one short transaction per search and
/// waits for the other's (write-ahead log, busy timeout). A file that is not a cache of this version
/// (another file, damaged, an older or newer layout) is removed and made anew, with one warning in
/// the log; when no cache can be had (a read-only cache folder, no SQLite driver) usable() is false
/// and the search decodes every picture.
class PictureCache
{
public:
    /// An entry: the facts of the picture file whose key it is, and the path it was found at.
    struct Entry
    {
        PictureKey key;
        PictureFacts facts;
        QString path; // a NativePath text
    };

    /// "pictures.sqlite" in the user's cache folder (AppFolders::cacheFolder()); empty without one.
    static QString defaultFile();

    /// Opens the cache at file (a new one is created readable by the user alone).
    explicit PictureCache(const QString &file = defaultFile());
    ~PictureCache();
    PictureCache(const PictureCache &) = delete;
    PictureCache &operator=(const PictureCache &) = delete;

    bool usable() const { return m_usable; }

    /// The entry of the file with this device and inode, if any (its key may be out of date).
    std::optional<Entry> find(quint64 device, quint64 inode);

    /// Keeps the entries, each replacing the entry of its device and inode, in one transaction.
    void store(const std::vector<Entry> &entries);

    /// Drops every entry whose path lies in one of the folders (NativePath texts) and that no
    /// longer describes the file there: one lstat per entry, so that files a search left out by its
    /// masks, sizes or hidden names keep their entries, and files that vanished or changed do not.
    void forgetVanished(const QStringList &folders);

    /// How many entries store() wrote since the cache was opened.
    qint64 stored() const { return m_stored; }

private:
    enum class Opening
    {
        Ready,
        Damaged,     // not a cache of this version: made anew
        Unavailable, // cannot be read or written here: the search goes without
    };
    Opening connect(QString &why);
    QSqlQuery &lookup();
    // Runs the statement once per row of values in one transaction; false when it failed.
    bool write(const QString &statement, const std::vector<QVariantList> &rows);
    // Logs why the cache stopped working and stops using it. A damaged file is removed when the
    // cache closes, so that the next search makes it anew.
    void fail(const char *what, const QSqlError &error);
    void close();
    void removeFiles();

    QString m_file;
    QString m_connection; // the name of this object's QSqlDatabase connection
    std::unique_ptr<QSqlQuery> m_lookup;
    bool m_usable = false;
    bool m_damaged = false;
    qint64 m_stored = 0;
};

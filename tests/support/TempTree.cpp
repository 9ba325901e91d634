// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempTree.h"

#include "platform/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdio>

#include <ftw.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

TempTree::TempTree() : m_dir(QDir::tempPath() + QStringLiteral("/corvina-tree-XXXXXX"))
{
    EXPECT_TRUE(m_dir.isValid());
}

TempTree::~TempTree()
{
    // QTemporaryDir goes by names as text and would leave a name that is not UTF-8 behind.
    const auto removeOne = [](const char *path, const struct stat *, int, struct FTW *) { return ::remove(path); };
    if (m_dir.isValid())
        ::nftw(QFile::encodeName(root()).constData(), removeOne, 16, FTW_DEPTH | FTW_PHYS);
}

QString TempTree::path(const QString &rel) const
{
    return rel.isEmpty() ? root() : root() + u'/' + rel;
}

QString TempTree::folder(const QString &rel) const
{
    return path(rel) + u'/';
}

QString TempTree::dir(const QString &rel)
{
    QDir().mkpath(path(rel));
    return path(rel);
}

QString TempTree::file(const QString &rel, const QByteArray &content, std::optional<QDateTime> mtime)
{
    const QString p = path(rel);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << p.toStdString();
    f.write(content);
    f.close();
    if (mtime)
        setMtime(rel, *mtime);
    return p;
}

QString TempTree::fileOfSize(const QString &rel, qint64 size, char fill, std::optional<QDateTime> mtime)
{
    return file(rel, QByteArray(size, fill), mtime);
}

QByteArray TempTree::rawFile(const QString &rel, const QByteArray &nameBytes, const QByteArray &content)
{
    const QByteArray folderBytes = QFile::encodeName(dir(rel));
    const QByteArray full = folderBytes + '/' + nameBytes;
    FILE *f = fopen(full.constData(), "wb");
    EXPECT_NE(f, nullptr);
    if (f)
    {
        fwrite(content.constData(), 1, static_cast<size_t>(content.size()), f);
        fclose(f);
    }
    return full;
}

void TempTree::setMtime(const QString &rel, const QDateTime &when)
{
    const qint64 secs = when.toSecsSinceEpoch();
    struct timeval times[2];
    times[0].tv_sec = static_cast<time_t>(secs);
    times[0].tv_usec = 0;
    times[1] = times[0];
    EXPECT_EQ(0, utimes(QFile::encodeName(path(rel)).constData(), times));
}

void TempTree::symlink(const QString &target, const QString &rel)
{
    QDir().mkpath(QFileInfo(path(rel)).absolutePath());
    EXPECT_EQ(0, ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path(rel)).constData()));
}

void TempTree::fifo(const QString &rel)
{
    QDir().mkpath(QFileInfo(path(rel)).absolutePath());
    EXPECT_EQ(0, mkfifo(QFile::encodeName(path(rel)).constData(), 0600));
}

QByteArray TempTree::contents(const QString &path)
{
    // Opened by its bytes: QFile cannot name a file whose name is not valid UTF-8.
    FILE *f = std::fopen(NativePath::encode(path).constData(), "rb");
    if (!f)
        return "<missing>";
    QByteArray data;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        data.append(buffer, static_cast<qsizetype>(n));
    std::fclose(f);
    return data;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Real file trees in a temporary folder, with sizes, times, hidden names and special files.
#pragma once

// Every test that builds a tree also prints Corvina's error values by name.
#include "support/Printers.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <optional>

class TempTree
{
public:
    TempTree();
    /// Removes the tree byte for byte, names that are not UTF-8 included.
    ~TempTree();
    TempTree(const TempTree &) = delete;
    TempTree &operator=(const TempTree &) = delete;

    /// The root folder, without a trailing "/".
    QString root() const { return m_dir.path(); }
    /// root() + "/" + rel.
    QString path(const QString &rel) const;
    /// The folder text as Corvina writes it: with a trailing "/".
    QString folder(const QString &rel = QString()) const;

    /// Creates the file (and its folders) with the content; optionally sets its modification time.
    QString file(const QString &rel, const QByteArray &content, std::optional<QDateTime> mtime = std::nullopt);
    /// A file of size bytes of one repeated character.
    QString fileOfSize(const QString &rel, qint64 size, char fill = 'x', std::optional<QDateTime> mtime = std::nullopt);
    /// A file whose name is given as raw bytes (which need not be UTF-8), inside folder rel.
    QByteArray rawFile(const QString &rel, const QByteArray &nameBytes, const QByteArray &content);
    QString dir(const QString &rel);
    void setMtime(const QString &rel, const QDateTime &when);
    void symlink(const QString &target, const QString &rel);
    void fifo(const QString &rel);

    /// A file's bytes, read under its exact name; "<missing>" when it cannot be read.
    static QByteArray contents(const QString &path);

private:
    QTemporaryDir m_dir;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of Corvina's own acts (trash, delete, move, copy), kept in the data folder so that
// the last clean-up can be undone, also after a restart.
#pragma once

#include "platform/PutBack.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

#include <optional>
#include <vector>

struct LocatedFile;

enum class ActKind
{
    Trash,
    Delete, // for good: recorded, never undone
    Move,
    Copy,
};

/// One file of an act: where it was, and where Corvina put it.
struct JournalFile
{
    QString from;              // the file's path before the act
    FolderIdentity fromFolder; // the folder it was in
    PutBack::Placed to;        // where it went (trash: files/NAME); no path for a deletion
    QString trashInfo;         // the trash's info/NAME.trashinfo; empty for other acts
    bool settled = false;      // put back, or nothing left to put back
    bool folder = false;       // a whole folder, gone as one item: `to` holds its identity and bytes
};

struct JournalAct
{
    QString id; // tells one act from another when two runs write the journal
    ActKind kind = ActKind::Trash;
    QDateTime time; // when it began, in UTC
    std::vector<JournalFile> files;

    /// Whether an undo has nothing (more) to do for it.
    bool undone() const;
    qint64 bytes() const;
};

/// Reading and writing the journal: a JSON file written whole or not at all, readable by the
/// user alone. Its names are not translated; its paths are their bytes, percent-encoded.
class ActJournal
{
    Q_DECLARE_TR_FUNCTIONS(ActJournal)

public:
    /// How many acts the journal keeps: the newest.
    static constexpr int kMaxActs = 20;

    /// "journal.json" in the data folder; empty without one.
    static QString defaultPath();

    struct Contents
    {
        std::vector<JournalAct> acts; // oldest first
        QString error;                // why the file cannot be read, for the user; empty when it can
    };
    /// Reads the journal; a missing file is an empty journal, a damaged one an error.
    static Contents read(const QString &path);
    /// Writes the newest kMaxActs acts in place of the journal; why it failed, or "".
    static QString write(const QString &path, const std::vector<JournalAct> &acts);

    static QByteArray toJson(const std::vector<JournalAct> &acts);
    /// The acts of a journal's bytes; none, with why, when they are not a whole journal.
    static std::optional<std::vector<JournalAct>> fromJson(const QByteArray &bytes, QString *why = nullptr);

    /// The name of a kind in the journal's file and in corvina-cli's JSON: "trash", "delete", ...
    static QString kindName(ActKind kind);
    /// The kind as the user reads it ("Moved to the trash").
    static QString kindText(ActKind kind);
};

/// Records one act file by file as it runs: the journal on the disk holds the act from its first
/// file on, and is written again at most once a second and when the act ends, so that a kill
/// loses at most the last second of it. A journal that cannot be written never stops the act.
class ActRecorder
{
public:
    explicit ActRecorder(ActKind kind, QString journalPath = ActJournal::defaultPath());
    ~ActRecorder();
    ActRecorder(const ActRecorder &) = delete;
    ActRecorder &operator=(const ActRecorder &) = delete;

    /// Records a file the act has just handled: `file` as it was found, `target` where it is now
    /// (empty for a deletion).
    void add(const LocatedFile &file, const QString &target);
    /// Records a whole folder the act has just put at `target`, holding `bytes` in its files.
    void addFolder(const LocatedFile &folder, const QString &target, qint64 bytes);
    /// Writes what is recorded; called by the destructor too.
    void finish();

private:
    JournalFile entry(const LocatedFile &file, const QString &target) const;
    void push(JournalFile f);
    void save();

    QString m_path;
    JournalAct m_act;
    bool m_dirty = false;
    QElapsedTimer m_sinceSave;
};

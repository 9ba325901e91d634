// SPDX-License-Identifier: GPL-3.0-or-later
// The result list's model: a table over plain row structs, with the group bookkeeping beside it.
#pragma once

#include "platform/FileStatus.h"
#include "results/ResultRow.h"
#include "results/RowAnchors.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <thread>
#include <vector>

class CHive;
class HiveValues;

/// What loadResultList asks of its caller while it fills the list.
struct ResultLoadHooks
{
    std::function<void()> yield;                     // once per entry (may be empty)
    std::function<void(const QString &)> status;     // status-bar panel 1 (may be empty)
    std::function<bool(const QString &)> fileExists; // default: FileFunctions::fileExists
};

/// The rows of the result list (QtCore only; the window paints marks and bands from the roles
/// below). Rows of one group stand together after a load; sorting may interleave groups, and the
/// colour bands then follow runs of equal group numbers (rebandRows).
class ResultModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role
    {
        MarkedRole = Qt::UserRole + 1, // bool: the row is marked (icon 17), else unmarked (18)
        ShadedRole,                    // bool: the row's band is painted light blue
        FullPathRole,                  // QString: folder + name
        ReferenceRole,                 // bool: the file is in a reference location
        LinkedRole,                    // bool: the file was replaced with a link to a kept copy
    };

    explicit ResultModel(QObject *parent = nullptr);
    ~ResultModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Column headers, by column index.
    static QString header(int column);

    int size() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const ResultRow &row(int r) const { return m_rows[static_cast<size_t>(r)]; }
    const std::vector<ResultRow> &rows() const { return m_rows; }

    /// Empties the list and its bookkeeping.
    void clear();
    /// Replaces every row at once (one model reset); the group bookkeeping stays as it was.
    void setRows(std::vector<ResultRow> rows);

    /// "Keep Every File in This Folder": the rows in folder (ending with "/") and below it become
    /// reference rows, unmarked and never acted on, as if the folder had been a reference location
    /// of the search. Returns how many rows it changed.
    int keepFolder(const QString &folder);
    /// Undoes keepFolder(folder) for the rows it changed that no other kept folder holds; rows that
    /// were reference rows of the search stay so.
    int stopKeeping(const QString &folder);
    /// The kept folder that holds a row of folder path (the innermost); empty when none does.
    QString keptFolderHolding(const QString &path) const;
    /// Replaces every row with rows already numbered into groups (a saved list read back) and
    /// keeps the group bookkeeping from them: rows per group, the highest number as the group
    /// total, bands by runs of equal numbers, banding on when any row is listed. One model reset.
    void setGroupedRows(std::vector<ResultRow> rows);
    /// Appends one row (a session load or the zero-size listing).
    void appendRow(ResultRow row);
    /// Changes the name of row r (after a rename).
    void setName(int r, const QString &name);
    /// Records what row r's file is (anchorRows); zeros forget it.
    void setIdentity(int r, quint64 device, quint64 inode, qint64 mtimeNs);
    /// Row r's file was replaced with a link: it is unmarked, shown as linked, and is the file of
    /// status now.
    void setLinked(int r, const FileStatus &status);
    /// Where the rows' files were found and what kind of list this is (anchorRows).
    const RowAnchors &anchors() const { return m_anchors; }
    /// A list of folders: for a folder with nothing unique (by its path), each file's path below
    /// it with the path of a copy of it outside, as the search found them; none for a list read
    /// from a session, whose folders with nothing unique are therefore never acted on.
    const QHash<QString, QString> *copiesOutside(const QString &folder) const
    {
        const auto it = m_copiesOutside.constFind(folder);
        return it == m_copiesOutside.cend() ? nullptr : &*it;
    }
    /// Set after setGroupedRows(), which forgets them.
    void setCopiesOutside(QHash<QString, QHash<QString, QString>> copies) { m_copiesOutside = std::move(copies); }
    /// Where the rows were found; a list of folders names its first and fourth columns for folders,
    /// a list of similar pictures its fourth "Dimensions".
    void setAnchors(RowAnchors anchors);
    /// True when the rows are whole folders (the folder search), not files.
    bool isFolderList() const { return m_anchors.origin.kind == ListKind::SameFolders; }

    /// Fills the list from the result collection: one row per entry whose file still exists,
    /// groups numbered from 1 by changes of the shade (ResultValue::Shade), bands = group numbers, the folder
    /// list in the order first met. Appends to what the list holds.
    void loadResultList(const CHive &resultHive, const ResultLoadHooks &hooks = {});
    /// The same from rows made already, in the collection's order, each with its entry's shade
    /// in its group field: a scan's rows are loaded without a copy beside them.
    void loadResultList(std::vector<ResultRow> rows, const ResultLoadHooks &hooks = {});

    /// Rows per group number, as of the last load, reference pass or drop of lone rows; entry 0
    /// is unused.
    const std::vector<qint32> &groupRowCounts() const { return m_groupRowCounts; }
    /// The number of groups the last load or renumbering made.
    qint32 groupTotal() const { return m_groupTotal; }
    /// The band of each row, by 0-based row index (empty before the first load or reband).
    const std::vector<qint32> &rowBands() const { return m_bands; }
    /// Whether the rows are painted in alternating bands (after a load or a reband).
    bool isBanded() const { return m_banded; }

    /// Recomputes the bands from the rows as they stand: runs of equal group numbers, 1, 2, ...
    void rebandRows();
    /// Removes the rows of groups left with a single row; in the zero-size listing (every row
    /// is kept) it only refreshes. Rebands unless zeroSizeListing.
    void dropSingleRowGroups(bool zeroSizeListing);

    /// The distinct folders of the last load, in the order first met (the advanced-marking
    /// folder list). Compared exactly: Linux names are case-sensitive, /x/Photos/ and /x/photos/
    /// are two folders.
    const QStringList &folders() const { return m_folders; }
    void setFolders(QStringList folders) { m_folders = std::move(folders); }

    // Marks. A row of a reference location is never marked, whatever a command asks.
    bool isMarked(int r) const { return m_rows[static_cast<size_t>(r)].marked; }
    void setMarked(int r, bool marked);
    /// Sets every row's mark from fn(row index, row) in one pass, with one change notification.
    void setMarks(const std::function<bool(int, const ResultRow &)> &fn);
    /// Flags the rows found in the reference folders (texts ending with "/", the innermost
    /// location deciding) and the rows of the folders in referenceByIdentity (found to be in a
    /// reference location by the identity of the folders they were reached through), unmarks
    /// them, drops the groups made of them alone (numbering the groups again), and puts them first
    /// in their group.
    void applyReferences(const QStringList &referenceFolders, const QStringList &otherFolders,
                         const QSet<QString> &referenceByIdentity = {});
    /// Number of marked rows and the sum of their sizes.
    qint64 markedCount() const;
    qint64 markedTotal() const;
    /// "Total Files Marked N Size ..." for the status bar.
    static QString summaryText(qint64 count, double total);

    /// Removes every row for which pred is true (in one pass); returns how many went.
    int removeRowsIf(const std::function<bool(const ResultRow &)> &pred);

    /// Sorts the rows by one column's text (0 = file name, 3 = version, 5 = path, 9 = ext: without
    /// regard to case; 6, 7, 8: the fixed-width keys), stable, over keys computed once. Columns 1
    /// and 4 sort by their numbers, 2 by its date; in a list of similar pictures 3 sorts by the
    /// pixels its dimensions give.
    void sortByColumn(int column, bool ascending);

private:
    /// Rebuilds groupRowCounts() from the rows as they stand (grown as group numbers require).
    void rebuildGroupRowCounts();
    /// Bands of runs of equal group numbers, 1, 2, ..., without telling the views.
    void computeBands();
    /// Appends the rows a load took, with their bands (one reset when the list was empty).
    void appendLoadedRows(std::vector<ResultRow> added, const std::vector<qint32> &bands);
    // Value v of entry i (1..count) of what the list is loaded from.
    /// Every row's key for sortByColumn: its number, or the rank of its text.
    std::vector<qint64> sortKeys(int column) const;
    /// Puts row order[i] at position i, telling the views (persistent indexes follow their rows).
    void reorderRows(const std::vector<int> &order);
    /// The move itself, with the bands.
    void permuteRows(const std::vector<int> &order);

    std::vector<ResultRow> m_rows;
    QStringList m_keptFolders; // the folders keepFolder() made reference folders, until stopKeeping()
    std::vector<qint32> m_groupRowCounts{0};
    qint32 m_groupTotal = 0;
    std::vector<qint32> m_bands;
    bool m_banded = false; // bands painted: after a load or a reband
    QStringList m_folders;
    RowAnchors m_anchors;
    QHash<QString, QHash<QString, QString>> m_copiesOutside;
    // Frees the rows of the last clear() beside the window: a million rows take a fifth of a
    // second to free, at the start of the next scan.
    std::thread m_freeing;
};

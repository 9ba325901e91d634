// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultModel.h"

#include "core/CHive.h"
#include "core/ShownSize.h"
#include "core/TextCompare.h"
#include "core/VbNumeric.h"
#include "platform/FileFunctions.h"
#include "results/LocaleText.h"
#include "results/PictureRows.h"
#include "results/ResultValues.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// Translated where they are shown. The sort columns are never shown, so their names stay as they are.
const char *const kHeaders[ResultRow::ColumnCount] = {
    QT_TRANSLATE_NOOP("ResultModel", "File Name"),
    QT_TRANSLATE_NOOP("ResultModel", "Size(Bytes)"),
    QT_TRANSLATE_NOOP("ResultModel", "Last Modified."),
    QT_TRANSLATE_NOOP("ResultModel", "File Version"),
    //: The column of the group number: the files of one group are copies of each other.
    QT_TRANSLATE_NOOP("ResultModel", "Group"),
    QT_TRANSLATE_NOOP("ResultModel", "Path"),
    "sortSize",
    "sortDate",
    "sortGrpno",
    //: The column of the file name extension.
    QT_TRANSLATE_NOOP("ResultModel", "Ext"),
};

// A row from one entry of the result collection.
template <typename Value> ResultRow rowFromEntry(const Value &value, qint32 i)
{
    ResultRow row;
    row.setName(value(i, ResultValue::Name).toString());
    row.path = value(i, ResultValue::Folder).toString();
    row.setVersion(value(i, ResultValue::Version).toString());
    row.size = static_cast<qint64>(std::fabs(VbNumeric::val(value(i, ResultValue::SizeKey).toString())));
    row.setModified(value(i, ResultValue::Date).toString());
    return row;
}

// The sort keys of a text column: every row's text folded to lower case once, so that a
// comparison is a comparison of bytes. Texts of ASCII only (nearly all file names, folders and
// extensions) compare exactly as without regard to case; the few others use that comparison
// itself. The part every ASCII text shares (a common folder, "img_") is skipped, and the next 16
// folded bytes, held in the key, decide most comparisons without reading the text.
class FoldedTexts
{
public:
    FoldedTexts(const std::vector<ResultRow> &rows, int column) : m_rows(rows), m_column(column)
    {
        m_keys.resize(rows.size());
        m_bytes.reserve(rows.size() * 24);
        QString scratch;
        for (size_t i = 0; i < rows.size(); ++i)
        {
            const QStringView text = columnText(rows[i], scratch);
            Key &key = m_keys[i];
            key.row = static_cast<qint32>(i);
            key.offset = static_cast<qint64>(m_bytes.size());
            key.ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
            if (!key.ascii)
                continue;
            for (QChar c : text)
            {
                const char b = static_cast<char>(c.unicode());
                m_bytes.push_back(b >= 'A' && b <= 'Z' ? static_cast<char>(b + 32) : b);
            }
            key.size = static_cast<qint32>(text.size());
        }
        skipCommonStart();
    }

    /// Row indexes in the order of their texts, equal texts (without regard to case) together.
    std::vector<qint64> ranks()
    {
        std::sort(m_keys.begin(), m_keys.end(), [this](const Key &a, const Key &b) { return compare(a, b) < 0; });
        std::vector<qint64> rank(m_keys.size());
        qint64 r = 0;
        for (size_t k = 0; k < m_keys.size(); ++k)
        {
            if (k > 0 && compare(m_keys[k - 1], m_keys[k]) != 0)
                ++r;
            rank[static_cast<size_t>(m_keys[k].row)] = r;
        }
        return rank;
    }

private:
    static constexpr qint32 HeadBytes = 16;

    // The column's text, without a copy where the row holds it as a string.
    QStringView columnText(const ResultRow &row, QString &scratch) const
    {
        switch (m_column)
        {
        case ResultRow::ColName:
            scratch = row.name();
            return scratch;
        case ResultRow::ColPath:
            return row.path;
        case ResultRow::ColVersion:
            return row.version();
        case ResultRow::ColExt: {
            scratch = row.name();
            const qsizetype dot = scratch.lastIndexOf(u'.');
            return dot < 0 ? QStringView() : QStringView(scratch).mid(dot + 1);
        }
        default:
            scratch = row.column(m_column);
            return scratch;
        }
    }

    struct Key
    {
        // The first 16 folded bytes after the common start, the first most significant.
        quint64 head = 0;
        quint64 head2 = 0;
        qint64 offset = 0; // where the folded text starts in m_bytes (ASCII texts)
        qint32 size = 0;   // its length
        qint32 row = 0;
        bool ascii = true;
    };

    void skipCommonStart()
    {
        qint32 common = -1;
        const Key *first = nullptr;
        for (const Key &k : m_keys)
        {
            if (!k.ascii)
                continue;
            if (!first)
            {
                first = &k;
                common = k.size;
                continue;
            }
            qint32 n = std::min(common, k.size);
            qint32 i = 0;
            while (i < n &&
                   m_bytes[static_cast<size_t>(first->offset + i)] == m_bytes[static_cast<size_t>(k.offset + i)])
                ++i;
            common = i;
        }
        for (Key &k : m_keys)
        {
            if (!k.ascii)
                continue;
            k.offset += common;
            k.size -= common;
            for (qint32 i = 0; i < HeadBytes; ++i)
            {
                const auto b = i < k.size ? static_cast<unsigned char>(m_bytes[static_cast<size_t>(k.offset + i)]) : 0u;
                quint64 &half = i < 8 ? k.head : k.head2;
                half = (half << 8) | b;
            }
        }
    }

    int compare(const Key &a, const Key &b) const
    {
        if (!a.ascii || !b.ascii)
            return TextCompare::compareNoCase(m_rows[static_cast<size_t>(a.row)].column(m_column),
                                              m_rows[static_cast<size_t>(b.row)].column(m_column));
        if (a.head != b.head)
            return a.head < b.head ? -1 : 1;
        if (a.head2 != b.head2)
            return a.head2 < b.head2 ? -1 : 1;
        // Equal heads: the texts agree on their first 16 bytes (or end within them).
        const qint32 shorter = std::min(a.size, b.size);
        if (shorter > HeadBytes)
        {
            const int c = std::memcmp(m_bytes.data() + a.offset + HeadBytes, m_bytes.data() + b.offset + HeadBytes,
                                      static_cast<size_t>(shorter - HeadBytes));
            if (c != 0)
                return c < 0 ? -1 : 1;
        }
        return (a.size > b.size) - (a.size < b.size);
    }

    const std::vector<ResultRow> &m_rows;
    int m_column;
    std::vector<Key> m_keys;
    std::vector<char> m_bytes;
};

// The sort key of every row for a text column: the rank of its text, equal texts (without regard
// to case) sharing a rank.
std::vector<qint64> textRanks(const std::vector<ResultRow> &rows, int column)
{
    return FoldedTexts(rows, column).ranks();
}

// Whether any row keeps a text of its own in this slot (read from a session file).
bool anyKeptText(const std::vector<ResultRow> &rows, std::optional<QString> ResultRowTexts::*slot)
{
    return std::any_of(rows.begin(), rows.end(),
                       [slot](const ResultRow &r) { return r.texts() && (*r.texts().*slot); });
}

template <typename Get> std::vector<qint64> numberKeys(const std::vector<ResultRow> &rows, Get get)
{
    std::vector<qint64> keys;
    keys.reserve(rows.size());
    for (const ResultRow &r : rows)
        keys.push_back(get(r));
    return keys;
}

// The row that each position takes: positions by key, rows of equal keys in their order.
std::vector<int> stableOrder(const std::vector<qint64> &keys, bool ascending)
{
    // Key and position side by side, so that the sort reads memory in order.
    std::vector<std::pair<qint64, int>> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = {keys[i], static_cast<int>(i)};
    if (ascending)
        std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    else
        std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    std::vector<int> rows(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        rows[i] = order[i].second;
    return rows;
}
} // namespace

namespace
{
// A list of at least this many rows is freed on a thread of its own.
constexpr size_t RowsFreedAside = 65536;
} // namespace

ResultModel::ResultModel(QObject *parent) : QAbstractTableModel(parent) {}

ResultModel::~ResultModel()
{
    if (m_freeing.joinable())
        m_freeing.join();
}

int ResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int ResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ResultRow::ColumnCount;
}

QString ResultModel::header(int column)
{
    return column >= 0 && column < ResultRow::ColumnCount ? tr(kHeaders[column]) : QString();
}

void ResultModel::setAnchors(RowAnchors anchors)
{
    const bool kindChanged = anchors.origin.kind != m_anchors.origin.kind;
    m_anchors = std::move(anchors);
    if (kindChanged)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, ResultRow::ColumnCount - 1);
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool folders = isFolderList();
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && folders && section == ResultRow::ColName)
        return tr("Folder Name");
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && folders && section == ResultRow::ColVersion)
        return tr("Files");
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && PictureRows::isPictureList(*this) &&
        section == ResultRow::ColVersion)
    {
        //: The column of a list of similar pictures that holds each picture's width, height and format.
        return tr("Dimensions");
    }
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant ResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= size())
        return {};
    const ResultRow &r = m_rows[static_cast<size_t>(index.row())];
    switch (role)
    {
    case Qt::DisplayRole:
        return r.column(index.column());
    case MarkedRole:
        return r.marked;
    case ShadedRole: {
        const auto i = static_cast<size_t>(index.row());
        return m_banded && i < m_bands.size() && m_bands[i] % 2 == 0;
    }
    case FullPathRole:
        return r.fullPath();
    case ReferenceRole:
        return r.reference;
    case LinkedRole:
        return r.linked;
    case Qt::ToolTipRole:
        if (r.linked)
            return tr("Replaced with a link to a kept copy: its space is free again");
        if (r.reference)
            return tr("In a reference location: kept as the original, never marked, moved or deleted");
        return {};
    default:
        return {};
    }
}

void ResultModel::clear()
{
    beginResetModel();
    m_copiesOutside.clear();
    m_keptFolders.clear();
    std::vector<ResultRow> old;
    old.swap(m_rows);
    m_groupRowCounts.assign(1, 0);
    m_groupTotal = 0;
    m_bands.clear();
    m_banded = false;
    m_folders.clear();
    m_anchors = RowAnchors();
    endResetModel();
    if (m_freeing.joinable())
        m_freeing.join();
    // QString and shared_ptr count their references atomically: the rows may go on another
    // thread even where a text of theirs is still shared.
    if (old.size() >= RowsFreedAside)
        m_freeing = std::thread([rows = std::move(old)] {});
}

void ResultModel::setRows(std::vector<ResultRow> rows)
{
    beginResetModel();
    m_copiesOutside.clear();
    m_keptFolders.clear();
    m_rows = std::move(rows);
    endResetModel();
}

int ResultModel::keepFolder(const QString &folder)
{
    if (!m_keptFolders.contains(folder))
        m_keptFolders.append(folder);
    int changed = 0;
    for (ResultRow &row : m_rows)
    {
        if (row.reference || !row.path.startsWith(folder))
            continue;
        row.reference = row.kept = true;
        row.marked = false;
        ++changed;
    }
    if (changed)
        Q_EMIT dataChanged(index(0, 0), index(size() - 1, ResultRow::ColumnCount - 1));
    return changed;
}

int ResultModel::stopKeeping(const QString &folder)
{
    m_keptFolders.removeAll(folder);
    int changed = 0;
    for (ResultRow &row : m_rows)
    {
        if (!row.kept || !row.path.startsWith(folder))
            continue;
        // A row that another kept folder holds stays kept.
        const bool keptElsewhere = std::any_of(m_keptFolders.cbegin(), m_keptFolders.cend(),
                                               [&row](const QString &other) { return row.path.startsWith(other); });
        if (keptElsewhere)
            continue;
        row.reference = row.kept = false;
        ++changed;
    }
    if (changed)
        Q_EMIT dataChanged(index(0, 0), index(size() - 1, ResultRow::ColumnCount - 1));
    return changed;
}

QString ResultModel::keptFolderHolding(const QString &path) const
{
    QString holding;
    for (const QString &kept : m_keptFolders)
    {
        if (path.startsWith(kept) && kept.size() > holding.size())
            holding = kept;
    }
    return holding;
}

void ResultModel::setGroupedRows(std::vector<ResultRow> rows)
{
    beginResetModel();
    m_copiesOutside.clear();
    m_keptFolders.clear();
    m_rows = std::move(rows);
    rebuildGroupRowCounts();
    m_groupTotal = static_cast<qint32>(m_groupRowCounts.size()) - 1;
    computeBands();
    m_banded = !m_rows.empty();
    endResetModel();
}

void ResultModel::appendRow(ResultRow row)
{
    beginInsertRows({}, size(), size());
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void ResultModel::setName(int r, const QString &name)
{
    m_rows[static_cast<size_t>(r)].setName(name);
    Q_EMIT dataChanged(index(r, 0), index(r, ResultRow::ColumnCount - 1));
}

void ResultModel::setIdentity(int r, quint64 device, quint64 inode, qint64 mtimeNs)
{
    ResultRow &row = m_rows[static_cast<size_t>(r)];
    row.device = device;
    row.inode = inode;
    row.mtimeNs = mtimeNs;
}

void ResultModel::setLinked(int r, const FileStatus &status)
{
    ResultRow &row = m_rows[static_cast<size_t>(r)];
    row.linked = true;
    row.marked = false;
    setIdentity(r, status.device, status.inode, status.mtimeNs);
    Q_EMIT dataChanged(index(r, 0), index(r, ResultRow::ColumnCount - 1));
}

void ResultModel::loadResultList(const CHive &resultHive, const ResultLoadHooks &hooks)
{
    const auto value = [&resultHive](qint32 i, int v) { return resultHive.at(i, v); };
    std::vector<ResultRow> rows;
    rows.reserve(static_cast<size_t>(resultHive.count()));
    // Any shade may stand in an entry; the rows' shades change exactly where the entries' do.
    qint64 lastShade = 0;
    qint32 shade = 2;
    for (qint32 i = 1; i <= resultHive.count(); ++i)
    {
        const qint64 entryShade = value(i, ResultValue::Shade).toLongLong();
        if (entryShade != lastShade)
        {
            lastShade = entryShade;
            shade = 3 - shade;
        }
        rows.push_back(rowFromEntry(value, i));
        rows.back().group = shade;
    }
    loadResultList(std::move(rows), hooks);
}

void ResultModel::loadResultList(std::vector<ResultRow> rows, const ResultLoadHooks &hooks)
{
    const auto exists = hooks.fileExists ? hooks.fileExists : FileFunctions::fileExists;
    m_groupRowCounts.assign(1, 0);
    if (hooks.status)
        hooks.status(tr("Loading Searched Result..."));

    // Groups are told apart by changes of the shade between consecutive entries; a group whose
    // every file vanished still separates its neighbours, so two groups never merge into one.
    const size_t n = rows.size();
    qint32 g = 0;
    qint64 lastShade = 0;
    qint64 entryGroup = 0;
    qint64 lastRowGroup = -1;
    QSet<QString> folderSet;
    std::vector<qint32> bands;
    bands.reserve(n);
    // Rows whose files are still there move up over those that vanished, in place.
    size_t kept = 0;
    for (size_t i = 0; i < n; ++i)
    {
        if (hooks.yield)
            hooks.yield();
        ResultRow &row = rows[i];
        const qint64 shade = row.group;
        if (shade != lastShade)
        {
            lastShade = shade;
            ++entryGroup;
        }
        if (exists(row.fullPath()))
        {
            if (entryGroup != lastRowGroup)
            {
                lastRowGroup = entryGroup;
                ++g;
                m_groupRowCounts.push_back(0);
            }
            row.group = g;
            row.sortGroup = g;
            ++m_groupRowCounts[static_cast<size_t>(g)];
            if (!folderSet.contains(row.path))
            {
                folderSet.insert(row.path);
                m_folders.append(row.path);
            }
            bands.push_back(g);
            if (kept != i)
                rows[kept] = std::move(row);
            ++kept;
        }
        const auto entry = static_cast<qint64>(i) + 1;
        if (entry % 500 == 0 && hooks.status)
            hooks.status(tr("Loading Searched Result...(%1/%2)")
                             .arg(LocaleText::number(entry), LocaleText::number(static_cast<qint64>(n))));
    }
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(kept), rows.end());
    m_groupTotal = g;
    appendLoadedRows(std::move(rows), bands);
    m_banded = !m_rows.empty();
}

void ResultModel::appendLoadedRows(std::vector<ResultRow> added, const std::vector<qint32> &bands)
{
    if (added.empty())
        return;
    m_bands.resize(m_rows.size());
    m_bands.insert(m_bands.end(), bands.begin(), bands.end());
    if (m_rows.empty())
    {
        setRows(std::move(added));
        return;
    }
    beginInsertRows({}, size(), size() + static_cast<int>(added.size()) - 1);
    std::move(added.begin(), added.end(), std::back_inserter(m_rows));
    endInsertRows();
}

void ResultModel::rebandRows()
{
    if (m_rows.empty())
        return;
    computeBands();
    m_banded = true;
    Q_EMIT dataChanged(index(0, 0), index(size() - 1, ResultRow::ColumnCount - 1), {ShadedRole});
}

void ResultModel::computeBands()
{
    m_bands.assign(m_rows.size(), 0);
    qint32 b = 0;
    qint32 p = 0;
    for (size_t i = 0; i < m_rows.size(); ++i)
    {
        if (m_rows[i].group != p)
        {
            p = m_rows[i].group;
            ++b;
        }
        m_bands[i] = b;
    }
}

void ResultModel::rebuildGroupRowCounts()
{
    m_groupRowCounts.assign(1, 0);
    for (const ResultRow &r : m_rows)
    {
        const auto g = static_cast<size_t>(std::max(0, r.group));
        if (g >= m_groupRowCounts.size())
            m_groupRowCounts.resize(g + 1, 0);
        ++m_groupRowCounts[g];
    }
}

void ResultModel::dropSingleRowGroups(bool zeroSizeListing)
{
    if (zeroSizeListing)
        return;
    rebuildGroupRowCounts();
    removeRowsIf(
        [this](const ResultRow &r) { return r.group > 0 && m_groupRowCounts[static_cast<size_t>(r.group)] == 1; });
    rebandRows();
}

void ResultModel::setMarked(int r, bool marked)
{
    ResultRow &row = m_rows[static_cast<size_t>(r)];
    marked = marked && !row.reference;
    if (row.marked == marked)
        return;
    row.marked = marked;
    Q_EMIT dataChanged(index(r, 0), index(r, 0), {MarkedRole});
}

void ResultModel::setMarks(const std::function<bool(int, const ResultRow &)> &fn)
{
    if (m_rows.empty())
        return;
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].marked = fn(static_cast<int>(i), m_rows[i]) && !m_rows[i].reference;
    Q_EMIT dataChanged(index(0, 0), index(size() - 1, 0), {MarkedRole});
}

namespace
{
// Flags (and unmarks) the rows of reference locations.
void flagReferenceRows(std::vector<ResultRow> &rows, const QStringList &referenceFolders,
                       const QStringList &otherFolders, const QSet<QString> &referenceByIdentity, bool folderRows)
{
    // The innermost location holding a folder decides: a searched folder inside a reference one
    // is searched.
    auto longestPrefix = [](const QString &path, const QStringList &folders) {
        qsizetype best = -1;
        for (const QString &f : folders)
        {
            if (path.startsWith(f))
                best = std::max(best, f.size());
        }
        return best;
    };
    // A row of a list of folders stands for its whole tree: it is a reference when its folder is
    // in a reference location, or holds one.
    const auto holdsReference = [&](const QString &folder) {
        return std::any_of(referenceFolders.begin(), referenceFolders.end(),
                           [&](const QString &r) { return r.startsWith(folder); });
    };
    QHash<QString, bool> seen;
    for (ResultRow &row : rows)
    {
        const QString place = folderRows ? row.fullPath() + u'/' : row.path;
        auto it = seen.constFind(place);
        if (it == seen.cend())
        {
            const qsizetype reference = longestPrefix(place, referenceFolders);
            it = seen.insert(place, referenceByIdentity.contains(row.path) ||
                                        (reference >= 0 && reference >= longestPrefix(place, otherFolders)) ||
                                        (folderRows && holdsReference(place)));
        }
        row.reference = *it;
        row.marked = row.marked && !row.reference;
    }
}

// The rows moved out of from, reference rows first in each run of one group; a run of reference
// rows only leaves.
std::vector<ResultRow> referencesFirst(std::vector<ResultRow> &from)
{
    std::vector<ResultRow> rows;
    rows.reserve(from.size());
    for (size_t first = 0; first < from.size();)
    {
        size_t end = first + 1;
        while (end < from.size() && from[end].group == from[first].group && from[first].group != 0)
            ++end;
        const auto begin = from.begin() + static_cast<std::ptrdiff_t>(first);
        const auto stop = from.begin() + static_cast<std::ptrdiff_t>(end);
        const bool onlyReferences = std::all_of(begin, stop, [](const ResultRow &r) { return r.reference; });
        if (!onlyReferences || from[first].group == 0)
        {
            std::stable_partition(begin, stop, [](const ResultRow &r) { return r.reference; });
            std::move(begin, stop, std::back_inserter(rows));
        }
        first = end;
    }
    return rows;
}

// Numbers the groups from 1 in their order and returns how many there are; a saved sort key
// that is not the group's own number stays.
qint32 renumberGroups(std::vector<ResultRow> &rows)
{
    qint32 previous = 0;
    qint32 number = 0;
    for (ResultRow &row : rows)
    {
        if (row.group == 0)
            continue;
        if (row.group != previous)
        {
            previous = row.group;
            ++number;
        }
        if (row.sortGroup == row.group)
            row.sortGroup = number;
        row.group = number;
    }
    return number;
}
} // namespace

void ResultModel::applyReferences(const QStringList &referenceFolders, const QStringList &otherFolders,
                                  const QSet<QString> &referenceByIdentity)
{
    if ((referenceFolders.isEmpty() && referenceByIdentity.isEmpty()) || m_rows.empty())
        return;
    flagReferenceRows(m_rows, referenceFolders, otherFolders, referenceByIdentity, isFolderList());
    std::vector<ResultRow> rows = referencesFirst(m_rows);
    // Numbered again from 1 when groups left, as a fresh list is.
    if (rows.size() != m_rows.size())
        m_groupTotal = renumberGroups(rows);
    setRows(std::move(rows));
    rebuildGroupRowCounts();
    if (m_banded)
        rebandRows();
}

qint64 ResultModel::markedCount() const
{
    return std::count_if(m_rows.begin(), m_rows.end(), [](const ResultRow &r) { return r.marked; });
}

qint64 ResultModel::markedTotal() const
{
    qint64 total = 0;
    for (const ResultRow &r : m_rows)
    {
        if (r.marked)
            total += r.size;
    }
    return total;
}

QString ResultModel::summaryText(qint64 count, double total)
{
    return tr("Total Files Marked %1 Size %2").arg(LocaleText::number(count), ShownSize::text(total));
}

int ResultModel::removeRowsIf(const std::function<bool(const ResultRow &)> &pred)
{
    // Contiguous runs of removed rows, first to last.
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < size(); ++i)
    {
        if (!pred(m_rows[static_cast<size_t>(i)]))
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.push_back({i, i});
    }
    if (runs.empty())
        return 0;
    const bool bands = m_bands.size() == m_rows.size();
    int removed = 0;
    if (runs.size() <= 8)
    {
        // Few runs: remove them as ranges, last first, so that views keep their place.
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        {
            beginRemoveRows({}, it->first, it->second);
            m_rows.erase(m_rows.begin() + it->first, m_rows.begin() + it->second + 1);
            if (bands)
                m_bands.erase(m_bands.begin() + it->first, m_bands.begin() + it->second + 1);
            endRemoveRows();
            removed += it->second - it->first + 1;
        }
        return removed;
    }
    // Many runs: one pass and one reset, instead of one block move per run.
    beginResetModel();
    size_t out = 0;
    size_t run = 0;
    for (size_t i = 0; i < m_rows.size(); ++i)
    {
        while (run < runs.size() && static_cast<size_t>(runs[run].second) < i)
            ++run;
        const bool gone = run < runs.size() && static_cast<size_t>(runs[run].first) <= i;
        if (gone)
        {
            ++removed;
            continue;
        }
        if (out != i)
        {
            m_rows[out] = std::move(m_rows[i]);
            if (bands)
                m_bands[out] = m_bands[i];
        }
        ++out;
    }
    m_rows.resize(out);
    if (bands)
        m_bands.resize(out);
    endResetModel();
    return removed;
}

void ResultModel::sortByColumn(int column, bool ascending)
{
    if (m_rows.empty())
        return;
    const std::vector<int> order = stableOrder(sortKeys(column), ascending);
    reorderRows(order);
}

std::vector<qint64> ResultModel::sortKeys(int column) const
{
    switch (column)
    {
    case ResultRow::ColSize:
        return numberKeys(m_rows, [](const ResultRow &r) { return r.size; });
    case ResultRow::ColGroup:
        return numberKeys(m_rows, [](const ResultRow &r) { return static_cast<qint64>(r.group); });
    case ResultRow::ColModified:
        return numberKeys(m_rows, [](const ResultRow &r) { return r.stamp; });
    case ResultRow::ColVersion:
        // A picture's dimensions sort by its pixels: "800 x 600" comes before "4032 x 3024".
        if (PictureRows::isPictureList(*this))
            return numberKeys(m_rows, [](const ResultRow &r) { return PictureRows::pixels(r.version()); });
        return textRanks(m_rows, column);
    case ResultRow::ColSortSize:
        return anyKeptText(m_rows, &ResultRowTexts::sortSize)
                   ? textRanks(m_rows, column)
                   : numberKeys(m_rows, [](const ResultRow &r) { return r.size; });
    case ResultRow::ColSortDate:
        return anyKeptText(m_rows, &ResultRowTexts::sortDate)
                   ? textRanks(m_rows, column)
                   : numberKeys(m_rows, [](const ResultRow &r) { return r.stamp; });
    case ResultRow::ColSortGrpno:
        return anyKeptText(m_rows, &ResultRowTexts::sortGrpno)
                   ? textRanks(m_rows, column)
                   : numberKeys(m_rows, [](const ResultRow &r) { return static_cast<qint64>(r.sortGroup); });
    default:
        return textRanks(m_rows, column);
    }
}

void ResultModel::reorderRows(const std::vector<int> &order)
{
    const auto n = static_cast<int>(order.size());
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    permuteRows(order);
    std::vector<int> newPosition(order.size());
    for (int i = 0; i < n; ++i)
        newPosition[static_cast<size_t>(order[static_cast<size_t>(i)])] = i;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &idx : before)
        after.append(index(newPosition[static_cast<size_t>(idx.row())], idx.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ResultModel::permuteRows(const std::vector<int> &order)
{
    // The rows move in place, cycle by cycle: a second table of a million rows would cost as much
    // in fresh memory as the sort itself.
    const bool keepBands = m_bands.size() == m_rows.size();
    std::vector<char> placed(order.size(), 0);
    for (size_t start = 0; start < order.size(); ++start)
    {
        if (placed[start])
            continue;
        ResultRow row = std::move(m_rows[start]);
        const qint32 band = keepBands ? m_bands[start] : 0;
        size_t at = start;
        for (;;)
        {
            placed[at] = 1;
            const auto from = static_cast<size_t>(order[at]);
            if (from == start)
                break;
            m_rows[at] = std::move(m_rows[from]);
            if (keepBands)
                m_bands[at] = m_bands[from];
            at = from;
        }
        m_rows[at] = std::move(row);
        if (keepBands)
            m_bands[at] = band;
    }
}

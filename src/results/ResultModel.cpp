#include "results/ResultModel.h"

#include "core/CHive.h"
#include "core/TextCompare.h"
#include "core/TextFormat.h"
#include "core/VbNumeric.h"
#include "platform/FileFunctions.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace
{
const char *const kHeaders[ResultRow::ColumnCount] = {"File Name", "Size(Bytes)", "Last Modified.", "File Version",
                                                      "Group",     "Path",        "sortSize",       "sortDate",
                                                      "sortGrpno", "Ext"};

// A row from one entry of the result collection.
ResultRow rowFromEntry(CHive &hive, qint32 i, qint32 group)
{
    ResultRow row;
    row.name = hive.at(i, 1).toString();
    row.path = hive.at(i, 2).toString();
    row.version = hive.at(i, 3).toString();
    row.size = static_cast<qint64>(std::fabs(VbNumeric::Val(hive.at(i, 0).toString())));
    row.group = group;
    row.sortGroup = group;
    const QString date = hive.at(i, 5).toString();
    const auto stamp = TextFormat::packedStamp(date);
    row.stamp = stamp.value_or(0);
    if (!stamp || TextFormat::dateTextFromStamp(*stamp) != date)
    {
        auto texts = std::make_shared<ResultRowTexts>();
        texts->modified = date;
        row.texts = std::move(texts);
    }
    return row;
}

// A distinct text of a column being sorted. Texts made of ASCII only compare as their lower-case
// forms by code unit (the same answer as the comparison without regard to case, but without
// folding at every comparison); the first four folded units decide most comparisons at once.
struct TextKey
{
    quint64 prefix = 0;
    bool ascii = true;
    QString text;
    QString folded;
    qint32 id = 0;
};

TextKey textKey(QString text, qint32 id)
{
    TextKey key;
    key.id = id;
    const qsizetype n = std::min<qsizetype>(4, text.size());
    for (qsizetype i = 0; i < 4; ++i)
    {
        char16_t c = i < n ? text[i].unicode() : 0;
        if (c >= u'A' && c <= u'Z')
            c += 32;
        key.prefix = (key.prefix << 16) | c;
    }
    key.ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (key.ascii)
        key.folded = text.toLower();
    key.text = std::move(text);
    return key;
}

int compareTextKeys(const TextKey &a, const TextKey &b)
{
    if (a.ascii && b.ascii)
    {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        const int c = QStringView(a.folded).compare(QStringView(b.folded), Qt::CaseSensitive);
        return (c > 0) - (c < 0);
    }
    return TextCompare::compareNoCase(a.text, b.text);
}

// The sort key of every row for a text column: the rank of its text among the column's distinct
// texts, equal texts (without regard to case) sharing a rank. Many rows share few texts (folders,
// extensions), so each distinct text is compared only with the others.
std::vector<qint64> textRanks(const std::vector<ResultRow> &rows, int column)
{
    std::vector<qint64> keys(rows.size());
    QHash<QString, qint32> ids;
    std::vector<TextKey> distinct;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        QString text = rows[i].column(column);
        auto it = ids.constFind(text);
        if (it == ids.cend())
        {
            const auto id = static_cast<qint32>(distinct.size());
            it = ids.insert(text, id);
            distinct.push_back(textKey(std::move(text), id));
        }
        keys[i] = *it;
    }
    std::sort(distinct.begin(), distinct.end(),
              [](const TextKey &a, const TextKey &b) { return compareTextKeys(a, b) < 0; });
    std::vector<qint64> rank(distinct.size());
    qint64 r = 0;
    for (size_t k = 0; k < distinct.size(); ++k)
    {
        if (k > 0 && compareTextKeys(distinct[k - 1], distinct[k]) != 0)
            ++r;
        rank[static_cast<size_t>(distinct[k].id)] = r;
    }
    for (qint64 &key : keys)
        key = rank[static_cast<size_t>(key)];
    return keys;
}
} // namespace

ResultModel::ResultModel(QObject *parent) : QAbstractTableModel(parent) {}

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
    return column >= 0 && column < ResultRow::ColumnCount ? QString::fromLatin1(kHeaders[column]) : QString();
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
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
        return BandingOn && !BandingSuspended && i < RowBand.size() && RowBand[i] % 2 == 0;
    }
    case FullPathRole:
        return r.fullPath();
    default:
        return {};
    }
}

void ResultModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    GroupRowCount.assign(1, 0);
    GroupTotal = 0;
    RowBand.clear();
    BandingSuspended = false;
    BandingOn = false;
    m_folders.clear();
    endResetModel();
}

void ResultModel::setRows(std::vector<ResultRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
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
    m_rows[static_cast<size_t>(r)].name = name;
    Q_EMIT dataChanged(index(r, 0), index(r, ResultRow::ColumnCount - 1));
}

void ResultModel::LoadResultList(CHive &resultHive, const ResultLoadHooks &hooks)
{
    const auto exists = hooks.fileExists ? hooks.fileExists : FileFunctions::FileExists;
    GroupRowCount.assign(1, 0);
    const qint32 n = resultHive.Count();
    if (hooks.status)
        hooks.status(QStringLiteral("Loading Searched Result..."));
    BandingSuspended = false;

    // Groups are told apart by changes of the shade between consecutive entries; a group whose
    // every file vanished still separates its neighbours, so two groups never merge into one.
    qint32 g = 0;
    qint64 lastShade = 0;
    qint64 entryGroup = 0;
    qint64 lastRowGroup = -1;
    QHash<QString, bool> folderSet;
    std::vector<ResultRow> added;
    added.reserve(static_cast<size_t>(n));
    std::vector<qint32> bands;
    bands.reserve(static_cast<size_t>(n));
    for (qint32 i = 1; i <= n; ++i)
    {
        if (hooks.yield)
            hooks.yield();
        const qint64 shade = resultHive.at(i, 4).toLongLong();
        if (shade != lastShade)
        {
            lastShade = shade;
            ++entryGroup;
        }
        const QString folder = resultHive.at(i, 2).toString();
        if (!exists(folder + resultHive.at(i, 1).toString()))
            continue;
        if (entryGroup != lastRowGroup)
        {
            lastRowGroup = entryGroup;
            ++g;
            GroupRowCount.push_back(0);
        }
        added.push_back(rowFromEntry(resultHive, i, g));
        ++GroupRowCount[static_cast<size_t>(g)];
        if (!folderSet.contains(folder))
        {
            folderSet.insert(folder, true);
            m_folders.append(folder);
        }
        bands.push_back(g);
        if (i % 500 == 0 && hooks.status)
            hooks.status(QStringLiteral("Loading Searched Result...(%1/%2)").arg(i).arg(n));
    }
    GroupTotal = g;

    if (!added.empty())
    {
        RowBand.resize(m_rows.size());
        RowBand.insert(RowBand.end(), bands.begin(), bands.end());
        if (m_rows.empty())
        {
            setRows(std::move(added));
        }
        else
        {
            beginInsertRows({}, size(), size() + static_cast<int>(added.size()) - 1);
            std::move(added.begin(), added.end(), std::back_inserter(m_rows));
            endInsertRows();
        }
    }
    BandingOn = !m_rows.empty();
}

void ResultModel::RebandRows()
{
    if (m_rows.empty())
        return;
    BandingSuspended = false;
    RowBand.assign(m_rows.size(), 0);
    qint32 b = 0;
    qint32 p = 0;
    for (size_t i = 0; i < m_rows.size(); ++i)
    {
        if (m_rows[i].group != p)
        {
            p = m_rows[i].group;
            ++b;
        }
        RowBand[i] = b;
    }
    BandingOn = true;
    Q_EMIT dataChanged(index(0, 0), index(size() - 1, ResultRow::ColumnCount - 1), {ShadedRole});
}

void ResultModel::rebuildGroupRowCount()
{
    GroupRowCount.assign(1, 0);
    for (const ResultRow &r : m_rows)
    {
        const auto g = static_cast<size_t>(std::max(0, r.group));
        if (g >= GroupRowCount.size())
            GroupRowCount.resize(g + 1, 0);
        ++GroupRowCount[g];
    }
}

void ResultModel::DropSingleRowGroups(bool zeroSizeListing)
{
    if (zeroSizeListing)
        return;
    rebuildGroupRowCount();
    removeRowsIf(
        [this](const ResultRow &r) { return r.group > 0 && GroupRowCount[static_cast<size_t>(r.group)] == 1; });
    RebandRows();
}

void ResultModel::setMarked(int r, bool marked)
{
    ResultRow &row = m_rows[static_cast<size_t>(r)];
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
        m_rows[i].marked = fn(static_cast<int>(i), m_rows[i]);
    Q_EMIT dataChanged(index(0, 0), index(size() - 1, 0), {MarkedRole});
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
    return QStringLiteral("Total Files Marked ") + QString::number(count) + QStringLiteral(" Size ") +
           TextFormat::SizeText(total);
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
    const bool bands = RowBand.size() == m_rows.size();
    int removed = 0;
    if (runs.size() <= 8)
    {
        // Few runs: remove them as ranges, last first, so that views keep their place.
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        {
            beginRemoveRows({}, it->first, it->second);
            m_rows.erase(m_rows.begin() + it->first, m_rows.begin() + it->second + 1);
            if (bands)
                RowBand.erase(RowBand.begin() + it->first, RowBand.begin() + it->second + 1);
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
                RowBand[out] = RowBand[i];
        }
        ++out;
    }
    m_rows.resize(out);
    if (bands)
        RowBand.resize(out);
    endResetModel();
    return removed;
}

void ResultModel::sortByColumn(int column, bool ascending)
{
    const int n = size();
    if (n == 0)
        return;

    auto hasText = [this](std::optional<QString> ResultRowTexts::*slot) {
        return std::any_of(m_rows.begin(), m_rows.end(),
                           [slot](const ResultRow &r) { return r.texts && (*r.texts.*slot); });
    };
    auto numbers = [this](auto get) {
        std::vector<qint64> keys;
        keys.reserve(m_rows.size());
        for (const ResultRow &r : m_rows)
            keys.push_back(get(r));
        return keys;
    };
    std::vector<qint64> keys;
    switch (column)
    {
    case ResultRow::ColSize:
        keys = numbers([](const ResultRow &r) { return r.size; });
        break;
    case ResultRow::ColGroup:
        keys = numbers([](const ResultRow &r) { return static_cast<qint64>(r.group); });
        break;
    case ResultRow::ColModified:
        keys = numbers([](const ResultRow &r) { return r.stamp; });
        break;
    case ResultRow::ColSortSize:
        keys = hasText(&ResultRowTexts::sortSize) ? textRanks(m_rows, column)
                                                  : numbers([](const ResultRow &r) { return r.size; });
        break;
    case ResultRow::ColSortDate:
        keys = hasText(&ResultRowTexts::sortDate) ? textRanks(m_rows, column)
                                                  : numbers([](const ResultRow &r) { return r.stamp; });
        break;
    case ResultRow::ColSortGrpno:
        keys = hasText(&ResultRowTexts::sortGrpno)
                   ? textRanks(m_rows, column)
                   : numbers([](const ResultRow &r) { return static_cast<qint64>(r.sortGroup); });
        break;
    default:
        keys = textRanks(m_rows, column);
        break;
    }

    // Key and position side by side, so that the sort reads memory in order.
    std::vector<std::pair<qint64, int>> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        order[static_cast<size_t>(i)] = {keys[static_cast<size_t>(i)], i};
    if (ascending)
        std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    else
        std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first > b.first; });

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(static_cast<size_t>(n));
    std::vector<ResultRow> sorted;
    sorted.reserve(static_cast<size_t>(n));
    std::vector<qint32> bands;
    const bool keepBands = RowBand.size() == m_rows.size();
    for (int i = 0; i < n; ++i)
    {
        const auto from = static_cast<size_t>(order[static_cast<size_t>(i)].second);
        newPosition[from] = i;
        sorted.push_back(std::move(m_rows[from]));
        if (keepBands)
            bands.push_back(RowBand[from]);
    }
    m_rows = std::move(sorted);
    if (keepBands)
        RowBand = std::move(bands);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &idx : before)
        after.append(index(newPosition[static_cast<size_t>(idx.row())], idx.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

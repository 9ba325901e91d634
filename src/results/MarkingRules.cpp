// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/MarkingRules.h"

#include "core/TextCompare.h"
#include "core/VbNumeric.h"
#include "results/PictureRows.h"
#include "results/ResultModel.h"

#include <algorithm>
#include <cmath>

namespace
{
bool validRow(const ResultModel &model, int row)
{
    return row >= 0 && row < model.size();
}

// Column 4 as text: rows without a group all read "N/A".
bool sameGroupText(qint32 a, qint32 b)
{
    return a == b || (a <= 0 && b <= 0);
}

MarkTally marksFrom(ResultModel &model, const std::vector<char> &marks)
{
    model.setMarks([&marks](int i, const ResultRow &) { return marks[static_cast<size_t>(i)] != 0; });
    return MarkingRules::recount(model);
}

std::vector<char> currentMarks(const ResultModel &model)
{
    std::vector<char> marks;
    marks.reserve(model.rows().size());
    for (const ResultRow &r : model.rows())
        marks.push_back(r.marked ? 1 : 0);
    return marks;
}
} // namespace

QString MarkTally::summary() const
{
    return ResultModel::summaryText(count, total);
}

namespace MarkingRules
{
MarkTally recount(const ResultModel &model)
{
    return {model.markedCount(), static_cast<double>(model.markedTotal())};
}

MarkTally markNone(ResultModel &model)
{
    model.setMarks([](int, const ResultRow &) { return false; });
    return recount(model);
}

MarkTally markAll(ResultModel &model)
{
    model.setMarks([](int, const ResultRow &) { return true; });
    return recount(model);
}

MarkTally markRows(ResultModel &model, const std::vector<int> &rows, bool marked)
{
    std::vector<char> marks = currentMarks(model);
    for (int r : rows)
    {
        if (validRow(model, r))
            marks[static_cast<size_t>(r)] = marked ? 1 : 0;
    }
    return marksFrom(model, marks);
}

std::optional<MarkTally> markFolder(ResultModel &model, int focusedRow)
{
    if (!validRow(model, focusedRow))
        return std::nullopt;
    const QString folder = model.row(focusedRow).path;
    model.setMarks([&folder](int, const ResultRow &r) { return r.marked || r.path == folder; });
    return recount(model);
}

std::optional<MarkTally> markFolderAndSubFolders(ResultModel &model, int focusedRow)
{
    if (!validRow(model, focusedRow))
        return std::nullopt;
    return markFolderTree(model, model.row(focusedRow).path);
}

MarkTally markFolderTree(ResultModel &model, const QString &folder)
{
    model.setMarks([&folder](int, const ResultRow &r) { return r.marked || r.path.startsWith(folder); });
    return recount(model);
}

std::optional<MarkTally> toggle(ResultModel &model, int row)
{
    if (!validRow(model, row))
        return std::nullopt;
    model.setMarked(row, !model.isMarked(row));
    return recount(model);
}

QString formatTwelveDigits(const QString &text)
{
    const auto number = VbNumeric::toNumber(text);
    if (!number)
        return text;
    const double whole = VbNumeric::roundHalfAway(*number);
    const QString digits = QString::number(std::fabs(whole), 'f', 0).rightJustified(12, u'0');
    return whole < 0 ? u'-' + digits : digits;
}

QString duplicateKey(const ResultRow &row, qint64 position)
{
    // Stamps of the program's own dates need no parsing: the number is the stamp.
    QString key;
    if (const std::optional<QString> saved = row.texts() ? row.texts()->sortDate : std::nullopt)
        key = formatTwelveDigits(*saved);
    else if (row.stamp > 0)
        key = QString::number(row.stamp).rightJustified(12, u'0');
    key += u'?';
    key += QString::number(position);
    return key;
}

MarkOutcome markAllDuplicates(ResultModel &model)
{
    model.sortByColumn(ResultRow::ColSortGrpno, true);
    return {markAllDuplicatesAsListed(model), ListSort{ResultRow::ColGroup, true}};
}

MarkTally markAllDuplicatesAsListed(ResultModel &model)
{
    const std::vector<ResultRow> &rows = model.rows();
    std::vector<char> marks(rows.size(), 1);
    MarkTally tally;

    // The first key of a group sorted descending is its greatest key; keys are unique (they end
    // with the position), so one pass finds it without keeping the group's keys. A group with a
    // file of a reference location keeps that file, and every other file is marked.
    // A list of similar pictures keeps each group's largest picture, the one the search put first:
    // the others are its smaller or edited copies, whatever their dates.
    const bool pictures = PictureRows::isPictureList(model);
    QString best;
    qsizetype bestRow = -1;
    bool hasReference = false;
    auto closeGroup = [&] {
        if (bestRow >= 0 && !hasReference)
        {
            marks[static_cast<size_t>(bestRow)] = 0;
            tally.count -= 1;
            tally.total -= static_cast<double>(rows[static_cast<size_t>(bestRow)].size);
        }
        bestRow = -1;
        hasReference = false;
    };
    qint32 p = 0;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        const ResultRow &row = rows[i];
        if (row.group != p)
        {
            closeGroup();
            p = row.group;
        }
        if (row.reference)
        {
            marks[i] = 0;
            hasReference = true;
            continue;
        }
        tally.count += 1;
        tally.total += static_cast<double>(row.size);
        if (pictures)
        {
            if (bestRow < 0 || PictureRows::largerPicture(row, rows[static_cast<size_t>(bestRow)]))
                bestRow = static_cast<qsizetype>(i);
            continue;
        }
        QString key = duplicateKey(row, static_cast<qint64>(i) + 1);
        if (bestRow < 0 || TextCompare::compareNoCase(key, best) > 0)
        {
            best = std::move(key);
            bestRow = static_cast<qsizetype>(i);
        }
    }
    closeGroup();
    model.setMarks([&marks](int i, const ResultRow &) { return marks[static_cast<size_t>(i)] != 0; });
    return tally;
}

MarkOutcome markAllDuplicatesUpTo(ResultModel &model, double limitKb, bool largeFilesFirst)
{
    model.sortByColumn(ResultRow::ColSortGrpno, true);
    const std::vector<ResultRow> &rows = model.rows();

    // Every row but the first of its group may be marked (in a list of similar pictures its largest
    // picture, which a sort may have moved); in a group with files of a reference location, those
    // are kept and every other row may be.
    const bool pictures = PictureRows::isPictureList(model);
    std::vector<size_t> candidates;
    for (size_t first = 0; first < rows.size();)
    {
        size_t end = first + 1;
        while (end < rows.size() && sameGroupText(rows[end].group, rows[end - 1].group))
            ++end;
        const bool hasReference = std::any_of(rows.begin() + static_cast<std::ptrdiff_t>(first),
                                              rows.begin() + static_cast<std::ptrdiff_t>(end),
                                              [](const ResultRow &r) { return r.reference; });
        size_t kept = first;
        for (size_t i = first + 1; pictures && i < end; ++i)
        {
            if (PictureRows::largerPicture(rows[i], rows[kept]))
                kept = i;
        }
        for (size_t i = first; i < end; ++i)
        {
            if (!rows[i].reference && (hasReference || i != kept))
                candidates.push_back(i);
        }
        first = end;
    }
    if (largeFilesFirst)
    {
        std::stable_sort(candidates.begin(), candidates.end(),
                         [&rows](size_t a, size_t b) { return rows[a].size > rows[b].size; });
    }

    std::vector<char> marks(rows.size(), 0);
    MarkTally tally;
    for (size_t i : candidates)
    {
        const auto s = static_cast<double>(rows[i].size);
        if (std::fabs((tally.total + s) / 1024) > limitKb)
            break;
        marks[i] = 1;
        tally.count += 1;
        tally.total += s;
    }
    model.setMarks([&marks](int i, const ResultRow &) { return marks[static_cast<size_t>(i)] != 0; });
    model.rebandRows();
    return {tally, ListSort{ResultRow::ColGroup, true}};
}
} // namespace MarkingRules

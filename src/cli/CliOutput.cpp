#include "cli/CliOutput.h"

#include "cli/CliText.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"

#include <QIODevice>

#include <algorithm>

namespace
{
// Collects output and hands it to the device in large pieces.
class Writer
{
public:
    explicit Writer(QIODevice &out) : m_out(out) {}
    ~Writer() { flush(); }
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    void add(const QByteArray &bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() >= (1 << 20))
            flush();
    }
    void add(char c) { m_buffer += c; }
    void flush()
    {
        m_out.write(m_buffer);
        m_buffer.clear();
    }

private:
    QIODevice &m_out;
    QByteArray m_buffer;
};

QByteArray pathBytes(const ResultRow &row)
{
    return CliText::escaped(row.fullPath());
}

// The rows [first, last) of one group number as aligned lines; with showMarks a marked row's
// line starts with "*".
void writeGroupText(const ResultModel &model, int first, int last, bool showMarks, Writer &w)
{
    qsizetype sizeWidth = 0;
    qsizetype dateWidth = 0;
    qsizetype versionWidth = 0;
    for (int r = first; r < last; ++r)
    {
        const ResultRow &row = model.row(r);
        sizeWidth = std::max(sizeWidth, row.column(ResultRow::ColSize).size());
        dateWidth = std::max(dateWidth, row.column(ResultRow::ColModified).size());
        versionWidth = std::max(versionWidth, row.version.size());
    }
    w.add(QByteArray("Group ") + model.row(first).column(ResultRow::ColGroup).toUtf8() + '\n');
    for (int r = first; r < last; ++r)
    {
        const ResultRow &row = model.row(r);
        w.add(QByteArray(showMarks && row.marked ? "* " : "  ") +
              row.column(ResultRow::ColSize).rightJustified(sizeWidth).toUtf8() + "  " +
              row.column(ResultRow::ColModified).leftJustified(dateWidth).toUtf8() + "  " +
              row.version.leftJustified(versionWidth).toUtf8() + "  " + pathBytes(row) + '\n');
    }
    w.add('\n');
}
} // namespace

namespace CliOutput
{
void writeText(const ResultModel &model, QIODevice &out, bool showMarks)
{
    Writer w(out);
    int first = 0;
    for (int r = 1; r <= model.size(); ++r)
    {
        if (r == model.size() || model.row(r).group != model.row(first).group)
        {
            writeGroupText(model, first, r, showMarks, w);
            first = r;
        }
    }
}

void writeGroups(const ResultModel &model, QIODevice &out)
{
    Writer w(out);
    for (int r = 0; r < model.size(); ++r)
    {
        const ResultRow &row = model.row(r);
        if (r > 0)
            w.add(row.group != 0 && row.group == model.row(r - 1).group ? '\t' : '\n');
        w.add(pathBytes(row));
    }
    if (model.size() > 0)
        w.add('\n');
}

QByteArray summary(const ScanSummary &s, bool verbose)
{
    QByteArray text = (s.activity + u'\n' + s.duplicates + u'\n' + s.files + u'\n' + s.folders + u'\n').toUtf8();
    for (const SkippedLocation &l : s.skipped)
    {
        const char *why = "it could not be read";
        if (l.reason == SkippedLocation::Reason::Missing)
            why = "no such folder";
        else if (l.reason == SkippedLocation::Reason::Protected)
            why = "a system folder; --no-protect searches it";
        text += "Not searched: " + CliText::escaped(l.folder) + " (" + why + ")\n";
    }
    if (s.unreadableFolders.isEmpty() && s.unreadableFiles.isEmpty())
        return text;
    auto counted = [](qsizetype n, const char *what) -> QByteArray {
        return QByteArray::number(n) + ' ' + what + (n == 1 ? "" : "s");
    };
    text += "Could not read: " + counted(s.unreadableFolders.size(), "folder") + ", " +
            counted(s.unreadableFiles.size(), "file") + (verbose ? "" : " (--verbose lists them)") + '\n';
    if (!verbose)
        return text;
    for (const QString &folder : s.unreadableFolders)
        text += "  folder " + CliText::escaped(folder) + '\n';
    for (const QString &file : s.unreadableFiles)
        text += "  file " + CliText::escaped(file) + '\n';
    return text;
}
} // namespace CliOutput

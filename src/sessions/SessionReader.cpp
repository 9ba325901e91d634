// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SessionReader.h"

#include "engine/PictureCache.h"
#include "engine/PictureSearch.h"
#include "engine/RecordSort.h"
#include "engine/ScanPipeline.h"
#include "engine/ScanRows.h"
#include "engine/SearchEngine.h"
#include "engine/StatusTexts.h"
#include "platform/FileErrors.h"
#include "platform/FileOpen.h"
#include "platform/FileStatus.h"
#include "platform/NativePath.h"
#include "results/DuplicateTotals.h"
#include "results/ResultModel.h"
#include "sessions/LineReader.h"
#include "sessions/SessionParser.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace
{
using Ending = SessionRead::Ending;

// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SessionReader)
};

// The procedures' names in error reports, the same in every language.
const QString OpeningLabel = QStringLiteral("File Opening");
const QString ParaOpeningLabel = QStringLiteral("ParaFile Opening");

// The session file opened and read line by line; failures to open or read it go to the report
// under the routine's label, and Retry repeats the failing open or read.
class SessionLines
{
public:
    enum class Next
    {
        Line,
        End,
        TooLong,
        Aborted,
    };

    SessionLines(ErrorReporter &errors, QString label) : m_errors(errors), m_label(std::move(label)) {}

    Ending open(const QString &path)
    {
        bool missing = false;
        const bool ran = runStep(m_errors, m_label, [&] {
            const FileOpen::Result opened = FileOpen::forReading(m_file, path);
            missing = opened.failure == FileOpen::Failure::NotFound;
            if (!opened.ok() && !missing)
                FileErrors::raiseOpenFailure(opened, false);
        });
        if (!ran)
            return Ending::Aborted;
        return missing ? Ending::Missing : Ending::ReadToEnd;
    }

    Next next(QString &line)
    {
        QByteArray raw;
        LineReader::Status status = LineReader::Status::End;
        const bool ran = runStep(m_errors, m_label, [&] {
            status = m_reader.next(raw);
            if (status == LineReader::Status::Error)
                FileErrors::raiseIoFailure(m_file.errorString());
        });
        if (!ran)
            return Next::Aborted;
        if (status == LineReader::Status::End)
            return Next::End;
        if (status == LineReader::Status::TooLong)
            return Next::TooLong;
        // A byte-order mark that an editor put before the header is not part of it.
        if (m_count++ == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        line = NativePath::decode(raw);
        return Next::Line;
    }

    bool lastLineCut() const { return m_reader.endsWithoutLineEnd(); }

private:
    ErrorReporter &m_errors;
    QString m_label;
    QFile m_file;
    LineReader m_reader{m_file, SessionFile::MaxLineBytes};
    qint64 m_count = 0;
};

// Reads the whole file through the parser. keepGoing is asked once per line.
Ending readWhole(const QString &path, const QString &label, ErrorReporter &errors, SessionFile::SessionParser &parser,
                 const std::function<bool()> &keepGoing)
{
    SessionLines lines(errors, label);
    const Ending opened = lines.open(path);
    if (opened != Ending::ReadToEnd)
        return opened;
    QString line;
    for (;;)
    {
        if (keepGoing && !keepGoing())
            return Ending::Aborted;
        switch (lines.next(line))
        {
        case SessionLines::Next::Line:
            if (!parser.take(line))
                return Ending::Damaged;
            break;
        case SessionLines::Next::End:
            return parser.finish(lines.lastLineCut()) ? Ending::ReadToEnd : Ending::Damaged;
        case SessionLines::Next::TooLong:
            parser.tooLong();
            return Ending::Damaged;
        case SessionLines::Next::Aborted:
            return Ending::Aborted;
        }
    }
}

void applyHeader(const SessionFile::SessionParser &parser, SessionState &state, const SessionFile::LoadHooks &hooks,
                 ResultModel &rows)
{
    if (hooks.newSession)
        hooks.newSession();
    state.resetToNew();
    rows.clear();
    const ScanOptions &o = parser.header().options;
    state.options.engine = o.engine;
    state.options.protect = o.protect;
    state.options.includeHidden = o.includeHidden;
    state.options.similarity = o.similarity;
    state.locations = parser.locations();
}

// A saved file that Re-Scan compares again.
struct SavedFile
{
    QString name;
    QString folder;
    bool marked = false;
};

// The whole-session reader of openCorvinaFile. Rows are gathered aside while the file is read
// and applied only when it has proved whole.
class FullLoad
{
public:
    FullLoad(bool reScan, SessionState &state, ResultModel &rows, ScanSink &sink, const SessionFile::LoadHooks &hooks)
        : m_reScan(reScan), m_state(state), m_rows(rows), m_sink(sink), m_hooks(hooks), m_ctx(sink),
          m_parser([this](const QStringList &fields) { takeRow(fields); })
    {}

    SessionLoadReport run(const QString &path)
    {
        const Ending ending =
            readWhole(path, OpeningLabel, m_sink.errors(), m_parser, [this] { return m_ctx.keepGoing(); });
        m_report.ending = ending;
        m_report.damage = m_parser.damage();
        m_report.resultLines = m_parser.resultLines();
        if (ending != Ending::ReadToEnd)
        {
            m_report.cancelSearch = true;
            return m_report;
        }
        m_report.result = true;
        apply();
        return m_report;
    }

private:
    bool zeroSizeListing() const { return m_parser.header().options.engine == ScanOptions::ZeroSize; }
    bool folderListing() const { return m_parser.header().options.engine == ScanOptions::Folders; }
    // Neither the empty files nor whole folders are compared again: the first have nothing to
    // compare, the second are listed from the search that found them.
    bool rescanning() const { return m_reScan && !zeroSizeListing() && !folderListing(); }

    void takeRow(const QStringList &f)
    {
        const qint32 n = m_parser.resultLines();
        if (n == 1)
            m_hooks.progress.maximum(std::max(m_parser.header().rowCount, 1));
        if (rescanning())
        {
            m_saved.push_back({f[0], f[5], f.size() > 9});
            m_hooks.progress.value(n);
            return;
        }
        // The zero-size listing's rows are in no group, as the scan listed them ("N/A" in the file),
        // and so are the folders with nothing unique of a list of folders.
        const bool noGroup = zeroSizeListing() || (folderListing() && f[4] == u"N/A");
        if (!noGroup && (n == 1 || f[4] != m_lastGroup))
            ++m_group;
        m_lastGroup = f[4];
        m_loaded.push_back(
            ResultRow::fromColumns(f[0], f[1], f[2], f[3], noGroup ? 0 : m_group, f[5], f[6], f[7], f[8]));
        m_loaded.back().marked = f.size() > 9;
        if (!m_folderKeys.contains(f[5]))
        {
            m_folderKeys.insert(f[5]);
            m_folders.append(f[5]);
        }
        if (n % 500 == 0)
            m_sink.status(Tr::tr("Loading Searched Result...(%1)").arg(n));
        m_hooks.progress.value(n);
    }

    void apply()
    {
        const SessionFile::SessionHeader &h = m_parser.header();
        applyHeader(m_parser, m_state, m_hooks, m_rows);
        m_state.options.fuzzy = h.options.fuzzy;
        m_state.duplicateCount = h.duplicateCount;
        m_state.duplicateSize = h.duplicateSize;
        m_report.totalFiles = h.totalFiles;
        m_report.totalFolders = h.totalFolders;
        const bool zeroSize = h.options.engine == ScanOptions::ZeroSize;
        m_report.zeroSizeMenus = zeroSize;

        m_rows.setFolders(m_folders);
        if (!rescanning())
            listLoadedRows();
        else if (m_report.resultLines > 0)
        {
            // The saved counts were those of the saved rows; now only what is confirmed counts.
            m_state.duplicateCount = 0;
            m_state.duplicateSize = 0;
            if (m_report.resultLines > 1)
                compareAgain();
        }
        // A session is no proof: each row is looked at now, below the session's own locations.
        const int listed = m_rows.size();
        anchorResults(m_rows, m_state.locations, m_state.options, true, [this] { m_sink.keepGoing(); });
        // Counted again from the rows when they were compared again, or when groups of reference
        // files alone left the list; otherwise the session's own totals stand.
        if (m_report.rescanned || m_rows.size() != listed)
        {
            const DuplicateTotals totals = duplicateTotals(m_rows);
            m_state.duplicateCount = totals.count;
            m_state.duplicateSize = totals.size;
        }

        m_report.cancelSearch = m_ctx.cancelSearch;
        SessionStatusTexts &s = m_report.status;
        s = SessionStatusTexts::newSession();
        m_state.filesPanel.clear();
        m_state.foldersPanel.clear();
        if (m_report.resultLines > 1)
        {
            s.panel1 = StatusTexts::activity(m_report.cancelSearch);
            s.panel3 = StatusTexts::files(m_report.totalFiles);
            s.panel4 = StatusTexts::folders(m_report.totalFolders);
            s.panel2 = StatusTexts::duplicates(m_state.duplicateCount, m_state.duplicateSize);
            s.panel5.clear();
            s.panel2Visible = !zeroSize;
            s.panel3Visible = true;
            s.panel4Visible = true;
            m_state.filesPanel = s.panel3;
            m_state.foldersPanel = s.panel4;
        }
    }

    // The saved files as the disk holds them now, each file once, added to the scan's records.
    void addFilesAsTheyAreNow()
    {
        QSet<DirectoryListing::FileId> seen;
        for (const SavedFile &saved : m_saved)
        {
            if (!m_ctx.keepGoing())
                break;
            const FileStatus now = statFile(saved.folder + saved.name);
            // A file that is gone, or no longer a regular file, has nothing left to compare.
            if (!now.exists)
                continue;
            const DirectoryListing::FileId id{now.device, now.inode};
            if (seen.contains(id))
                continue;
            seen.insert(id);
            m_ctx.files.append(FileRecord{now.size, saved.name, saved.folder, now.mtime, id});
        }
    }

    void compareAgain()
    {
        m_ctx.options = m_state.options;
        m_ctx.totalFiles = m_report.totalFiles;
        m_ctx.totalFolders = m_report.totalFolders;
        addFilesAsTheyAreNow();
        if (m_state.options.engine == ScanOptions::Pictures)
        {
            // The saved files only, no walk: the cache is read and added to, never pruned here.
            PictureCache cache;
            std::vector<ResultRow> rows = PictureSearch::find(
                m_ctx.files, m_state.options.similarity, [this] { return m_ctx.keepGoing(); }, {},
                cache.usable() ? &cache : nullptr);
            m_rows.setGroupedRows(std::move(rows));
        }
        else
        {
            // In the order a scan sorts its records: the comparison looks for equal sizes among
            // neighbours only, so rows saved in any other order (after a sort by name, say) must be
            // put in size order first.
            m_ctx.sortedFiles =
                RecordSort::sortedAside(m_ctx.files, RecordOrder::SizeFirst, [this] { m_ctx.keepGoing(); });
            SearchEngine::findSameSize(m_ctx);
            ResultLoadHooks load;
            load.yield = [this] { m_ctx.keepGoing(); };
            load.status = [this](const QString &text) { m_sink.status(text); };
            std::vector<ResultRow> rows = ScanRows::take(m_ctx.files, m_ctx.results, [this] { m_ctx.keepGoing(); });
            m_rows.loadResultList(std::move(rows), load);
        }
        // The files compared again keep the marks they were saved with.
        QSet<QString> marked;
        for (const SavedFile &saved : m_saved)
        {
            if (saved.marked)
                marked.insert(saved.folder + saved.name);
        }
        if (!marked.isEmpty())
            m_rows.setMarks([&marked](int, const ResultRow &row) { return marked.contains(row.fullPath()); });
        m_report.totalFiles = m_ctx.totalFiles;
        m_state.duplicateCount = m_ctx.duplicateCount;
        m_state.duplicateSize = m_ctx.duplicateSize;
        m_report.rescanned = true;
    }

    void listLoadedRows()
    {
        if (zeroSizeListing())
            m_rows.setRows(std::move(m_loaded));
        else
            m_rows.setGroupedRows(std::move(m_loaded));
    }

    bool m_reScan;
    SessionState &m_state;
    ResultModel &m_rows;
    ScanSink &m_sink;
    const SessionFile::LoadHooks &m_hooks;
    ScanContext m_ctx;
    SessionFile::SessionParser m_parser;
    SessionLoadReport m_report;

    qint32 m_group = 0;
    QString m_lastGroup;
    std::vector<ResultRow> m_loaded;
    QSet<QString> m_folderKeys;
    QStringList m_folders;
    std::vector<SavedFile> m_saved;
};
} // namespace

namespace SessionFile
{
SessionLoadReport openCorvinaFile(const QString &fileName, bool reScan, bool reCheck, SessionState &state,
                                  ResultModel &rows, ScanSink &sink, const LoadHooks &hooks)
{
    Q_UNUSED(reCheck);
    return FullLoad(reScan, state, rows, sink, hooks).run(fileName);
}

SessionRead loadSessionParameters(const QString &path, SessionState &state, ResultModel &rows, ErrorReporter &errors,
                                  const LoadHooks &hooks)
{
    SessionParser parser;
    SessionRead read;
    read.ending = readWhole(path, ParaOpeningLabel, errors, parser, {});
    read.damage = parser.damage();
    if (read.whole())
        applyHeader(parser, state, hooks, rows);
    return read;
}

std::optional<MessagePrompt> cannotLoad(const QString &path, const SessionRead &read)
{
    const QString quotedPath = u'"' + path + u'"';
    switch (read.ending)
    {
    case Ending::Missing:
        return MessagePrompt{Tr::tr("File Not Found"), quotedPath, PromptButtons::Ok, PromptAnswer::Ok,
                             PromptIcon::Critical};
    case Ending::Damaged:
        return MessagePrompt{Tr::tr("Damaged Session File"), quotedPath + QStringLiteral("\r\n") + read.damage,
                             PromptButtons::Ok, PromptAnswer::Ok, PromptIcon::Critical};
    case Ending::ReadToEnd:
    case Ending::Aborted:
        break;
    }
    return std::nullopt;
}
} // namespace SessionFile

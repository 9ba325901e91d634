#include "sessions/SessionReader.h"

#include "core/TextFormat.h"
#include "core/VbNumeric.h"
#include "engine/ScanPipeline.h"
#include "engine/SearchEngine.h"
#include "platform/FileOpen.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"
#include "sessions/FileErrors.h"
#include "sessions/LineReader.h"
#include "sessions/SessionEscape.h"
#include "sessions/SessionNumbers.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <vector>

namespace
{
const QString OpeningLabel = QStringLiteral("File Opening");
const QString ParaOpeningLabel = QStringLiteral("ParaFile Opening");

enum class LineEnd
{
    Line,    // a line is ready
    End,     // the file was read to its end
    Failed,  // missing file, or a line no session holds: the load ends with false, no message
    Aborted, // the error report ended the load
};

// The fields of a line; an empty line has none (and so too few for any kind of line).
QStringList splitFields(const QString &line, QChar separator, bool escaped)
{
    if (line.isEmpty())
        return {};
    QStringList fields = line.split(separator);
    if (escaped)
    {
        for (QString &f : fields)
            f = SessionEscape::decode(f);
    }
    return fields;
}

// The session file opened and read line by line; unexpected failures go to the report under the
// routine's label, and Retry repeats the failing open or read.
class SessionLines
{
public:
    SessionLines(ErrorReporter &errors, QString label) : m_errors(errors), m_label(std::move(label)) {}

    LineEnd open(const QString &path)
    {
        bool missing = false;
        const bool ran = runStep(m_errors, m_label, [&] {
            const FileOpen::Result opened = FileOpen::forReading(m_file, path);
            missing = opened.failure == FileOpen::Failure::NotFound;
            if (!opened.ok() && !missing)
                FileErrors::raiseOpenFailure(opened, false);
        });
        if (!ran)
            return LineEnd::Aborted;
        return missing ? LineEnd::Failed : LineEnd::Line;
    }

    LineEnd next(QString &line)
    {
        QByteArray raw;
        LineReader::Status status = LineReader::Status::End;
        const bool ran = runStep(m_errors, m_label, [&] {
            status = m_reader.next(raw);
            if (status == LineReader::Status::Error)
                FileErrors::raiseIoFailure(m_file.errorString());
        });
        if (!ran)
            return LineEnd::Aborted;
        if (status == LineReader::Status::End)
            return LineEnd::End;
        if (status != LineReader::Status::Line)
            return LineEnd::Failed;
        // A byte-order mark that an editor put before the header is not part of it.
        if (m_count++ == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        line = NativePath::decode(raw);
        return LineEnd::Line;
    }

    /// Runs the handling of one line under the routine's label; Failed when the line has too few
    /// fields, Aborted when the report ended the load.
    LineEnd handle(const std::function<bool()> &step)
    {
        bool enough = true;
        if (!runStep(m_errors, m_label, [&] { enough = step(); }))
            return LineEnd::Aborted;
        return enough ? LineEnd::Line : LineEnd::Failed;
    }

private:
    ErrorReporter &m_errors;
    QString m_label;
    QFile m_file;
    LineReader m_reader{m_file, SessionFile::MaxLineBytes};
    qint64 m_count = 0;
};

// A location line; false when it has too few fields.
bool readLocation(const QString &line, bool escaped, SessionState &state)
{
    const QStringList f = splitFields(line, u',', escaped);
    if (f.size() < 6)
        return false;
    // The icon is the leading number of its field; anything else (or a number no icon has) is 0.
    const double icon = VbNumeric::roundHalfEven(VbNumeric::Val(f[5]));
    SearchLocation l;
    l.folder = f[0];
    l.subFolders = f[1];
    l.mask = f[2];
    l.minSize = f[3];
    l.maxSize = f[4];
    l.icon = icon >= -2147483648.0 && icon <= 2147483647.0 ? static_cast<int>(icon) : 0;
    state.locations.append(l);
    return true;
}

// Options of a header: field 0 the engine, 1 chkProtect, 2 chkIncludeHidden. False when a field
// is missing; raises when one is not a number.
bool readOptions(const QStringList &f, SessionState &state)
{
    if (f.isEmpty())
        return false;
    const qint16 engine = SessionNumbers::toInteger(f[0]);
    if (engine >= ScanOptions::ByteToByte && engine <= ScanOptions::ZeroSize)
        state.options.engine = engine;
    if (f.size() < 2)
        return false;
    state.options.protect = SessionNumbers::toInteger(f[1]) != 0;
    if (f.size() < 3)
        return false;
    state.options.includeHidden = SessionNumbers::toInteger(f[2]) != 0;
    return true;
}

bool escapedFile(const QStringList &header)
{
    return header.size() > 9 && header[9] == SessionEscape::Marker;
}

// The whole-session reader of OpenCorvinaFile.
class FullLoad
{
public:
    FullLoad(bool reScan, SessionState &state, ResultModel &rows, ScanSink &sink, const SessionFile::LoadHooks &hooks)
        : m_reScan(reScan), m_state(state), m_rows(rows), m_sink(sink), m_hooks(hooks), m_ctx(sink)
    {}

    SessionLoadReport run(const QString &path)
    {
        SessionLines lines(m_sink.errors(), OpeningLabel);
        LineEnd end = lines.open(path);
        QString line;
        bool first = true;
        while (end == LineEnd::Line)
        {
            if (!m_ctx.keepGoing())
            {
                end = LineEnd::Aborted;
                break;
            }
            end = lines.next(line);
            if (end != LineEnd::Line)
                break;
            end = lines.handle([&] { return first ? header(line) : later(line); });
            first = false;
        }
        return finish(end);
    }

private:
    bool rescanning() const { return m_reScan && m_state.options.engine != ScanOptions::ZeroSize; }

    bool header(const QString &line)
    {
        const QStringList f = splitFields(line, u',', false);
        if (!readOptions(f, m_state))
            return false;
        if (f.size() < 4)
            return false;
        m_announced = SessionNumbers::toLong(f[3]);
        if (m_announced < 0)
            return false;
        m_hooks.progress.maximum(m_announced == 0 ? 1 : m_announced);
        if (f.size() < 5)
            return false;
        m_report.TotalFiles = SessionNumbers::toLong(f[4]);
        if (f.size() < 6)
            return false;
        m_report.TotalFolders = SessionNumbers::toLong(f[5]);
        if (f.size() < 7)
            return false;
        m_state.DuplicateCount = SessionNumbers::toLong(f[6]);
        if (f.size() > 7)
            m_state.DuplicateSize = SessionNumbers::toCurrency(f[7]);
        if (f.size() > 8)
            m_state.options.fuzzy = SessionNumbers::toInteger(f[8]) != 0;
        m_escaped = escapedFile(f);
        return true;
    }

    bool later(QString line)
    {
        if (!m_resultsBegun && line.startsWith(u';'))
        {
            m_resultsBegun = true;
            line.remove(0, 1);
        }
        if (!m_resultsBegun)
            return readLocation(line, m_escaped, m_state);
        // The header's row count bounds the rows: a file with more is damaged.
        const qint32 n = ++m_report.resultLines;
        if (n > m_announced)
            return false;
        const QStringList f = splitFields(line, u'?', m_escaped);
        if (f.size() < 9)
            return false;
        if (rescanning())
        {
            m_ctx.FileHive.Add(f[1], f[0], f[5], f[2], 1, 1);
            m_state.DuplicateCount = 0;
            m_state.DuplicateSize = 0;
            m_hooks.progress.value(n);
            return true;
        }
        if (n == 1 || f[4] != m_lastGroup)
        {
            ++m_group;
            m_groupRowCount.push_back(0);
        }
        m_lastGroup = f[4];
        m_loaded.push_back(ResultRow::fromColumns(f[0], f[1], f[2], f[3], m_group, f[5], f[6], f[7], f[8]));
        if (!m_folderKeys.contains(f[5]))
        {
            m_folderKeys.insert(f[5]);
            m_folders.append(f[5]);
        }
        ++m_groupRowCount.back();
        m_bands.push_back(m_group);
        if (n % 500 == 0)
            m_sink.status(QStringLiteral("Loading Searched Result...(") + QString::number(n) + u')');
        m_hooks.progress.value(n);
        return true;
    }

    SessionLoadReport finish(LineEnd end)
    {
        m_report.ending = end == LineEnd::End      ? SessionLoadReport::Ending::ReadToEnd
                          : end == LineEnd::Failed ? SessionLoadReport::Ending::Failed
                                                   : SessionLoadReport::Ending::Aborted;
        m_report.result = end == LineEnd::End;
        const bool zeroSize = m_state.options.engine == ScanOptions::ZeroSize;
        m_report.zeroSizeMenus = zeroSize;

        // The rows read so far are listed whatever the ending, so the window can go idle on a
        // consistent list; only a file read to its end is compared again.
        m_rows.setFolders(m_folders);
        if (m_report.result && m_report.resultLines > 1 && rescanning())
            compareAgain();
        else
            listLoadedRows();
        // A session is no proof: each row is looked at now, below the session's own locations.
        anchorResults(m_rows, m_state.locations, m_state.options, true, [this] { m_sink.keepGoing(); });

        m_report.CancelSearch = m_ctx.CancelSearch || !m_report.result;
        SessionStatusTexts &s = m_report.status;
        s = SessionStatusTexts::newSession();
        m_state.filesPanel.clear();
        m_state.foldersPanel.clear();
        if (m_report.resultLines > 1)
        {
            s.panel1 =
                m_report.CancelSearch ? QStringLiteral("Search Terminated.") : QStringLiteral("Search Completed.");
            s.panel3 = QStringLiteral("Files : ") + QString::number(m_report.TotalFiles);
            s.panel4 = QStringLiteral("Folders : ") + QString::number(m_report.TotalFolders);
            s.panel2 = QStringLiteral("Duplicate Files: ") + QString::number(m_state.DuplicateCount) +
                       QStringLiteral("  Size: ") + TextFormat::SizeText(static_cast<double>(m_state.DuplicateSize));
            s.panel5.clear();
            s.panel2Visible = !zeroSize;
            s.panel3Visible = true;
            s.panel4Visible = true;
            m_state.filesPanel = s.panel3;
            m_state.foldersPanel = s.panel4;
        }
        return m_report;
    }

    void compareAgain()
    {
        m_ctx.options = m_state.options;
        m_ctx.TotalFiles = m_report.TotalFiles;
        m_ctx.TotalFolders = m_report.TotalFolders;
        SearchEngine::FindSameSize(m_ctx);
        ResultLoadHooks load;
        load.yield = [this] { m_ctx.keepGoing(); };
        load.status = [this](const QString &text) { m_sink.status(text); };
        m_rows.LoadResultList(m_ctx.ResultHive, load);
        m_report.TotalFiles = m_ctx.TotalFiles;
        m_state.DuplicateCount = m_ctx.DuplicateCount;
        m_state.DuplicateSize = m_ctx.DuplicateSize;
        m_report.rescanned = true;
    }

    void listLoadedRows()
    {
        m_rows.setRows(std::move(m_loaded));
        m_rows.GroupRowCount = std::move(m_groupRowCount);
        m_rows.RowBand = std::move(m_bands);
        m_rows.GroupTotal = m_group;
        m_rows.BandingSuspended = false;
        m_rows.BandingOn = !m_rows.isEmpty();
    }

    bool m_reScan;
    SessionState &m_state;
    ResultModel &m_rows;
    ScanSink &m_sink;
    const SessionFile::LoadHooks &m_hooks;
    ScanContext m_ctx;
    SessionLoadReport m_report;

    bool m_escaped = false;
    bool m_resultsBegun = false;
    qint32 m_announced = 0;
    qint32 m_group = 0;
    QString m_lastGroup;
    std::vector<ResultRow> m_loaded;
    std::vector<qint32> m_bands;
    std::vector<qint32> m_groupRowCount{0};
    QSet<QString> m_folderKeys;
    QStringList m_folders;
};

void resetSession(SessionState &state, ResultModel &rows, const SessionFile::LoadHooks &hooks)
{
    if (hooks.newSession)
        hooks.newSession();
    state.resetToNew();
    rows.clear();
}
} // namespace

namespace SessionFile
{
SessionLoadReport OpenCorvinaFile(const QString &FileName, bool ReScan, bool ReCheck, SessionState &state,
                                  ResultModel &rows, ScanSink &sink, const LoadHooks &hooks)
{
    Q_UNUSED(ReCheck);
    resetSession(state, rows, hooks);
    state.DuplicateCount = 0;
    state.DuplicateSize = 0;
    state.filesPanel.clear();
    state.foldersPanel.clear();
    return FullLoad(ReScan, state, rows, sink, hooks).run(FileName);
}

bool LoadSessionParameters(const QString &path, SessionState &state, ResultModel &rows, ErrorReporter &errors,
                           const LoadHooks &hooks)
{
    resetSession(state, rows, hooks);
    SessionLines lines(errors, ParaOpeningLabel);
    LineEnd end = lines.open(path);
    QString line;
    bool first = true;
    bool escaped = false;
    bool resultsBegun = false;
    while (end == LineEnd::Line)
    {
        end = lines.next(line);
        if (end != LineEnd::Line)
            break;
        end = lines.handle([&] {
            if (first)
            {
                const QStringList f = splitFields(line, u',', false);
                escaped = escapedFile(f);
                return readOptions(f, state);
            }
            if (!resultsBegun && line.startsWith(u';'))
                resultsBegun = true;
            return resultsBegun || readLocation(line, escaped, state);
        });
        first = false;
    }
    return end == LineEnd::End;
}
} // namespace SessionFile

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionRoundTrip.h"

#include "results/ResultModel.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"

#include <QFile>

#include <vector>

namespace
{
// Every failure to open or read ends the reading; nothing here is worth a Retry.
class AbortingReporter : public ErrorReporter
{
public:
    ErrorChoice report(const ErrorReport &) override { return ErrorChoice::Abort; }
};

class QuietSink : public ScanSink
{
public:
    bool keepGoing() override { return true; }
    ErrorReporter &errors() override { return m_errors; }

private:
    AbortingReporter m_errors;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

std::vector<QStringList> columns(const ResultModel &model)
{
    std::vector<QStringList> out;
    for (const ResultRow &r : model.rows())
    {
        QStringList row;
        for (int c = 0; c < ResultRow::ColumnCount; ++c)
            row << r.column(c);
        out.push_back(row);
    }
    return out;
}

bool sameSetup(const SessionState &a, const SessionState &b)
{
    return a.options == b.options && a.locations.rows() == b.locations.rows() && a.filesPanel == b.filesPanel &&
           a.foldersPanel == b.foldersPanel && a.duplicateCount == b.duplicateCount &&
           a.duplicateSize == b.duplicateSize;
}

// A state that no session file gives, to see that a failed load leaves it alone.
SessionState untouched()
{
    SessionState s;
    s.options.engine = ScanOptions::Crc32;
    s.options.protect = false;
    SearchLocation l;
    l.folder = QStringLiteral("/untouched");
    s.locations.append(l);
    s.duplicateCount = 7;
    return s;
}
} // namespace

namespace SessionRoundTrip
{
QString check(const QByteArray &bytes, const QString &folder)
{
    const QString input = folder + QStringLiteral("/input.cvf");
    if (!writeFile(input, bytes))
        return QStringLiteral("cannot write the input file");

    QuietSink sink;
    SessionState state = untouched();
    ResultModel rows;
    const SessionLoadReport loaded = SessionFile::openCorvinaFile(input, false, false, state, rows, sink);
    AbortingReporter errors;
    SessionState setup = untouched();
    ResultModel none;
    const SessionRead read = SessionFile::loadSessionParameters(input, setup, none, errors);
    if (read.whole() != loaded.result)
        return QStringLiteral("the two readers disagree whether the file is whole: ") + loaded.damage + read.damage;
    if (!loaded.result)
    {
        if (loaded.ending != SessionRead::Ending::Damaged || loaded.damage.isEmpty())
            return QStringLiteral("a file that is not whole is not reported as damaged");
        if (!sameSetup(state, untouched()) || !rows.isEmpty() || !sameSetup(setup, untouched()))
            return QStringLiteral("a damaged file changed the session");
        return {};
    }
    if (setup.options.engine != state.options.engine || setup.locations.rows() != state.locations.rows())
        return QStringLiteral("the search setup differs between the two readers");

    const QString saved = folder + QStringLiteral("/saved.cvf");
    if (!SessionFile::writeSessionFile(saved, state, rows, false, errors))
        return QStringLiteral("cannot save what was loaded");
    const QByteArray first = readFile(saved);
    SessionState again;
    ResultModel againRows;
    const SessionLoadReport reloaded = SessionFile::openCorvinaFile(saved, false, false, again, againRows, sink);
    if (!reloaded.result)
        return QStringLiteral("Corvina cannot read what it wrote: ") + reloaded.damage;
    if (!sameSetup(again, state))
        return QStringLiteral("the setup changed in a save and load");
    if (columns(againRows) != columns(rows))
        return QStringLiteral("the rows changed in a save and load");
    if (!SessionFile::writeSessionFile(saved, again, againRows, false, errors))
        return QStringLiteral("cannot save what was loaded again");
    if (readFile(saved) != first)
        return QStringLiteral("the second save wrote other bytes than the first");

    // The same setup saved without its rows, as default.cvf is, reads back too.
    if (!SessionFile::writeSessionFile(saved, state, rows, true, errors))
        return QStringLiteral("cannot save the parameters");
    SessionState params;
    if (!SessionFile::loadSessionParameters(saved, params, none, errors).whole() ||
        params.locations.rows() != state.locations.rows())
        return QStringLiteral("the parameters saved do not read back");
    return {};
}
} // namespace SessionRoundTrip

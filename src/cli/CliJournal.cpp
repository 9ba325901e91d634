// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliJournal.h"

#include "actions/ActJournal.h"
#include "actions/UndoLastAct.h"
#include "cli/CliActions.h"
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/CliText.h"
#include "core/TextFormat.h"
#include "platform/NativePath.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
};

QString setAction(CliCommand &c, CliCommand::Action action)
{
    if (c.action == CliCommand::Action::Help || c.action == CliCommand::Action::Version)
        return {};
    if (c.action == CliCommand::Action::Undo || c.action == CliCommand::Action::Journal)
        return Tr::tr("only one of --undo and --journal can be given");
    c.action = action;
    return {};
}

void say(QIODevice &err, const QString &text)
{
    err.write(QByteArray("corvina-cli: ") + NativePath::encode(text) + '\n');
}

// With its offset, so that the time is one instant wherever it is read.
QString timeText(const QDateTime &time)
{
    const QDateTime local = time.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

// As in the listing's JSON: a byte that is not UTF-8 shows as U+FFFD in KEY, and the exact bytes
// are in KEY_base64.
void insertPath(QJsonObject &object, const QString &key, const QString &path)
{
    if (!NativePath::hasEscapedBytes(path))
    {
        object.insert(key, path);
        return;
    }
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i)
    {
        if (NativePath::isEscapedByte(shown, i))
            shown[i] = QChar::ReplacementCharacter;
    }
    object.insert(key, shown);
    object.insert(key + QStringLiteral("_base64"), QString::fromLatin1(NativePath::encode(path).toBase64()));
}
} // namespace

const std::vector<CliOption> &journalOptions()
{
    static const std::vector<CliOption> table{
        {"undo", nullptr,
         QT_TRANSLATE_NOOP("CliOptions",
                           "undo the last clean-up that moved files to the trash, moved or copied them (in the window "
                           "or here): each file goes back to its own folder and name, never over a file that has "
                           "that name now, and only while it is the very file Corvina put in the trash or the "
                           "folder; a copy is removed only while it holds its original's bytes. A second --undo "
                           "undoes the clean-up before. Files deleted for good cannot come back"),
         [](CliCommand &c, const QString &) { return setAction(c, CliCommand::Action::Undo); }},
        {"journal", nullptr,
         QT_TRANSLATE_NOOP("CliOptions",
                           "list the last clean-ups Corvina did, newest first: when, what (trash, delete, move, copy), "
                           "how many files and bytes, and whether it was undone; --format json for JSON"),
         [](CliCommand &c, const QString &) { return setAction(c, CliCommand::Action::Journal); }},
    };
    return table;
}

QString journalUsageError(const CliCommand &command)
{
    const CliOptions &o = command.options;
    if (!o.folders.isEmpty() || !o.references.isEmpty() || o.session.fromFile() ||
        o.actions.act != CliActionOptions::Act::None || !o.actions.marks.isEmpty())
        return Tr::tr("--undo and --journal take no folder, session file or action");
    if (command.action == CliCommand::Action::Undo && o.format != CliOptions::Format::Text)
        return Tr::tr("--format does not go with --undo");
    if (o.format != CliOptions::Format::Text && o.format != CliOptions::Format::Json)
        return Tr::tr("--journal writes text or json");
    return {};
}

namespace CliJournal
{
int undo(const QString &journalPath, bool quiet, QIODevice &out, QIODevice &err)
{
    const UndoReport report = UndoLastAct::run(journalPath);
    if (!report.act)
    {
        say(err, report.problem);
        return report.journalUnreadable ? CliExit::Failed : CliExit::Completed;
    }
    // Standard output: a listing that scripts read, the same in every language.
    for (const QString &path : report.restored)
        out.write("restored " + CliText::escaped(path) + '\n');
    for (const QString &path : report.gone)
        out.write("gone " + CliText::escaped(path) + '\n');
    for (const ActionError &e : report.refused)
        err.write((e.number + u' ' + e.description + QStringLiteral(": ")).toUtf8() + CliText::escaped(e.fileName) +
                  '\n');
    if (!report.journalProblem.isEmpty())
        say(err, report.journalProblem);
    if (!quiet)
    {
        const int restored = static_cast<int>(report.restored.size());
        say(err, (report.act->kind == ActKind::Copy ? Tr::tr("%n copies removed", nullptr, restored)
                                                    : Tr::tr("%n files put back", nullptr, restored)) +
                     QStringLiteral(", ") +
                     Tr::tr("%n no longer where Corvina put them", nullptr, static_cast<int>(report.gone.size())) +
                     QStringLiteral(", ") +
                     Tr::tr("%n refused or failed", nullptr, static_cast<int>(report.refused.size())));
    }
    return report.refused.empty() && report.journalProblem.isEmpty() ? CliExit::Completed : CliExit::Refused;
}

int list(const QString &journalPath, bool json, QIODevice &out, QIODevice &err)
{
    const ActJournal::Contents contents = ActJournal::read(journalPath);
    if (!contents.error.isEmpty())
    {
        say(err, contents.error);
        return CliExit::Failed;
    }
    if (json)
    {
        QJsonArray acts;
        for (auto a = contents.acts.rbegin(); a != contents.acts.rend(); ++a)
        {
            QJsonArray files;
            for (const JournalFile &f : a->files)
            {
                QJsonObject file{{QStringLiteral("size"), f.to.status.size}};
                insertPath(file, QStringLiteral("from"), f.from);
                if (a->kind == ActKind::Delete)
                    file.insert(QStringLiteral("to"), QJsonValue());
                else
                    insertPath(file, QStringLiteral("to"), f.to.path);
                files.append(file);
            }
            acts.append(QJsonObject{{QStringLiteral("time"), timeText(a->time)},
                                    {QStringLiteral("kind"), ActJournal::kindName(a->kind)},
                                    {QStringLiteral("count"), static_cast<qint64>(a->files.size())},
                                    {QStringLiteral("bytes"), a->bytes()},
                                    {QStringLiteral("undone"), a->kind != ActKind::Delete && a->undone()},
                                    {QStringLiteral("files"), files}});
        }
        out.write(QJsonDocument(acts).toJson(QJsonDocument::Indented));
        return CliExit::Completed;
    }
    if (contents.acts.empty())
        say(err, Tr::tr("the journal holds no clean-up yet"));
    for (auto a = contents.acts.rbegin(); a != contents.acts.rend(); ++a)
    {
        QString line = timeText(a->time) + u' ' + ActJournal::kindText(a->kind) + QStringLiteral(": ") +
                       Tr::tr("%n files", nullptr, static_cast<int>(a->files.size())) + QStringLiteral(", ") +
                       TextFormat::sizeText(static_cast<double>(a->bytes()));
        if (a->kind != ActKind::Delete && a->undone())
            line += QStringLiteral(" (") + Tr::tr("undone") + u')';
        out.write(NativePath::encode(line) + '\n');
    }
    return CliExit::Completed;
}
} // namespace CliJournal

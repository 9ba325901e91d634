// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliActionOptions.h"

#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <QDir>

namespace
{
// The texts of this file for translators; the option names stay as they are typed.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
};

QString setAct(CliCommand &c, CliActionOptions::Act act, const QString &folder = QString())
{
    CliActionOptions &a = c.options.actions;
    if (a.act != CliActionOptions::Act::None)
        return Tr::tr("only one of --trash, --delete, --move, --copy and --link can be given");
    a.act = act;
    a.target = folder;
    return {};
}

QString setFolderAct(CliCommand &c, CliActionOptions::Act act, const char *option, const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return Tr::tr("--%1 wants a folder").arg(QLatin1String(option));
    return setAct(c, act, folder);
}
} // namespace

CliActionOptions CliActionOptions::resolved(const QString &currentFolder) const
{
    CliActionOptions r = *this;
    auto absolute = [&](const QString &path) {
        return path.startsWith(u'/') ? path : QDir::cleanPath(currentFolder + u'/' + path);
    };
    if (!r.target.isEmpty())
        r.target = absolute(r.target);
    for (QString &rule : r.marks)
    {
        if (rule.startsWith(u"in:"))
            rule = QStringLiteral("in:") + absolute(rule.mid(3));
    }
    return r;
}

const std::vector<CliOption> &actionOptions()
{
    static const std::vector<CliOption> table{
        {"mark", "RULE",
         QT_TRANSLATE_NOOP("CliOptions",
                           "mark files by RULE after the search or --load; may be repeated, applied in order, "
                           "starting from no marks. RULE names what each group keeps: keep-newest (every file of a "
                           "group but the newest, as the window's Mark All Duplicates), keep-oldest (all but the "
                           "oldest), keep-largest (all but the largest), keep-smallest (all but the smallest); or "
                           "saved (also the files marked in the session file of --load) or in:FOLDER (also every "
                           "file in FOLDER and below it). all-duplicates is another name of keep-newest. Marking "
                           "never reorders the list. The marks of a loaded session are shown, and acted on only "
                           "with --mark saved"),
         [](CliCommand &c, const QString &v) {
             static const QStringList rules{QStringLiteral("keep-newest"),   QStringLiteral("all-duplicates"),
                                            QStringLiteral("keep-oldest"),   QStringLiteral("keep-largest"),
                                            QStringLiteral("keep-smallest"), QStringLiteral("saved")};
             if (!rules.contains(v) && !(v.startsWith(u"in:") && v.size() > 3))
                 return Tr::tr("--mark is keep-newest, keep-oldest, keep-largest, keep-smallest, saved or "
                               "in:FOLDER; not \"%1\"")
                     .arg(v);
             c.options.actions.marks.append(v);
             return QString();
         }},
        {"trash", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "move the marked files to the trash, from where they can be restored"),
         [](CliCommand &c, const QString &) { return setAct(c, CliActionOptions::Act::Trash); }},
        {"delete", nullptr, QT_TRANSLATE_NOOP("CliOptions", "delete the marked files for good"),
         [](CliCommand &c, const QString &) { return setAct(c, CliActionOptions::Act::Delete); }},
        {"move", "FOLDER",
         QT_TRANSLATE_NOOP("CliOptions", "move the marked files into FOLDER (a name taken there gets a number)"),
         [](CliCommand &c, const QString &v) { return setFolderAct(c, CliActionOptions::Act::Move, "move", v); }},
        {"copy", "FOLDER",
         QT_TRANSLATE_NOOP("CliOptions", "copy the marked files into FOLDER (a name taken there gets a number)"),
         [](CliCommand &c, const QString &v) { return setFolderAct(c, CliActionOptions::Act::Copy, "copy", v); }},
        {"link", "KIND",
         QT_TRANSLATE_NOOP("CliOptions",
                           "replace the marked files with links to an unmarked copy with the same bytes, so every "
                           "path keeps working and the space is freed: hard (a hard link: one file under two names, "
                           "on one file system) or clone (a file of its own sharing the copy's blocks, on btrfs or "
                           "XFS)"),
         [](CliCommand &c, const QString &v) {
             if (v != u"hard" && v != u"clone")
                 return Tr::tr("--link is hard or clone; not \"%1\"").arg(v);
             c.options.actions.link = v == u"hard" ? FileTransfer::LinkKind::Hard : FileTransfer::LinkKind::Clone;
             return setAct(c, CliActionOptions::Act::Link);
         }},
        {"keep-structure", nullptr,
         QT_TRANSLATE_NOOP("CliOptions",
                           "with --copy or --move: put each file below FOLDER in a folder named after its search "
                           "folder (a second one of the same name gets a number) and, inside it, the folders it was "
                           "found in"),
         [](CliCommand &c, const QString &) {
             c.options.actions.keepStructure = true;
             return QString();
         }},
        {"remove-empty-folders", nullptr,
         QT_TRANSLATE_NOOP("CliOptions",
                           "with --trash, --delete or --move: afterwards remove each folder that held a marked file "
                           "and is empty now; never a search or reference folder, nor a folder with a file system "
                           "mounted on it"),
         [](CliCommand &c, const QString &) {
             c.options.actions.removeEmptyFolders = true;
             return QString();
         }},
        {"dry-run", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "with --trash, --delete, --move, --copy or --link: check each marked file as "
                                         "the action would and print what would be done, changing nothing"),
         [](CliCommand &c, const QString &) {
             c.options.actions.dryRun = true;
             return QString();
         }},
    };
    return table;
}

QString actionUsageError(const CliOptions &options)
{
    const CliActionOptions &a = options.actions;
    if (a.act != CliActionOptions::Act::None && a.marks.isEmpty())
        return Tr::tr("--trash, --delete, --move, --copy and --link act on marked files: say which with --mark");
    if (a.dryRun && a.act == CliActionOptions::Act::None)
        return Tr::tr("--dry-run works only with --trash, --delete, --move, --copy or --link");
    if (a.keepStructure && a.act != CliActionOptions::Act::Move && a.act != CliActionOptions::Act::Copy)
        return Tr::tr("--keep-structure works only with --move or --copy");
    if (a.removeEmptyFolders && a.act != CliActionOptions::Act::Trash && a.act != CliActionOptions::Act::Delete &&
        a.act != CliActionOptions::Act::Move)
        return Tr::tr("--remove-empty-folders works only with --trash, --delete or --move");
    if (a.marks.contains(QStringLiteral("saved")) && options.session.load.isEmpty())
        return Tr::tr("--mark saved works only with --load");
    return {};
}

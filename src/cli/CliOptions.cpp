// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "cli/CliJournal.h"
#include "cli/CliOption.h"
#include "core/VbNumeric.h"
#include "search/MaskList.h"

#include <QCoreApplication>
#include <QDir>

#include <vector>

namespace
{
// The texts of this file for translators. Option names ("--engine") and the placeholders of their
// values ("FOLDER") are never translated: the manual page and the bash completion read them from
// --help, and scripts type them.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
};

// The most kilobytes a size limit may be: the walk turns whole kilobytes into bytes, which must
// fit a 64-bit count, from a double that must hold the whole number exactly.
constexpr double MaxKilobytes = 9007199254740991.0; // 2^53 - 1

QString kilobytes(QString &target, const char *option, const QString &value)
{
    const auto number = VbNumeric::toNumber(value);
    if (!number || *number < 0)
        return Tr::tr("--%1 wants a size in kilobytes, not \"%2\"").arg(QLatin1String(option), value);
    // Refused here rather than failing the search once it has started.
    if (!(VbNumeric::roundHalfEven(*number) <= MaxKilobytes))
        return Tr::tr("--%1 %2 is too large: at most %3 kilobytes")
            .arg(QLatin1String(option), value.trimmed(), QString::number(MaxKilobytes, 'f', 0));
    target = value.trimmed();
    return {};
}

// The options that say what is searched and how files are compared.
const std::vector<CliOption> &searchOptions()
{
    static const std::vector<CliOption> table{
        {"engine", "ENGINE",
         QT_TRANSLATE_NOOP("CliOptions",
                           "how files are compared: byte (whole contents, the default), crc (CRC-32 checksums), "
                           "name (same file names, contents not compared), zero (list the empty files), folders "
                           "(folders whose whole trees hold the same names with the same bytes) or pictures "
                           "(pictures alike to the eye in other sizes, formats and light edits)"),
         [](CliCommand &c, const QString &v) {
             static const QStringList names{QStringLiteral("byte"),    QStringLiteral("crc"),
                                            QStringLiteral("name"),    QStringLiteral("zero"),
                                            QStringLiteral("folders"), QStringLiteral("pictures")};
             const qsizetype i = names.indexOf(v);
             if (i < 0)
                 return Tr::tr("--engine is one of byte, crc, name, zero, folders, pictures; not \"%1\"").arg(v);
             c.options.scan.engine = static_cast<int>(i) + ScanOptions::ByteToByte;
             return QString();
         }},
        {"similarity", "LEVEL",
         QT_TRANSLATE_NOOP("CliOptions", "with --engine pictures: how alike pictures must be, strict (the same "
                                         "picture resized or re-saved), close (also lightly cropped or brightened; "
                                         "the default) or loose (also heavier edits, and more look-alikes of other "
                                         "pictures)"),
         [](CliCommand &c, const QString &v) {
             static const QStringList names{QStringLiteral("strict"), QStringLiteral("close"), QStringLiteral("loose")};
             const qsizetype i = names.indexOf(v);
             if (i < 0)
                 return Tr::tr("--similarity is strict, close or loose; not \"%1\"").arg(v);
             c.options.scan.similarity = PictureGroups::levels().at(i);
             c.options.similarityGiven = true;
             return QString();
         }},
        {"no-cache", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "with --engine pictures: neither read nor keep the hashes of pictures in "
                                         "the cache of earlier searches (pictures.sqlite in the cache folder), so "
                                         "every picture is decoded"),
         [](CliCommand &c, const QString &) {
             c.options.scan.usePictureCache = false;
             return QString();
         }},
        {"contained", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "with --engine folders: also list the folders whose every file has a copy "
                                         "outside them"),
         [](CliCommand &c, const QString &) {
             c.options.contained = true;
             return QString();
         }},
        {"fuzzy", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "with --engine byte: take files of one size as copies when at least half of "
                                         "their 1000-byte blocks are equal"),
         [](CliCommand &c, const QString &) {
             c.options.scan.fuzzy = true;
             return QString();
         }},
        {"mask", "TEXT",
         QT_TRANSLATE_NOOP("CliOptions", "only files whose extension occurs in TEXT, such as \"*.jpg;*.png\" (default "
                                         "\"All files(*.*)\": every file)"),
         [](CliCommand &c, const QString &v) {
             if (v.trimmed().isEmpty())
                 return Tr::tr("--mask wants a mask such as \"*.jpg;*.png\"");
             c.options.mask = v;
             return QString();
         }},
        {"min", "KB", QT_TRANSLATE_NOOP("CliOptions", "only files of at least KB kilobytes (default 0)"),
         [](CliCommand &c, const QString &v) { return kilobytes(c.options.minKb, "min", v); }},
        {"max", "KB", QT_TRANSLATE_NOOP("CliOptions", "only files of at most KB kilobytes (default: no limit)"),
         [](CliCommand &c, const QString &v) { return kilobytes(c.options.maxKb, "max", v); }},
        {"no-subfolders", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "search only the folders named, not their sub-folders"),
         [](CliCommand &c, const QString &) {
             c.options.subFolders = false;
             return QString();
         }},
        {"reference", "FOLDER",
         QT_TRANSLATE_NOOP("CliOptions",
                           "search FOLDER too, and keep its files as the originals: they are never marked, moved or "
                           "deleted, and groups of them alone are not shown (may be repeated)"),
         [](CliCommand &c, const QString &v) {
             if (v.isEmpty())
                 return Tr::tr("--reference wants a folder");
             c.options.references.append(v);
             return QString();
         }},
        {"exclude", "FOLDER",
         QT_TRANSLATE_NOOP("CliOptions", "leave out FOLDER and everything below it (may be repeated)"),
         [](CliCommand &c, const QString &v) {
             if (v.isEmpty())
                 return Tr::tr("--exclude wants a folder");
             c.options.excludes.append(v);
             return QString();
         }},
        {"hidden", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "include hidden files and folders (names starting with \".\")"),
         [](CliCommand &c, const QString &) {
             c.options.scan.includeHidden = true;
             return QString();
         }},
        {"no-protect", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "also search the system folders (/usr, /etc, /var, ...)"),
         [](CliCommand &c, const QString &) {
             c.options.scan.protect = false;
             return QString();
         }},
    };
    return table;
}

// The options that say how the result is shown.
const std::vector<CliOption> &outputOptions()
{
    static const std::vector<CliOption> table{
        {"format", "FORMAT",
         QT_TRANSLATE_NOOP("CliOptions",
                           "text (numbered groups, the default), groups (one group per line, the full paths "
                           "separated by a TAB), json (a JSON array of the groups) or null (the full paths, each "
                           "followed by a NUL byte, for xargs -0; with --mark only the marked files)"),
         [](CliCommand &c, const QString &v) {
             static const QStringList names{QStringLiteral("text"), QStringLiteral("groups"), QStringLiteral("json"),
                                            QStringLiteral("null")};
             const qsizetype i = names.indexOf(v);
             if (i < 0)
                 return Tr::tr("--format is text, groups, json or null; not \"%1\"").arg(v);
             c.options.format = static_cast<CliOptions::Format>(i);
             return QString();
         }},
        {"quiet", nullptr, QT_TRANSLATE_NOOP("CliOptions", "no progress line and no summary on standard error"),
         [](CliCommand &c, const QString &) {
             c.options.quiet = true;
             return QString();
         }},
        {"verbose", nullptr,
         QT_TRANSLATE_NOOP("CliOptions", "list in the summary each folder and file that could not be read"),
         [](CliCommand &c, const QString &) {
             c.options.verbose = true;
             return QString();
         }},
        {"help", nullptr, QT_TRANSLATE_NOOP("CliOptions", "show this text"),
         [](CliCommand &c, const QString &) {
             c.action = CliCommand::Action::Help;
             return QString();
         }},
        {"version", nullptr, QT_TRANSLATE_NOOP("CliOptions", "show the name and version of corvina-cli"),
         [](CliCommand &c, const QString &) {
             c.action = CliCommand::Action::Version;
             return QString();
         }},
    };
    return table;
}

const CliOption *find(QStringView name)
{
    for (const auto *table :
         {&searchOptions(), &outputOptions(), &sessionOptions(), &actionOptions(), &journalOptions()})
    {
        for (const CliOption &o : *table)
        {
            if (name == QLatin1String(o.name))
                return &o;
        }
    }
    return nullptr;
}

// Reads the options and folders into command; false, with command set to BadUsage, at the first
// argument that is wrong.
bool readArguments(const QStringList &arguments, CliCommand &command)
{
    auto bad = [&command](const QString &why) {
        command.action = CliCommand::Action::BadUsage;
        command.error = why;
        return false;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i)
    {
        const QString &arg = arguments[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == u"-")
        {
            command.options.folders.append(arg);
            continue;
        }
        if (arg == u"--")
        {
            optionsEnded = true;
            continue;
        }
        const QString spelled = arg == u"-h"   ? QStringLiteral("--help")
                                : arg == u"-V" ? QStringLiteral("--version")
                                               : arg;
        if (!spelled.startsWith(u"--"))
            return bad(Tr::tr("unknown option \"%1\"").arg(arg));
        const qsizetype eq = spelled.indexOf(u'=');
        const QString name = spelled.mid(2, eq < 0 ? -1 : eq - 2);
        const CliOption *option = find(name);
        if (!option)
            return bad(Tr::tr("unknown option \"--%1\"").arg(name));
        QString value;
        if (option->valueName)
        {
            if (eq >= 0)
                value = spelled.mid(eq + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                return bad(Tr::tr("--%1 wants a value (%2)").arg(name, QLatin1String(option->valueName)));
        }
        else if (eq >= 0)
        {
            return bad(Tr::tr("--%1 takes no value").arg(name));
        }
        const QString error = option->apply(command, value);
        if (!error.isEmpty())
            return bad(error);
    }
    return true;
}

// Why options do not fit the folder search, or "".
QString folderUsageError(const CliOptions &options)
{
    if (options.scan.engine != ScanOptions::Folders)
        return options.contained ? Tr::tr("--contained works only with --engine folders") : QString();
    if (options.minKb != u"0" || !options.maxKb.isEmpty() || options.mask != FileMasks::allFiles() ||
        !options.subFolders)
        return Tr::tr("--engine folders compares whole folders: --min, --max, --mask and --no-subfolders do not "
                      "apply");
    if (options.session.fromFile())
        return Tr::tr("--engine folders searches its folders: it does not take --session or --load");
    if (options.actions.act == CliActionOptions::Act::Copy || options.actions.act == CliActionOptions::Act::Link)
        return Tr::tr("--engine folders sends marked folders to the trash, deletes or moves them: copy and link "
                      "their files with --engine byte");
    return {};
}

// Why options do not fit the similar-pictures search, or "".
QString pictureUsageError(const CliOptions &options)
{
    if (options.scan.engine != ScanOptions::Pictures)
    {
        if (options.similarityGiven)
            return Tr::tr("--similarity works only with --engine pictures");
        return options.scan.usePictureCache ? QString() : Tr::tr("--no-cache works only with --engine pictures");
    }
    // Similar pictures are different files: a link would put one in another's place.
    if (options.actions.act == CliActionOptions::Act::Link)
        return Tr::tr("--engine pictures lists similar pictures, which are different files: they are not replaced "
                      "with links");
    return {};
}

// Why options that were each read well do not fit together, or "".
QString combinationError(const CliOptions &options)
{
    if (options.folders.isEmpty() && options.references.isEmpty() && !options.session.fromFile())
        return Tr::tr("no folder to search");
    if (const QString why = sessionUsageError(options); !why.isEmpty())
        return why;
    if (const QString why = actionUsageError(options); !why.isEmpty())
        return why;
    if (options.scan.fuzzy && options.scan.engine != ScanOptions::ByteToByte)
        return Tr::tr("--fuzzy works only with --engine byte");
    if (const QString why = folderUsageError(options); !why.isEmpty())
        return why;
    if (const QString why = pictureUsageError(options); !why.isEmpty())
        return why;
    // The rule of the window's Add dialog, in its words.
    if (!SizeFields::maxAcceptable(options.minKb, options.maxKb))
        return Tr::tr("the maximum size (--max %1) must be greater than the minimum size (--min %2)")
            .arg(options.maxKb, options.minKb);
    return {};
}

// The words of text filled into lines of at most 78 columns; the first line continues a line
// already at column `start`, the others are indented by `indent`. Ends with a newline.
QString wrapped(const QString &text, qsizetype start, qsizetype indent)
{
    QString out;
    qsizetype column = start;
    bool lineEmpty = true;
    for (const QString &word : text.split(u' '))
    {
        if (!lineEmpty && column + 1 + word.size() > 78)
        {
            out += u'\n' + QString(indent, u' ');
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty)
        {
            out += u' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineEmpty = false;
    }
    return out + u'\n';
}

// Where the text of an option begins in --help.
constexpr int HelpIndent = 22;

// One line per option, "  --name VALUE  text", the text wrapped below itself.
QString optionLines(const std::vector<CliOption> &table)
{
    QString text;
    for (const CliOption &o : table)
    {
        QString left = QStringLiteral("  --") + QLatin1String(o.name);
        if (o.valueName)
            left += u' ' + QLatin1String(o.valueName);
        // At least one blank between an option and its text, also when the option is long.
        left = left.leftJustified(HelpIndent - 1) + u' ';
        text += left + wrapped(QCoreApplication::translate("CliOptions", o.help), left.size(), HelpIndent);
    }
    return text;
}

// The paragraphs after the options.
QString helpNotes()
{
    const QString paragraphs[] = {
        Tr::tr("Output: the groups go to standard output; a progress line (when standard error is a terminal) and "
               "the closing summary go to standard error. The summary counts the folders and files that could not "
               "be read (no permission, a path too long), and names each search folder left out; --verbose lists "
               "what could not be read. None of these changes the exit status."),
        Tr::tr("Names: in the text and groups formats, and on standard error, a name is written as its bytes, "
               "except that a backslash is written as \\\\, a TAB, newline and carriage return as \\t, \\n and \\r, "
               "and any other control character and any byte that is not UTF-8 as \\xHH (two hexadecimal digits); "
               "printf '%b' turns such a name back into its bytes. The null format writes names as their bytes. In "
               "json a name that is not UTF-8 has U+FFFD in \"path\" for each byte that is not, and its exact bytes, "
               "base64-encoded, in \"path_base64\"."),
        Tr::tr("Acting: a file is trashed, deleted or moved only when it is still the file the search saw, reached "
               "from its search folder without following a link, and (for byte and crc searches) an unmarked file "
               "of its group still holds the same bytes; a copy needs the first of these. A group whose every file "
               "is marked keeps its last file. In the text output a marked file's line starts with \"*\". Each file "
               "refused or failed is written to standard error as \"NUMBER TEXT: PATH\", such as \"1012 No unmarked "
               "copy has the same contents: /photos/b.jpg\"."),
        Tr::tr("Exit status: 0 when the search completed (and every marked file was done), 1 when it failed (a "
               "folder that does not exist, a session file that cannot be read or written, an error while "
               "searching), 2 when the command line is wrong, 3 when some marked files were refused or failed."),
    };
    QString text;
    for (const QString &paragraph : paragraphs)
        text += u'\n' + wrapped(paragraph, 0, 0);
    return text;
}

QString absolute(const QString &path, const QString &currentFolder)
{
    return QDir::cleanPath(path.startsWith(u'/') ? path : currentFolder + u'/' + path);
}
} // namespace

SearchLocationList CliOptions::locations(const QString &currentFolder) const
{
    SearchLocationList list;
    for (const QStringList *names : {&folders, &references})
    {
        for (const QString &folder : *names)
        {
            SearchLocation l;
            l.folder = absolute(folder, currentFolder);
            l.subFolders = subFolders ? QStringLiteral("Yes") : QStringLiteral("No");
            l.mask = mask;
            l.minSize = minKb;
            l.maxSize = maxKb;
            l.icon = names == &references ? SearchLocation::ReferenceIcon : SearchLocation::IncludedIcon;
            list.append(l);
        }
    }
    for (const QString &folder : excludes)
    {
        SearchLocation l;
        l.folder = absolute(folder, currentFolder);
        l.icon = SearchLocation::ExcludedIcon;
        list.append(l);
    }
    return list;
}

CliCommand parseCommandLine(const QStringList &arguments)
{
    CliCommand command;
    if (!readArguments(arguments, command) || command.action == CliCommand::Action::Help ||
        command.action == CliCommand::Action::Version)
        return command;
    const bool journal = command.action == CliCommand::Action::Undo || command.action == CliCommand::Action::Journal;
    if (const QString why = journal ? journalUsageError(command) : combinationError(command.options); !why.isEmpty())
    {
        command.action = CliCommand::Action::BadUsage;
        command.error = why;
    }
    return command;
}

QString helpText()
{
    return Tr::tr("Usage: corvina-cli [options] FOLDER...\n"
                  "       corvina-cli [options] --session FILE\n"
                  "       corvina-cli [options] --load FILE [--rescan]\n") +
           u'\n' +
           wrapped(Tr::tr("Finds the files in the FOLDERs (and their sub-folders) that are copies of each other and "
                          "prints them in groups: the first file of a group is the original, the others are its "
                          "copies. Nothing on the disk is changed but the files that --save, --save-params and "
                          "--export name, and the marked files that --trash, --delete, --move or --link act on. "
                          "Symbolic links are never followed, and a file reached twice (overlapping folders, hard "
                          "links) counts once."),
                   0, 0) +
           u'\n' + Tr::tr("Options:") + u'\n' + optionLines(searchOptions()) + optionLines(outputOptions()) +
           QStringLiteral("  -h").leftJustified(HelpIndent) + Tr::tr("the same as --help") + u'\n' +
           QStringLiteral("  -V").leftJustified(HelpIndent) + Tr::tr("the same as --version") + u'\n' + u'\n' +
           Tr::tr("Session files and exports:") + u'\n' + optionLines(sessionOptions()) + u'\n' +
           Tr::tr("Marking and acting on the marked files:") + u'\n' + optionLines(actionOptions()) + u'\n' +
           Tr::tr("Undoing the last clean-up:") + u'\n' + optionLines(journalOptions()) + helpNotes();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSessionOptions.h"

#include "cli/CliOptions.h"
#include "sessions/DelimitedExport.h"

#include <QCoreApplication>
#include <QDir>

namespace
{
// The texts of this file for translators; the option names stay as they are typed.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
};

QString file(QString &target, const char *option, const QString &value)
{
    if (value.trimmed().isEmpty())
        return Tr::tr("--%1 wants a file").arg(QLatin1String(option));
    target = value;
    return {};
}
} // namespace

CliSessionOptions CliSessionOptions::resolved(const QString &currentFolder) const
{
    CliSessionOptions r = *this;
    for (QString *path : {&r.session, &r.load, &r.save, &r.saveParams, &r.exportPath})
    {
        // "-" is standard output for a file written; "./-" names a file called "-".
        const bool standardOutput = *path == u"-" && path != &r.session && path != &r.load;
        if (!path->isEmpty() && !path->startsWith(u'/') && !standardOutput)
            *path = QDir::cleanPath(currentFolder + u'/' + *path);
    }
    return r;
}

const std::vector<CliOption> &sessionOptions()
{
    static const std::vector<CliOption> table{
        {"session", "FILE",
         QT_TRANSLATE_NOOP("CliOptions", "search the folders of the session file FILE (.cvf) with its engine and "
                                         "options, as \"corvina FILE\" does; give no FOLDER"),
         [](CliCommand &c, const QString &v) { return file(c.options.session.session, "session", v); }},
        {"load", "FILE",
         QT_TRANSLATE_NOOP("CliOptions",
                           "show the saved result of the session file FILE instead of searching; give no FOLDER"),
         [](CliCommand &c, const QString &v) { return file(c.options.session.load, "load", v); }},
        {"rescan", nullptr,
         QT_TRANSLATE_NOOP("CliOptions",
                           "with --load: compare the saved files again and show only what is still duplicated"),
         [](CliCommand &c, const QString &) {
             c.options.session.rescan = true;
             return QString();
         }},
        {"save", "FILE",
         QT_TRANSLATE_NOOP("CliOptions", "write the folders, options and the result to the session file FILE"),
         [](CliCommand &c, const QString &v) { return file(c.options.session.save, "save", v); }},
        {"save-params", "FILE",
         QT_TRANSLATE_NOOP("CliOptions", "write the folders and options, without the result, to the session file FILE"),
         [](CliCommand &c, const QString &v) { return file(c.options.session.saveParams, "save-params", v); }},
        {"export", "FILE",
         QT_TRANSLATE_NOOP("CliOptions",
                           "write the result to FILE (\"-\": standard output) as delimited text or as an HTML page"),
         [](CliCommand &c, const QString &v) { return file(c.options.session.exportPath, "export", v); }},
        {"export-format", "FMT",
         QT_TRANSLATE_NOOP("CliOptions", "csv (delimited text, the default) or html (a web page)"),
         [](CliCommand &c, const QString &v) {
             CliSessionOptions &s = c.options.session;
             if (v == u"csv")
                 s.exportFormat = CliSessionOptions::ExportFormat::Csv;
             else if (v == u"html")
                 s.exportFormat = CliSessionOptions::ExportFormat::Html;
             else
                 return Tr::tr("--export-format is csv or html; not \"%1\"").arg(v);
             s.exportFormatGiven = true;
             return QString();
         }},
        {"delimiter", "SEP",
         QT_TRANSLATE_NOOP("CliOptions", "between the fields of a csv export: comma (the default), semi (\";\"), tab "
                                         "(a single blank, as Corvina's \"TAB\" choice writes) or any other text, "
                                         "which is used as it is"),
         [](CliCommand &c, const QString &v) {
             using D = DelimitedExport::Delimiter;
             const D choice = v == u"tab" ? D::Tab : v == u"comma" ? D::Comma : v == u"semi" ? D::Semi : D::Other;
             c.options.session.delimiter = DelimitedExport::delimiterText(choice, v);
             c.options.session.delimiterGiven = true;
             return QString();
         }},
        {"export-rows", "ROWS",
         QT_TRANSLATE_NOOP("CliOptions",
                           "all (the default) or marked (only the marked files: those --mark marked, or without "
                           "--mark those marked in the session file of --load; with none marked only the header is "
                           "written)"),
         [](CliCommand &c, const QString &v) {
             CliSessionOptions &s = c.options.session;
             if (v == u"all")
                 s.exportRows = ExportRows::All;
             else if (v == u"marked")
                 s.exportRows = ExportRows::Marked;
             else
                 return Tr::tr("--export-rows is all or marked; not \"%1\"").arg(v);
             s.exportRowsGiven = true;
             return QString();
         }},
    };
    return table;
}

QString sessionUsageError(const CliOptions &options)
{
    const CliSessionOptions &s = options.session;
    if (!s.session.isEmpty() && !s.load.isEmpty())
        return Tr::tr("--session and --load cannot be combined");
    if (s.fromFile())
    {
        const QString option = s.session.isEmpty() ? QStringLiteral("--load") : QStringLiteral("--session");
        if (!options.folders.isEmpty() || !options.references.isEmpty())
            return Tr::tr("%1 takes its folders from the file; give no FOLDER").arg(option);
        const CliOptions defaults;
        if (!(options.scan == defaults.scan) || options.mask != defaults.mask || options.minKb != defaults.minKb ||
            options.maxKb != defaults.maxKb || options.subFolders != defaults.subFolders || !options.excludes.isEmpty())
            return Tr::tr("%1 takes the engine and the folder options from the file").arg(option);
    }
    if ((s.save == u"-") + (s.saveParams == u"-") + (s.exportPath == u"-") > 1)
        return Tr::tr("only one of --save, --save-params and --export can write to standard output (\"-\")");
    if (s.rescan && s.load.isEmpty())
        return Tr::tr("--rescan works only with --load");
    if (s.exportPath.isEmpty() && (s.exportFormatGiven || s.delimiterGiven || s.exportRowsGiven))
        return Tr::tr("--export-format, --delimiter and --export-rows work only with --export");
    if (s.delimiterGiven && s.exportFormat == CliSessionOptions::ExportFormat::Html)
        return Tr::tr("--delimiter works only with --export-format csv");
    return {};
}

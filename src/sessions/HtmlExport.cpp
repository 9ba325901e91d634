// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/HtmlExport.h"

#include "core/AppendString.h"
#include "core/TextFormat.h"
#include "results/PictureRows.h"
#include "sessions/TextFileOutput.h"

// Every byte of the report is English, whatever the language of the window: the summary's panel
// texts are the English ones the window keeps for files (StatusTexts), and the headings are fixed.
namespace
{
const QString CrLf = QStringLiteral("\r\n");

// The pieces before the rows, each on its own line.
const char16_t *const Head[] = {
    u"<html><head>",
    u"<meta http-equiv='Content-Type' content='text/html; charset=utf-8'>",
    u"<title>Export List - Corvina(Corvina duplicate file finder)</title>",
    u"</head><style>",
    u".title { font-family: Arial; font-size: 14pt; color: #0099FF; font-weight: bold}",
    u".tr1   { font-family: Verdana; font-size: 10pt; padding: 0; margin-top:0; margin-bottom:0 }",
    (u".th    { margin:2 3; font-family: Arial; font-size: 10pt; color: #FFFFFF; font-weight: bold; "
     u"text-align:left; background-color:#BF0005; line-height:100% }"),
    (u".even  { text-align: left; line-height: 100%; font-family: Arial; font-size: 10pt; margin: 0 3; "
     u"background-color: #ECF5FF }"),
    u".odd   { font-family: Arial; font-size: 10pt; text-align: left; line-height: 100%; margin: 0 3 }",
    u"</style><body>",
    u"<table border='0' width='350'>",
    u"<tr height='15' width='130'><td class='title' colspan='2' width='344'> Corvina </td></tr>",
};

const char16_t *const TableHead[] = {
    (u"<table border='0' cellspacing='1' style='border-collapse: collapse' bordercolor='#111111' cellpadding='2' "
     u"width='100%'>"),
    u"<tr><th class='th'>File Name</th>",
    u"<th class='th' nowrap>Size(Bytes)</th>",
    u"<th class='th' nowrap>Last Modified</th>",
    u"<th class='th'>Version</th>",
    u"<th class='th'>Group#</th>",
    u"<th class='th'>Path</th></tr>",
};

const QString Footer =
    QStringLiteral("</table><table border='0' cellspacing='0' style='border-collapse: collapse' "
                   "bordercolor='#111111' width='100%' bgcolor='#666666' height='20'>"
                   "<tr><td width='100%' height='18'><p align='center'><b><font face='Verdana' size='1' "
                   "color='#FFFFFF'> Created with Corvina duplicate file finder</font></b></td></tr></table></body>"
                   "</html>");

QString cell(const QString &text)
{
    QString out = ExportText::readable(text);
    if (!out.contains(u'&') && !out.contains(u'<') && !out.contains(u'>'))
        return out;
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    return out;
}

void line(AppendString &out, QStringView text)
{
    out.addToString(text);
    out.addToString(CrLf);
}

void summaryRow(AppendString &out, const char16_t *open, const QString &value, const char16_t *close)
{
    out.addToString(QStringView(open));
    out.addToString(cell(value));
    line(out, QStringView(close));
}

void rowLines(AppendString &out, const ResultRow &row, const QString &cls)
{
    const QString td = QStringLiteral("<td class='") + cls + QStringLiteral("'>");
    out.addToString(u"<tr>");
    for (int c = ResultRow::ColName; c <= ResultRow::ColPath; ++c)
    {
        out.addToString(c == ResultRow::ColModified ? QStringLiteral("<td class='") + cls + QStringLiteral("' nowrap>")
                                                    : td);
        out.addToString(cell(row.column(c)));
        line(out, c == ResultRow::ColPath ? u"</td></tr>" : u"</td>");
    }
}
} // namespace

namespace HtmlExport
{
QString text(const ResultModel &model, const ExportChoice &choice, const Summary &summary,
             const ProgressHooks &progress)
{
    AppendString out;
    for (const char16_t *piece : Head)
        line(out, QStringView(piece));
    summaryRow(out, u"<tr class='tr1'><td width='120'>Total Scanned</td> <td width='220'><b>",
               summary.filesPanel.mid(7), u"</b></td></tr>");
    summaryRow(out, u"<tr class='tr1'><td width='120'>Total Duplicates</td><td width='220'><b>",
               summary.duplicatesPanel.mid(16), u"</b></td></tr>");
    summaryRow(out, u"<tr class='tr1'><td width='120'>Generate on</td><td width='220'><b>",
               TextFormat::dateText(summary.exportTime), u"</b></td></tr></table><hr>");
    // A list of folders names its folders and their file counts where files have name and version;
    // a list of similar pictures gives their dimensions there.
    const bool folders = model.isFolderList();
    const bool pictures = PictureRows::isPictureList(model);
    for (const char16_t *piece : TableHead)
    {
        QString text = QString::fromUtf16(piece);
        if (folders)
            text.replace(QStringLiteral(">File Name<"), QStringLiteral(">Folder Name<"))
                .replace(QStringLiteral(">Version<"), QStringLiteral(">Files<"));
        else if (pictures)
            text.replace(QStringLiteral(">Version<"), QStringLiteral(">Dimensions<"));
        line(out, text);
    }

    progress.maximum(model.size());
    // Bands count runs of equal group numbers over the whole list, so an exported row keeps the
    // colour it has in the list.
    qint32 runs = 0;
    qint32 last = 0;
    const QString odd = QStringLiteral("odd");
    const QString even = QStringLiteral("even");
    for (int i = 0; i < model.size(); ++i)
    {
        const ResultRow &row = model.row(i);
        if (row.group != last)
        {
            last = row.group;
            ++runs;
        }
        if (choice.exports(i))
            rowLines(out, row, runs % 2 == 1 ? odd : even);
        progress.value(i + 1);
    }
    out.addToString(Footer);
    out.addToString(CrLf);
    return out.returnString();
}

bool exportHtml(const QString &path, const ResultModel &model, const ExportChoice &choice, const Summary &summary,
                ErrorReporter &errors, const ProgressHooks &progress)
{
    if (path.trimmed().isEmpty())
        return false;
    if (!runStep(errors, ExportText::FailureLabel, [&] { TextFileOutput::checkWritable(path); }))
        return false;
    const QString page = text(model, choice, summary, progress);
    return runStep(errors, ExportText::FailureLabel, [&] {
        TextFileOutput out(path);
        out.write(page);
        out.finish();
    });
}
} // namespace HtmlExport

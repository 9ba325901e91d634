// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"
#include "cli/CliActions.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "platform/NativePath.h"
#include "results/ResultModel.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace
{
QStringList args(std::initializer_list<const char *> list)
{
    QStringList l;
    for (const char *a : list)
        l << QString::fromUtf8(a);
    return l;
}

ResultRow row(const char *path, qint64 size, qint32 group, const char *version = "N/A")
{
    const QString full = QString::fromUtf8(path);
    ResultRow r;
    r.path = full.left(full.lastIndexOf(u'/') + 1);
    r.setName(full.mid(full.lastIndexOf(u'/') + 1));
    r.size = size;
    r.stamp = 20040307210503;
    r.group = group;
    r.sortGroup = group;
    r.setVersion(QString::fromUtf8(version));
    return r;
}

QByteArray written(void (*write)(const ResultModel &, QIODevice &), std::vector<ResultRow> rows)
{
    ResultModel model;
    model.setRows(std::move(rows));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(model, buffer);
    return buffer.data();
}
} // namespace

TEST(CliOptions, DefaultsScanEveryFileByContent)
{
    const CliCommand c = parseCommandLine(args({"/data"}));
    ASSERT_EQ(c.action, CliCommand::Action::Scan);
    EXPECT_EQ(c.options.scan.engine, ScanOptions::ByteToByte);
    EXPECT_FALSE(c.options.scan.fuzzy);
    EXPECT_TRUE(c.options.scan.protect);
    EXPECT_FALSE(c.options.scan.includeHidden);
    EXPECT_EQ(c.options.mask, QStringLiteral("All files(*.*)"));
    EXPECT_EQ(c.options.minKb, QStringLiteral("0"));
    EXPECT_TRUE(c.options.maxKb.isEmpty());
    EXPECT_TRUE(c.options.subFolders);
    EXPECT_EQ(c.options.format, CliOptions::Format::Text);
    EXPECT_FALSE(c.options.quiet);
}

TEST(CliOptions, EveryOptionIsRead)
{
    const CliCommand c =
        parseCommandLine(args({"--engine", "byte", "--fuzzy", "--mask=*.jpg;*.png", "--min", "2", "--max=10",
                               "--no-subfolders", "--exclude", "/data/old", "/data", "--exclude=tmp", "--hidden",
                               "--no-protect", "--format", "groups", "--quiet", "--", "--odd-folder"}));
    ASSERT_EQ(c.action, CliCommand::Action::Scan) << c.error.toStdString();
    EXPECT_TRUE(c.options.scan.fuzzy);
    EXPECT_EQ(c.options.mask, QStringLiteral("*.jpg;*.png"));
    EXPECT_EQ(c.options.minKb, QStringLiteral("2"));
    EXPECT_EQ(c.options.maxKb, QStringLiteral("10"));
    EXPECT_FALSE(c.options.subFolders);
    EXPECT_TRUE(c.options.scan.includeHidden);
    EXPECT_FALSE(c.options.scan.protect);
    EXPECT_EQ(c.options.format, CliOptions::Format::Groups);
    EXPECT_TRUE(c.options.quiet);
    EXPECT_EQ(c.options.folders, args({"/data", "--odd-folder"}));
    EXPECT_EQ(c.options.excludes, args({"/data/old", "tmp"}));

    const struct
    {
        const char *name;
        int engine;
    } engines[] = {{"byte", ScanOptions::ByteToByte},
                   {"crc", ScanOptions::Crc32},
                   {"name", ScanOptions::SameName},
                   {"zero", ScanOptions::ZeroSize}};
    for (const auto &e : engines)
        EXPECT_EQ(parseCommandLine(args({"--engine", e.name, "/x"})).options.scan.engine, e.engine) << e.name;

    EXPECT_EQ(parseCommandLine(args({"--help"})).action, CliCommand::Action::Help);
    EXPECT_EQ(parseCommandLine(args({"-h", "--bogus-later"})).action, CliCommand::Action::BadUsage);
    EXPECT_EQ(parseCommandLine(args({"/x", "-h"})).action, CliCommand::Action::Help);

    const CliCommand acting = parseCommandLine(
        args({"--load", "s.cvf", "--mark", "saved", "--mark=in:/x", "--move", "/d", "--remove-empty-folders"}));
    ASSERT_EQ(acting.action, CliCommand::Action::Scan) << acting.error.toStdString();
    EXPECT_EQ(acting.options.actions.marks, args({"saved", "in:/x"}));
    EXPECT_TRUE(acting.options.actions.removeEmptyFolders);
    EXPECT_TRUE(parseCommandLine(args({"--engine", "pictures", "/x"})).options.scan.usePictureCache);
    EXPECT_FALSE(parseCommandLine(args({"--engine", "pictures", "--no-cache", "/x"})).options.scan.usePictureCache);
    const CliCommand largest = parseCommandLine(args({"--min", "9007199254740990", "--max", "9007199254740991", "/x"}));
    ASSERT_EQ(largest.action, CliCommand::Action::Scan) << largest.error.toStdString();
    EXPECT_EQ(largest.options.maxKb, QStringLiteral("9007199254740991"));
}

TEST(CliOptions, BadCommandLinesSayWhy)
{
    const struct
    {
        std::initializer_list<const char *> line;
        const char *error;
    } cases[] = {
        {{}, "no folder to search"},
        {{"--quiet"}, "no folder to search"},
        {{"--engine", "fast", "/x"}, "--engine is one of byte, crc, name, zero, folders, pictures; not \"fast\""},
        {{"--similarity", "close", "/x"}, "--similarity works only with --engine pictures"},
        {{"--no-cache", "/x"}, "--no-cache works only with --engine pictures"},
        {{"--engine", "pictures", "--similarity", "near", "/x"},
         "--similarity is strict, close or loose; not \"near\""},
        {{"--engine", "pictures", "--mark", "keep-largest", "--link", "hard", "/x"},
         "--engine pictures lists similar pictures, which are different files: they are not replaced with links"},
        {{"--contained", "/x"}, "--contained works only with --engine folders"},
        {{"--engine", "folders", "--min", "10", "/x"},
         "--engine folders compares whole folders: --min, --max, --mask and --no-subfolders do not apply"},
        {{"--engine", "folders", "--mark", "keep-oldest", "--copy", "/y", "/x"},
         "--engine folders sends marked folders to the trash, deletes or moves them: copy and link their files with "
         "--engine byte"},
        {{"/x", "--engine"}, "--engine wants a value (ENGINE)"},
        {{"--min", "-3", "/x"}, "--min wants a size in kilobytes, not \"-3\""},
        {{"--max", "big", "/x"}, "--max wants a size in kilobytes, not \"big\""},
        {{"--format", "csv", "/x"}, "--format is text, groups, json or null; not \"csv\""},
        {{"--color", "/x"}, "unknown option \"--color\""},
        {{"-r", "/x"}, "unknown option \"-r\""},
        {{"--quiet=yes", "/x"}, "--quiet takes no value"},
        {{"--engine", "crc", "--fuzzy", "/x"}, "--fuzzy works only with --engine byte"},
        {{"--mask", " ", "/x"}, "--mask wants a mask such as \"*.jpg;*.png\""},
        {{"--trash", "/x"}, "--trash, --delete, --move, --copy and --link act on marked files: say which with --mark"},
        {{"--mark", "newest", "/x"},
         "--mark is keep-newest, keep-oldest, keep-largest, keep-smallest, saved or in:FOLDER; not \"newest\""},
        {{"--mark", "in:", "/x"},
         "--mark is keep-newest, keep-oldest, keep-largest, keep-smallest, saved or in:FOLDER; not \"in:\""},
        {{"--mark", "saved", "/x"}, "--mark saved works only with --load"},
        {{"--remove-empty-folders", "/x"}, "--remove-empty-folders works only with --trash, --delete or --move"},
        {{"--mark", "all-duplicates", "--copy", "/d", "--remove-empty-folders", "/x"},
         "--remove-empty-folders works only with --trash, --delete or --move"},
        {{"--mark", "all-duplicates", "--link", "hard", "--remove-empty-folders", "/x"},
         "--remove-empty-folders works only with --trash, --delete or --move"},
        // Numbers that overflow, and limits the window's Add dialog refuses too.
        {{"--min", "99999999999999999999", "/x"},
         "--min 99999999999999999999 is too large: at most 9007199254740991 kilobytes"},
        {{"--max", "9007199254740992", "/x"},
         "--max 9007199254740992 is too large: at most 9007199254740991 kilobytes"},
        {{"--min", "10", "--max", "5", "/x"},
         "the maximum size (--max 5) must be greater than the minimum size (--min 10)"},
        {{"--min", "10", "--max", "10", "/x"},
         "the maximum size (--max 10) must be greater than the minimum size (--min 10)"},
        {{"--mark", "all-duplicates", "--trash", "--delete", "/x"},
         "only one of --trash, --delete, --move, --copy and --link can be given"},
        {{"--mark", "all-duplicates", "--move", "", "/x"}, "--move wants a folder"},
        {{"--mark", "all-duplicates", "--dry-run", "/x"},
         "--dry-run works only with --trash, --delete, --move, --copy or --link"},
    };
    for (const auto &c : cases)
    {
        const CliCommand command = parseCommandLine(args(c.line));
        EXPECT_EQ(command.action, CliCommand::Action::BadUsage) << c.error;
        EXPECT_EQ(command.error, QString::fromUtf8(c.error));
    }
}

TEST(CliOptions, FoldersBecomeSearchLocations)
{
    const CliCommand c = parseCommandLine(
        args({"--mask", "*.txt", "--min", "1", "--max", "2", "photos", "/srv/./a/", "--exclude", "photos/old"}));
    const SearchLocationList list = c.options.locations(QStringLiteral("/home/u"));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.at(0).folder, QStringLiteral("/home/u/photos"));
    EXPECT_EQ(list.at(0).subFolders, QStringLiteral("Yes"));
    EXPECT_EQ(list.at(0).mask, QStringLiteral("*.txt"));
    EXPECT_EQ(list.at(0).minSize, QStringLiteral("1"));
    EXPECT_EQ(list.at(0).maxSize, QStringLiteral("2"));
    EXPECT_FALSE(list.at(0).excluded());
    EXPECT_EQ(list.at(1).folder, QStringLiteral("/srv/a"));
    EXPECT_EQ(list.at(2).folder, QStringLiteral("/home/u/photos/old"));
    EXPECT_TRUE(list.at(2).excluded());
}

TEST(CliOptions, HelpNamesEveryOption)
{
    const QString help = helpText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: corvina-cli [options] FOLDER...\n")));
    for (const char *option :
         {"--engine ENGINE", "--fuzzy",          "--mask TEXT",   "--min KB",     "--max KB",
          "--no-subfolders", "--exclude FOLDER", "--hidden",      "--no-protect", "--format FORMAT",
          "--quiet",         "--verbose",        "--help",        "--mark RULE",  "--trash",
          "--delete",        "--move FOLDER",    "--copy FOLDER", "--dry-run",    "--remove-empty-folders"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(option))) << option;
    for (const QString &line : help.split(u'\n'))
        EXPECT_LE(line.size(), 100) << line.toStdString();
}

TEST(CliActions, EveryRuleMarksTheRowsWhereTheyStand)
{
    // As a session saved after a sort loads: the group numbered second by the search stands first.
    std::vector<ResultRow> rows{row("/b/y", 6, 1), row("/a/y", 6, 1), row("/b/x", 5, 2), row("/a/x", 5, 2)};
    rows[0].sortGroup = rows[1].sortGroup = 2;
    rows[2].sortGroup = rows[3].sortGroup = 1;
    rows[1].stamp = rows[3].stamp = 20030101000000; // the files in /a/ are the older ones
    const struct
    {
        QStringList marks;
        std::vector<bool> marked;
    } cases[] = {
        {{QStringLiteral("all-duplicates")}, {false, true, false, true}},
        {{QStringLiteral("keep-oldest")}, {true, false, true, false}},
        {{QStringLiteral("in:/a")}, {false, true, false, true}},
        {{QStringLiteral("in:/b"), QStringLiteral("keep-oldest")}, {true, false, true, false}},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.marks.join(u' ').toStdString());
        ResultModel model;
        model.setGroupedRows(rows);
        CliActionOptions options;
        options.marks = c.marks;
        CliActions::mark(model, options);
        for (size_t i = 0; i < rows.size(); ++i)
        {
            EXPECT_EQ(model.row(static_cast<int>(i)).fullPath(), rows[i].fullPath()) << i;
            EXPECT_EQ(model.row(static_cast<int>(i)).group, rows[i].group) << i;
            EXPECT_EQ(model.isMarked(static_cast<int>(i)), c.marked[i]) << i;
        }
    }
}

TEST(CliOutput, TextShowsNumberedGroups)
{
    const QByteArray text =
        written(CliOutput::writeText, {row("/a/x.exe", 1536, 1, "5.1.2600.0"), row("/b/x.exe", 1536, 1),
                                       row("/a/y.txt", 12, 2), row("/b/y copy.txt", 12, 2)});
    EXPECT_EQ(text, QByteArray("Group 1\n"
                               "  1536  3/7/2004 9:05:03 PM  5.1.2600.0  /a/x.exe\n"
                               "  1536  3/7/2004 9:05:03 PM  N/A         /b/x.exe\n"
                               "\n"
                               "Group 2\n"
                               "  12  3/7/2004 9:05:03 PM  N/A  /a/y.txt\n"
                               "  12  3/7/2004 9:05:03 PM  N/A  /b/y copy.txt\n"
                               "\n"));
    EXPECT_EQ(written(CliOutput::writeText, {}), QByteArray());
}

TEST(CliOutput, GroupsAreTabSeparatedLines)
{
    EXPECT_EQ(written(CliOutput::writeGroups, {row("/a/x", 5, 1), row("/b/x", 5, 1), row("/c/x", 5, 1),
                                               row("/a/tab\there", 9, 2), row("/b/new\nline", 9, 2)}),
              QByteArray("/a/x\t/b/x\t/c/x\n/a/tab\\there\t/b/new\\nline\n"));
    // Rows without a group (the zero-size listing) stand one to a line.
    EXPECT_EQ(written(CliOutput::writeGroups, {row("/a/e1", 0, 0), row("/b/e2", 0, 0)}), QByteArray("/a/e1\n/b/e2\n"));
}

TEST(CliText, NamesNeverReachTheTerminalRawAndPrintfGivesTheBytesBack)
{
    const QString loneByte(QChar(char16_t(0xDCE9)));
    const std::vector<std::pair<QString, QByteArray>> cases{
        {QStringLiteral("/a/plain name.txt"), "/a/plain name.txt"},
        {QStringLiteral("/a/tab\there"), "/a/tab\\there"},
        {QStringLiteral("/a/new\nline\r"), "/a/new\\nline\\r"},
        {QStringLiteral("/a/back\\slash"), "/a/back\\\\slash"},
        {QStringLiteral("/a/\x1b[31mred"), "/a/\\x1b[31mred"},
        {QStringLiteral("/a/bell\x07"
                        "del\x7f"),
         "/a/bell\\x07del\\x7f"},
        {QStringLiteral("/a/c1\u009b"), "/a/c1\\xc2\\x9b"},
        {QStringLiteral("/a/caf") + loneByte, "/a/caf\\xe9"},
        {QStringLiteral("/a/caf\u00e9 \U0001F480"), "/a/caf\xc3\xa9 \xf0\x9f\x92\x80"},
    };
    for (const auto &[name, bytes] : cases)
    {
        EXPECT_EQ(CliText::escaped(name), bytes) << name.toStdString();
        // printf '%b' turns the text back into the name's bytes.
        QProcess printf;
        printf.start(QStringLiteral("printf"), {QStringLiteral("%b"), QString::fromUtf8(CliText::escaped(name))});
        ASSERT_TRUE(printf.waitForFinished(60000));
        EXPECT_EQ(printf.readAllStandardOutput(), NativePath::encode(name)) << name.toStdString();
    }
}

TEST(CliOutput, JsonParsesBackWithEveryField)
{
    ResultModel model;
    ResultRow latin = row("/b/caf", 1536, 1);
    latin.setName(QString(latin.name() + QChar(char16_t(0xDCE9))));
    latin.marked = true;
    model.setRows({row("/a/new\nline.bin", 1536, 1), latin, row("/a/same.txt", 10, 2), row("/b/same.txt", 12, 2),
                   row("/a/empty", 0, 0), row("/b/empty", 0, 0)});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CliOutput::writeJson(model, buffer, true);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(buffer.data(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray groups = doc.array();
    ASSERT_EQ(groups.size(), 4) << "two groups, then each file of the zero-size listing alone";

    const QJsonObject first = groups[0].toObject();
    EXPECT_EQ(first[u"group"].toInt(), 1);
    EXPECT_EQ(first[u"size"].toInteger(), 1536);
    const QJsonArray files = first[u"files"].toArray();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0][u"path"].toString(), QStringLiteral("/a/new\nline.bin"));
    EXPECT_EQ(files[0][u"size"].toInteger(), 1536);
    EXPECT_EQ(QDateTime::fromString(files[0][u"modified"].toString(), Qt::ISODate),
              QDateTime(QDate(2004, 3, 7), QTime(21, 5, 3)));
    EXPECT_FALSE(files[0][u"marked"].toBool());
    EXPECT_FALSE(files[0].toObject().contains(u"path_base64"));
    EXPECT_EQ(files[1][u"path"].toString(), QStringLiteral("/b/caf\uFFFD"));
    EXPECT_EQ(QByteArray::fromBase64(files[1][u"path_base64"].toString().toLatin1()), QByteArray("/b/caf\xe9"));
    EXPECT_TRUE(files[1][u"marked"].toBool());

    EXPECT_TRUE(groups[1][u"size"].isNull()) << "a search by name groups files of several sizes";
    EXPECT_TRUE(groups[2][u"group"].isNull());
    EXPECT_EQ(groups[3][u"files"][0][u"path"].toString(), QStringLiteral("/b/empty"));

    QBuffer empty;
    empty.open(QIODevice::WriteOnly);
    CliOutput::writeJson(ResultModel(), empty, false);
    EXPECT_TRUE(QJsonDocument::fromJson(empty.data()).array().isEmpty());
}

TEST(CliOutput, TheNullFormatEndsEachPathWithANulByte)
{
    ResultModel model;
    ResultRow tab = row("/b/tab\there", 5, 1);
    tab.marked = true;
    model.setRows({row("/a/x", 5, 1), tab, row("/a/new\nline", 9, 2), row("/b/y", 9, 2)});
    for (const bool onlyMarked : {false, true})
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CliOutput::writeNul(model, buffer, onlyMarked);
        const char nul = '\0';
        const QByteArray marked = QByteArray("/b/tab\there") + nul;
        const QByteArray all = QByteArray("/a/x") + nul + marked + "/a/new\nline" + nul + "/b/y" + nul;
        EXPECT_EQ(buffer.data(), onlyMarked ? marked : all);
    }
}

TEST(CliOutput, TheSummaryNamesWhatWasLeftOutAndVerboseListsIt)
{
    ScanSummary s;
    s.activity = QStringLiteral("Search Completed.");
    s.totalFiles = 3;
    s.totalFolders = 1;
    const QByteArray counts("Search Completed.\nDuplicate Files: 0  Size: 0 Bytes\nFiles : 3\nFolders : 1\n");
    EXPECT_EQ(CliOutput::summary(s), counts);
    s.skipped.push_back({QStringLiteral("/usr/share/doc"), SkippedLocation::Reason::Protected});
    s.unreadableFolders = QStringList{QStringLiteral("/x/closed/")};
    s.unreadableFiles = QStringList{QStringLiteral("/x/a\nb"), QStringLiteral("/x/c")};
    const QByteArray leftOut = counts + "Not searched: /usr/share/doc (a system folder; --no-protect searches it)\n"
                                        "Could not read: 1 folder, 2 files";
    EXPECT_EQ(CliOutput::summary(s), leftOut + " (--verbose lists them)\n");
    EXPECT_EQ(CliOutput::summary(s, true), leftOut + "\n  folder /x/closed/\n  file /x/a\\nb\n  file /x/c\n");
}

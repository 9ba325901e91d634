// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QMap>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace
{
using Key = Settings::Key;

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every key of the file with its value as QSettings reads it back ("section/key" -> text).
QMap<QString, QString> keysOf(const QString &path)
{
    QSettings file(path, QSettings::IniFormat);
    QMap<QString, QString> keys;
    for (const QString &key : file.allKeys())
        keys.insert(key, file.value(key).toStringList().join(u", "));
    return keys;
}

// Every typed value of a Settings as one comparable text per setting, in the order of the keys.
QStringList everyValue(const Settings &s)
{
    auto n = [](auto e) { return QString::number(static_cast<int>(e)); };
    return {QString::number(s.mainWindowLeft()),
            QString::number(s.mainWindowTop()),
            QString::number(s.mainWindowWidth()),
            QString::number(s.mainWindowHeight()),
            QString::number(s.mainWindowMaximized()),
            QString::number(s.viewerLeft()),
            QString::number(s.viewerTop()),
            QString::number(s.viewerWidth()),
            QString::number(s.viewerHeight()),
            QString::number(s.showViewer()),
            n(s.deletionMode()),
            QString::number(s.showTipsAtStartup()),
            QString::number(s.closeAfterSave()),
            s.selectedMask(),
            s.minFileSize(),
            s.maxFileSize(),
            s.fileMasks().join(u'|'),
            n(s.exportRows()),
            n(s.exportFormat()),
            QString::number(s.openAfterExport()),
            n(s.exportDelimiter()),
            n(s.sizeLimit()),
            s.sizeLimitText(),
            n(s.sizeLimitUnit()),
            n(s.markingKeep()),
            n(s.markingSizeLimit()),
            s.markingSizeText(),
            n(s.markingSizeUnit()),
            s.markingRangeMask(),
            QString::number(s.markingIncludeSubFolders()),
            s.markingFolderMask()};
}

QStringList defaults()
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("fresh.ini")));
    return everyValue(Settings(store));
}

// A file as Corvina wrote it before the settings had types, every value other than its default,
// with twelve masks (QSettings would sort "10" and "11" before "2").
const QByteArray kOldFile = R"ini([WindowSize]
__order__=W, H, T, L, Maximized
W=10800
H=7500
T=675
L=450
Maximized=1

[PicWindowSize]
__order__=W, H, T, L
W=3000
H=4000
T=150
L=-300

[Options]
__order__=Display, RecycleBin, Show Tips at Startup, MinFileSize, MaxFileSize, ChkClose
Display=9
RecycleBin=11
Show%20Tips%20at%20Startup=0
MinFileSize=1.5
MaxFileSize=2048
ChkClose=0

[FileMaskSelected]
__order__=Value
Value=Documents(*.doc *.pdf *.rtf *.xls *.ppt)

[FileMask]
__order__=0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11
0=m0
1=m1
2=m2
3=m3
4=m4
5=m5
6=m6
7=m7
8=m8
9=m9
10=m10
11=m11

[Export]
__order__=ExportType, ExportFormat, OpenFile, ExportChar
ExportType=3
ExportFormat=1
OpenFile=0
ExportChar=4

[MaxLimit]
__order__=Option
Option=3

[MaxText]
__order__=Value
Value=250

[MaxSet]
__order__=Value
Value=2

[AdvMarking]
__order__=DateTime, FileSize, Version, SizeLimit, txtSize, cmbSizeOptions, cmbFileMask1, chkIncSubFolders, cmbFileMask2
DateTime=0
FileSize=2
Version=0
SizeLimit=2
txtSize=12
cmbSizeOptions=GB
cmbFileMask1="Images (*.jpg, *.png)"
chkIncSubFolders=0
cmbFileMask2=*.iso
)ini";

const QStringList kTwelveMasks{QStringLiteral("m0"), QStringLiteral("m1"),  QStringLiteral("m2"),
                               QStringLiteral("m3"), QStringLiteral("m4"),  QStringLiteral("m5"),
                               QStringLiteral("m6"), QStringLiteral("m7"),  QStringLiteral("m8"),
                               QStringLiteral("m9"), QStringLiteral("m10"), QStringLiteral("m11")};
} // namespace

TEST(Settings, FreshFileGivesEveryDefaultAndStaysEmpty)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
    SettingsStore store(ini);
    const Settings s(store);
    EXPECT_EQ(s.mainWindowLeft(), 0);
    EXPECT_EQ(s.mainWindowTop(), 0);
    EXPECT_EQ(s.mainWindowWidth(), 12000);
    EXPECT_EQ(s.mainWindowHeight(), 8000);
    EXPECT_FALSE(s.mainWindowMaximized());
    EXPECT_EQ(s.viewerLeft(), 9000);
    EXPECT_EQ(s.viewerTop(), 2500);
    EXPECT_EQ(s.viewerWidth(), 2000);
    EXPECT_EQ(s.viewerHeight(), 2500);
    EXPECT_TRUE(s.showViewer());
    EXPECT_EQ(s.deletionMode(), Settings::DeletionMode::Trash);
    EXPECT_TRUE(s.showTipsAtStartup());
    EXPECT_TRUE(s.closeAfterSave());
    EXPECT_EQ(s.selectedMask(), QStringLiteral("All files(*.*)"));
    EXPECT_EQ(s.minFileSize(), QStringLiteral("10"));
    EXPECT_EQ(s.maxFileSize(), QString());
    EXPECT_TRUE(s.fileMasks().isEmpty());
    EXPECT_EQ(s.exportRows(), Settings::ExportRows::All);
    EXPECT_EQ(s.exportFormat(), Settings::ExportAs::Delimited);
    EXPECT_TRUE(s.openAfterExport());
    EXPECT_EQ(s.exportDelimiter(), Settings::ExportDelimiter::Comma);
    EXPECT_EQ(s.sizeLimit(), Settings::SizeLimit::Cd);
    EXPECT_EQ(s.sizeLimitText(), QStringLiteral("0"));
    EXPECT_EQ(s.sizeLimitUnit(), Settings::SizeUnit::KB);
    EXPECT_EQ(s.markingKeep(), Settings::KeepRule::NewerFiles);
    EXPECT_EQ(s.markingSizeLimit(), Settings::SizeLimit::None);
    EXPECT_EQ(s.markingSizeText(), QString());
    EXPECT_EQ(s.markingSizeUnit(), Settings::SizeUnit::KB);
    EXPECT_EQ(s.markingRangeMask(), QStringLiteral("All files(*.*)"));
    EXPECT_TRUE(s.markingIncludeSubFolders());
    EXPECT_EQ(s.markingFolderMask(), QStringLiteral("All files(*.*)"));
    EXPECT_TRUE(keysOf(ini).isEmpty()) << "reading writes nothing";
}

TEST(Settings, OldFileIsReadInTheNewFormAndRewrittenOnce)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
    writeFile(ini, kOldFile);
    QStringList migrated;
    {
        SettingsStore store(ini);
        const Settings s(store);
        EXPECT_EQ(s.mainWindowLeft(), 450);
        EXPECT_EQ(s.mainWindowTop(), 675);
        EXPECT_EQ(s.mainWindowWidth(), 10800);
        EXPECT_EQ(s.mainWindowHeight(), 7500);
        EXPECT_TRUE(s.mainWindowMaximized());
        EXPECT_EQ(s.viewerLeft(), -300);
        EXPECT_EQ(s.viewerTop(), 150);
        EXPECT_EQ(s.viewerWidth(), 3000);
        EXPECT_EQ(s.viewerHeight(), 4000);
        EXPECT_FALSE(s.showViewer());
        EXPECT_EQ(s.deletionMode(), Settings::DeletionMode::Permanent);
        EXPECT_FALSE(s.showTipsAtStartup());
        EXPECT_FALSE(s.closeAfterSave());
        EXPECT_EQ(s.selectedMask(), QStringLiteral("Documents(*.doc *.pdf *.rtf *.xls *.ppt)"));
        EXPECT_EQ(s.minFileSize(), QStringLiteral("1.5"));
        EXPECT_EQ(s.maxFileSize(), QStringLiteral("2048"));
        EXPECT_EQ(s.fileMasks(), kTwelveMasks);
        EXPECT_EQ(s.exportRows(), Settings::ExportRows::Selected);
        EXPECT_EQ(s.exportFormat(), Settings::ExportAs::Html);
        EXPECT_FALSE(s.openAfterExport());
        EXPECT_EQ(s.exportDelimiter(), Settings::ExportDelimiter::Other);
        EXPECT_EQ(s.sizeLimit(), Settings::SizeLimit::Specified);
        EXPECT_EQ(s.sizeLimitText(), QStringLiteral("250"));
        EXPECT_EQ(s.sizeLimitUnit(), Settings::SizeUnit::GB);
        EXPECT_EQ(s.markingKeep(), Settings::KeepRule::SmallerFiles);
        EXPECT_EQ(s.markingSizeLimit(), Settings::SizeLimit::Dvd);
        EXPECT_EQ(s.markingSizeText(), QStringLiteral("12"));
        EXPECT_EQ(s.markingSizeUnit(), Settings::SizeUnit::GB);
        EXPECT_EQ(s.markingRangeMask(), QStringLiteral("Images (*.jpg, *.png)"));
        EXPECT_FALSE(s.markingIncludeSubFolders());
        EXPECT_EQ(s.markingFolderMask(), QStringLiteral("*.iso"));
        migrated = everyValue(s);
    }

    QMap<QString, QString> expected{
        {QStringLiteral("MainWindow/Left"), QStringLiteral("450")},
        {QStringLiteral("MainWindow/Top"), QStringLiteral("675")},
        {QStringLiteral("MainWindow/Width"), QStringLiteral("10800")},
        {QStringLiteral("MainWindow/Height"), QStringLiteral("7500")},
        {QStringLiteral("MainWindow/Maximized"), QStringLiteral("true")},
        {QStringLiteral("ViewerWindow/Left"), QStringLiteral("-300")},
        {QStringLiteral("ViewerWindow/Top"), QStringLiteral("150")},
        {QStringLiteral("ViewerWindow/Width"), QStringLiteral("3000")},
        {QStringLiteral("ViewerWindow/Height"), QStringLiteral("4000")},
        {QStringLiteral("Options/ShowViewer"), QStringLiteral("false")},
        {QStringLiteral("Options/DeleteTo"), QStringLiteral("permanent")},
        {QStringLiteral("Options/ShowTipsAtStartup"), QStringLiteral("false")},
        {QStringLiteral("Options/CloseAfterSave"), QStringLiteral("false")},
        {QStringLiteral("Search/SelectedMask"), QStringLiteral("Documents(*.doc *.pdf *.rtf *.xls *.ppt)")},
        {QStringLiteral("Search/MinFileSize"), QStringLiteral("1.5")},
        {QStringLiteral("Search/MaxFileSize"), QStringLiteral("2048")},
        {QStringLiteral("Export/Rows"), QStringLiteral("selected")},
        {QStringLiteral("Export/Format"), QStringLiteral("html")},
        {QStringLiteral("Export/OpenAfterExport"), QStringLiteral("false")},
        {QStringLiteral("Export/Delimiter"), QStringLiteral("other")},
        {QStringLiteral("SizeLimit/Limit"), QStringLiteral("specified")},
        {QStringLiteral("SizeLimit/Size"), QStringLiteral("250")},
        {QStringLiteral("SizeLimit/Unit"), QStringLiteral("GB")},
        {QStringLiteral("AdvancedMarking/Keep"), QStringLiteral("smaller-files")},
        {QStringLiteral("AdvancedMarking/SizeLimit"), QStringLiteral("dvd")},
        {QStringLiteral("AdvancedMarking/Size"), QStringLiteral("12")},
        {QStringLiteral("AdvancedMarking/Unit"), QStringLiteral("GB")},
        {QStringLiteral("AdvancedMarking/RangeMask"), QStringLiteral("Images (*.jpg, *.png)")},
        {QStringLiteral("AdvancedMarking/IncludeSubFolders"), QStringLiteral("false")},
        {QStringLiteral("AdvancedMarking/FolderMask"), QStringLiteral("*.iso")},
        // The list of masks keeps its form.
        {QStringLiteral("FileMask/__order__"), kTwelveMasks.join(u", ").remove(u'm')},
    };
    for (int i = 0; i < kTwelveMasks.size(); ++i)
        expected.insert(QStringLiteral("FileMask/%1").arg(i), kTwelveMasks[i]);
    EXPECT_EQ(keysOf(ini), expected) << readFile(ini).toStdString();

    // Read back equal, and the second start leaves the file as it is.
    const QByteArray rewritten = readFile(ini);
    {
        SettingsStore store(ini);
        const Settings again(store);
        EXPECT_EQ(everyValue(again), migrated);
    }
    EXPECT_EQ(readFile(ini), rewritten);
}

// One old key (or the keep rule's three) at a time: the new key and its text, or no new key when
// the old program never wrote that value.
TEST(Settings, EachOldValueMovesToItsNewKey)
{
    struct Case
    {
        QByteArray old;                 // the old section with its key(s)
        QString newKey;                 // "section/key"
        std::optional<QString> newText; // nothing: the new key is not written
    };
    const Case cases[] = {
        {"[WindowSize]\nW=9000\n", QStringLiteral("MainWindow/Width"), QStringLiteral("9000")},
        {"[WindowSize]\nL=-15\n", QStringLiteral("MainWindow/Left"), QStringLiteral("-15")},
        {"[WindowSize]\nH=wide\n", QStringLiteral("MainWindow/Height"), std::nullopt},
        // The old window read its place as any number: a fraction is rounded to a whole twip.
        {"[WindowSize]\nW=15000.5\n", QStringLiteral("MainWindow/Width"), QStringLiteral("15001")},
        {"[WindowSize]\nH=1e99\n", QStringLiteral("MainWindow/Height"), std::nullopt},
        {"[WindowSize]\nT=12x\n", QStringLiteral("MainWindow/Top"), std::nullopt},
        {"[WindowSize]\nMaximized=0\n", QStringLiteral("MainWindow/Maximized"), QStringLiteral("false")},
        {"[WindowSize]\nMaximized=yes\n", QStringLiteral("MainWindow/Maximized"), std::nullopt},
        {"[PicWindowSize]\nT=30\n", QStringLiteral("ViewerWindow/Top"), QStringLiteral("30")},
        {"[Options]\nDisplay=10\n", QStringLiteral("Options/ShowViewer"), QStringLiteral("true")},
        {"[Options]\nDisplay=9\n", QStringLiteral("Options/ShowViewer"), QStringLiteral("false")},
        {"[Options]\nDisplay=1\n", QStringLiteral("Options/ShowViewer"), std::nullopt},
        {"[Options]\nDisplay=\n", QStringLiteral("Options/ShowViewer"), std::nullopt},
        {"[Options]\nRecycleBin=12\n", QStringLiteral("Options/DeleteTo"), QStringLiteral("trash")},
        {"[Options]\nRecycleBin=11\n", QStringLiteral("Options/DeleteTo"), QStringLiteral("permanent")},
        {"[Options]\nRecycleBin=0\n", QStringLiteral("Options/DeleteTo"), std::nullopt},
        {"[Options]\nRecycleBin=recycle\n", QStringLiteral("Options/DeleteTo"), std::nullopt},
        {"[Options]\nShow%20Tips%20at%20Startup=1\n", QStringLiteral("Options/ShowTipsAtStartup"),
         QStringLiteral("true")},
        {"[Options]\nChkClose=1\n", QStringLiteral("Options/CloseAfterSave"), QStringLiteral("true")},
        {"[Options]\nChkClose=2\n", QStringLiteral("Options/CloseAfterSave"), std::nullopt},
        // A mask typed by hand with commas and no quotes.
        {"[FileMaskSelected]\nValue=Images (*.jpg, *.png)\n", QStringLiteral("Search/SelectedMask"),
         QStringLiteral("Images (*.jpg, *.png)")},
        {"[Options]\nMaxFileSize=\n", QStringLiteral("Search/MaxFileSize"), QString()},
        {"[Export]\nExportType=1\n", QStringLiteral("Export/Rows"), QStringLiteral("all")},
        {"[Export]\nExportType=2\n", QStringLiteral("Export/Rows"), QStringLiteral("marked")},
        {"[Export]\nExportType=4\n", QStringLiteral("Export/Rows"), std::nullopt},
        {"[Export]\nExportFormat=2\n", QStringLiteral("Export/Format"), QStringLiteral("delimited")},
        {"[Export]\nExportFormat=3\n", QStringLiteral("Export/Format"), std::nullopt},
        {"[Export]\nOpenFile=1\n", QStringLiteral("Export/OpenAfterExport"), QStringLiteral("true")},
        {"[Export]\nOpenFile=yes\n", QStringLiteral("Export/OpenAfterExport"), std::nullopt},
        {"[Export]\nExportChar=1\n", QStringLiteral("Export/Delimiter"), QStringLiteral("tab")},
        {"[Export]\nExportChar=2\n", QStringLiteral("Export/Delimiter"), QStringLiteral("comma")},
        {"[Export]\nExportChar=3\n", QStringLiteral("Export/Delimiter"), QStringLiteral("semicolon")},
        {"[Export]\nExportChar=5\n", QStringLiteral("Export/Delimiter"), std::nullopt},
        {"[MaxLimit]\nOption=1\n", QStringLiteral("SizeLimit/Limit"), QStringLiteral("cd")},
        {"[MaxLimit]\nOption=2\n", QStringLiteral("SizeLimit/Limit"), QStringLiteral("dvd")},
        {"[MaxLimit]\nOption=0\n", QStringLiteral("SizeLimit/Limit"), std::nullopt},
        {"[MaxSet]\nValue=0\n", QStringLiteral("SizeLimit/Unit"), QStringLiteral("KB")},
        {"[MaxSet]\nValue=1\n", QStringLiteral("SizeLimit/Unit"), QStringLiteral("MB")},
        {"[MaxSet]\nValue=3\n", QStringLiteral("SizeLimit/Unit"), std::nullopt},
        {"[MaxSet]\nValue=-1\n", QStringLiteral("SizeLimit/Unit"), std::nullopt}, // no unit was chosen
        {"[MaxText]\nValue=1.5\n", QStringLiteral("SizeLimit/Size"), QStringLiteral("1.5")},
        {"[AdvMarking]\nSizeLimit=0\n", QStringLiteral("AdvancedMarking/SizeLimit"), QStringLiteral("none")},
        {"[AdvMarking]\nSizeLimit=1\n", QStringLiteral("AdvancedMarking/SizeLimit"), QStringLiteral("cd")},
        {"[AdvMarking]\nSizeLimit=3\n", QStringLiteral("AdvancedMarking/SizeLimit"), QStringLiteral("specified")},
        {"[AdvMarking]\nSizeLimit=4\n", QStringLiteral("AdvancedMarking/SizeLimit"), std::nullopt},
        {"[AdvMarking]\ncmbSizeOptions=KB\n", QStringLiteral("AdvancedMarking/Unit"), QStringLiteral("KB")},
        {"[AdvMarking]\ncmbSizeOptions=MB\n", QStringLiteral("AdvancedMarking/Unit"), QStringLiteral("MB")},
        {"[AdvMarking]\ncmbSizeOptions=TB\n", QStringLiteral("AdvancedMarking/Unit"), std::nullopt},
        {"[AdvMarking]\nchkIncSubFolders=1\n", QStringLiteral("AdvancedMarking/IncludeSubFolders"),
         QStringLiteral("true")},
        {"[AdvMarking]\nchkIncSubFolders=x\n", QStringLiteral("AdvancedMarking/IncludeSubFolders"), std::nullopt},
        {"[AdvMarking]\ntxtSize=12x\n", QStringLiteral("AdvancedMarking/Size"), QStringLiteral("12x")},
        // The keep rule: the first of date, size and version set; a missing date counts as "newer".
        {"[AdvMarking]\nDateTime=1\nFileSize=0\nVersion=0\n", QStringLiteral("AdvancedMarking/Keep"),
         QStringLiteral("newer-files")},
        {"[AdvMarking]\nDateTime=2\nFileSize=1\nVersion=0\n", QStringLiteral("AdvancedMarking/Keep"),
         QStringLiteral("older-files")},
        {"[AdvMarking]\nDateTime=0\nFileSize=1\nVersion=2\n", QStringLiteral("AdvancedMarking/Keep"),
         QStringLiteral("larger-files")},
        {"[AdvMarking]\nDateTime=0\nFileSize=0\nVersion=1\n", QStringLiteral("AdvancedMarking/Keep"),
         QStringLiteral("newer-version")},
        {"[AdvMarking]\nDateTime=0\nFileSize=0\nVersion=2\n", QStringLiteral("AdvancedMarking/Keep"),
         QStringLiteral("older-version")},
        {"[AdvMarking]\nDateTime=0\nFileSize=0\nVersion=0\n", QStringLiteral("AdvancedMarking/Keep"),
         QStringLiteral("newer-files")},
        {"[AdvMarking]\nFileSize=2\n", QStringLiteral("AdvancedMarking/Keep"), QStringLiteral("newer-files")},
        {"[AdvMarking]\nDateTime=7\nFileSize=x\nVersion=2\n", QStringLiteral("AdvancedMarking/Keep"),
         QStringLiteral("older-version")},
    };
    for (const Case &c : cases)
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
        writeFile(ini, c.old);
        {
            SettingsStore store(ini);
            const Settings s(store);
        }
        QMap<QString, QString> expected;
        if (c.newText)
            expected.insert(c.newKey, *c.newText);
        EXPECT_EQ(keysOf(ini), expected) << c.old.toStdString();
    }
}

// An older Corvina run on the same file after the migration writes the old keys again: they are
// its user's latest choices. An old value it never wrote does not replace a good new one.
TEST(Settings, OldKeyWrittenAfterTheMigrationWinsUnlessDamaged)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
    writeFile(ini, "[Options]\nDeleteTo=trash\nRecycleBin=11\nShowViewer=false\nDisplay=banana\n");
    SettingsStore store(ini);
    const Settings s(store);
    EXPECT_EQ(s.deletionMode(), Settings::DeletionMode::Permanent);
    EXPECT_FALSE(s.showViewer());
    const QMap<QString, QString> expected{{QStringLiteral("Options/DeleteTo"), QStringLiteral("permanent")},
                                          {QStringLiteral("Options/ShowViewer"), QStringLiteral("false")}};
    EXPECT_EQ(keysOf(ini), expected);
}

TEST(Settings, GarbageReadsAsTheDefaults)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
    writeFile(ini, R"ini([MainWindow]
Left=wide
Top=@Rect(1 2 3 4)
Width=99999999999
Height=12abc
Maximized=1

[ViewerWindow]
Left=
Top=@Variant(\0\0\0\x7f\0\0\0\x5garbage)
Width=@Variant(zz)
Height=1e3

[Options]
ShowViewer=maybe
DeleteTo=recycle
ShowTipsAtStartup=
CloseAfterSave=@Size(1 2)

[Search]
SelectedMask=@Rect(0 0 1 1)
MinFileSize=@Point(1 2)
MaxFileSize=@Size(1 2)

[FileMask]
__order__=@Rect(1 1 1 1)

[Export]
Rows=some
Format=pdf
OpenAfterExport=2
Delimiter=;

[SizeLimit]
Limit=floppy
Size=@Point(3 4)
Unit=TB

[AdvancedMarking]
Keep=everything
SizeLimit=-1
Size=@Size(5 6)
Unit=kB2
RangeMask=@Point(7 8)
IncludeSubFolders=yes
FolderMask=@Rect(0 0 1 1)

[WindowSize]
W=@Rect(0 0 1 1)
Maximized=@Variant(zz)

[AdvMarking]
DateTime=@Rect(0 0 1 1)
)ini");
    SettingsStore store(ini);
    const Settings s(store);
    EXPECT_EQ(everyValue(s), defaults());
}

// A choice is kept as a word: a number in its place (an old value, or a place in the enum) is
// damage, as is a fraction where a whole number belongs. One value at a time.
TEST(Settings, NumbersWhereWordsOrWholeNumbersBelongReadAsTheDefaults)
{
    const QStringList fresh = defaults();
    const char *const damaged[] = {
        "[Options]\nDeleteTo=11\n",
        "[Options]\nDeleteTo=1\n",
        "[Options]\nShowViewer=10\n",
        "[Options]\nCloseAfterSave=0\n",
        "[Export]\nRows=2\n",
        "[Export]\nFormat=1\n",
        "[Export]\nDelimiter=4\n",
        "[SizeLimit]\nLimit=7\n",
        "[SizeLimit]\nUnit=2\n",
        "[AdvancedMarking]\nKeep=5\n",
        "[AdvancedMarking]\nSizeLimit=3\n",
        "[AdvancedMarking]\nUnit=-1\n",
        "[MainWindow]\nLeft=1.5\n",
        "[ViewerWindow]\nWidth=2e3\n",
    };
    for (const char *text : damaged)
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
        writeFile(ini, text);
        SettingsStore store(ini);
        EXPECT_EQ(everyValue(Settings(store)), fresh) << text;
    }
}

TEST(Settings, SettersStoreTheirOwnKeyAndSignalOnlyChanges)
{
    // A value other than the default for every setting, each different from the others.
    const std::function<void(Settings &)> setters[] = {
        [](Settings &s) { s.setMainWindowLeft(15); },
        [](Settings &s) { s.setMainWindowTop(30); },
        [](Settings &s) { s.setMainWindowWidth(45); },
        [](Settings &s) { s.setMainWindowHeight(60); },
        [](Settings &s) { s.setMainWindowMaximized(true); },
        [](Settings &s) { s.setViewerLeft(75); },
        [](Settings &s) { s.setViewerTop(90); },
        [](Settings &s) { s.setViewerWidth(105); },
        [](Settings &s) { s.setViewerHeight(120); },
        [](Settings &s) { s.setShowViewer(false); },
        [](Settings &s) { s.setDeletionMode(Settings::DeletionMode::Permanent); },
        [](Settings &s) { s.setShowTipsAtStartup(false); },
        [](Settings &s) { s.setCloseAfterSave(false); },
        [](Settings &s) { s.setSelectedMask(QStringLiteral("*.iso")); },
        [](Settings &s) { s.setMinFileSize(QStringLiteral("1")); },
        [](Settings &s) { s.setMaxFileSize(QStringLiteral("2")); },
        [](Settings &s) { s.setFileMasks(kTwelveMasks); },
        [](Settings &s) { s.setExportRows(Settings::ExportRows::Marked); },
        [](Settings &s) { s.setExportFormat(Settings::ExportAs::Html); },
        [](Settings &s) { s.setOpenAfterExport(false); },
        [](Settings &s) { s.setExportDelimiter(Settings::ExportDelimiter::Semicolon); },
        [](Settings &s) { s.setSizeLimit(Settings::SizeLimit::Dvd); },
        [](Settings &s) { s.setSizeLimitText(QStringLiteral("3")); },
        [](Settings &s) { s.setSizeLimitUnit(Settings::SizeUnit::MB); },
        [](Settings &s) { s.setMarkingKeep(Settings::KeepRule::OlderVersion); },
        [](Settings &s) { s.setMarkingSizeLimit(Settings::SizeLimit::Specified); },
        [](Settings &s) { s.setMarkingSizeText(QStringLiteral("4")); },
        [](Settings &s) { s.setMarkingSizeUnit(Settings::SizeUnit::GB); },
        [](Settings &s) { s.setMarkingRangeMask(QStringLiteral("*.a")); },
        [](Settings &s) { s.setMarkingIncludeSubFolders(false); },
        [](Settings &s) { s.setMarkingFolderMask(QStringLiteral("*.b")); },
    };
    const QStringList fresh = defaults();
    ASSERT_EQ(std::size(setters), static_cast<std::size_t>(fresh.size()));

    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
    QStringList set;
    {
        SettingsStore store(ini);
        Settings s(store);
        QSignalSpy changed(&s, &Settings::changed);
        for (std::size_t i = 0; i < std::size(setters); ++i)
        {
            const QStringList before = everyValue(s);
            setters[i](s);
            const QStringList after = everyValue(s);
            for (qsizetype k = 0; k < after.size(); ++k)
                EXPECT_EQ(after[k] != before[k], k == static_cast<qsizetype>(i)) << "setter " << i << ", value " << k;
            ASSERT_EQ(changed.size(), 1) << "setter " << i;
            EXPECT_EQ(changed.takeFirst().at(0).value<Key>(), static_cast<Key>(i));
            setters[i](s);
            EXPECT_TRUE(changed.isEmpty()) << "the same value again, setter " << i;
        }
        set = everyValue(s);
    }
    SettingsStore store(ini);
    Settings again(store);
    EXPECT_EQ(everyValue(again), set);

    QSignalSpy changed(&again, &Settings::changed);
    again.restoreDefaults();
    EXPECT_EQ(everyValue(again), fresh);
    EXPECT_EQ(changed.size(), static_cast<qsizetype>(std::size(setters)));
    EXPECT_TRUE(keysOf(ini).isEmpty());
}

// The masks come back in the order written, whatever their number; an empty list removes them.
TEST(Settings, MaskListKeepsItsOrder)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Corvina.ini"));
    SettingsStore store(ini);
    Settings s(store);
    QStringList reversed = kTwelveMasks;
    std::reverse(reversed.begin(), reversed.end());
    s.setFileMasks(reversed);
    {
        SettingsStore other(ini);
        EXPECT_EQ(Settings(other).fileMasks(), reversed);
    }
    s.setFileMasks({QStringLiteral("*.iso")});
    EXPECT_EQ(s.fileMasks(), QStringList{QStringLiteral("*.iso")});
    s.setFileMasks({});
    EXPECT_TRUE(s.fileMasks().isEmpty());
    EXPECT_TRUE(keysOf(ini).isEmpty());
}

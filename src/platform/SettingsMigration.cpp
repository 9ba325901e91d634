// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsMigration.h"

#include "core/VbNumeric.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace
{
using Key = Settings::Key;
using Converter = std::optional<QString> (*)(const QString &old);

// The new text of an old value that is one of the given ones.
template <typename T>
std::optional<QString> oneOf(const QString &old, std::initializer_list<std::pair<QStringView, T>> values)
{
    for (const auto &[oldText, value] : values)
    {
        if (old.trimmed() == oldText)
            return SettingsTable::toText(value);
    }
    return std::nullopt;
}

// A place or size in twips. The old program read these as any number ("15000.5", " 9000"), so
// such a text is taken, rounded to a whole twip; a text that is no number, or one past an int, is not.
std::optional<QString> number(const QString &old)
{
    const std::optional<double> value = VbNumeric::toNumber(old);
    if (!value || !(*value > std::numeric_limits<int>::min() - 0.5 && *value < std::numeric_limits<int>::max() + 0.5))
        return std::nullopt;
    return SettingsTable::toText(static_cast<int>(std::lround(*value)));
}

std::optional<QString> flag(const QString &old)
{
    return oneOf<bool>(old, {{u"1", true}, {u"0", false}});
}

std::optional<QString> text(const QString &old)
{
    return old;
}

std::optional<QString> sizeLimitOption(const QString &old)
{
    using L = Settings::SizeLimit;
    return oneOf<L>(old, {{u"1", L::Cd}, {u"2", L::Dvd}, {u"3", L::Specified}});
}

std::optional<QString> markingSizeLimit(const QString &old)
{
    using L = Settings::SizeLimit;
    return oneOf<L>(old, {{u"0", L::None}, {u"1", L::Cd}, {u"2", L::Dvd}, {u"3", L::Specified}});
}

std::optional<QString> unitIndex(const QString &old)
{
    using U = Settings::SizeUnit;
    return oneOf<U>(old, {{u"0", U::KB}, {u"1", U::MB}, {u"2", U::GB}});
}

std::optional<QString> unitText(const QString &old)
{
    using U = Settings::SizeUnit;
    return oneOf<U>(old, {{u"KB", U::KB}, {u"MB", U::MB}, {u"GB", U::GB}});
}

struct OldKey
{
    QStringView section;
    QStringView key;
    Key to;
    Converter convert;
};

// Every key the old form had but the three keep-rule groups, with the values the old program
// wrote: numbers as digits, check boxes as "1" and "0", options as the numbers of their buttons.
const OldKey kOldKeys[] = {
    {u"WindowSize", u"L", Key::MainWindowLeft, number},
    {u"WindowSize", u"T", Key::MainWindowTop, number},
    {u"WindowSize", u"W", Key::MainWindowWidth, number},
    {u"WindowSize", u"H", Key::MainWindowHeight, number},
    {u"WindowSize", u"Maximized", Key::MainWindowMaximized, flag},
    {u"PicWindowSize", u"L", Key::ViewerLeft, number},
    {u"PicWindowSize", u"T", Key::ViewerTop, number},
    {u"PicWindowSize", u"W", Key::ViewerWidth, number},
    {u"PicWindowSize", u"H", Key::ViewerHeight, number},
    // The numbers of the toolbar pictures: 10 viewer on, 9 off; 12 recycle bin, 11 permanent.
    {u"Options", u"Display", Key::ShowViewer,
     [](const QString &old) {
         return oneOf<bool>(old, {{u"10", true}, {u"9", false}});
     }},
    {u"Options", u"RecycleBin", Key::DeleteTo,
     [](const QString &old) {
         using M = Settings::DeletionMode;
         return oneOf<M>(old, {{u"12", M::Trash}, {u"11", M::Permanent}});
     }},
    {u"Options", u"Show Tips at Startup", Key::ShowTipsAtStartup, flag},
    {u"Options", u"ChkClose", Key::CloseAfterSave, flag},
    {u"Options", u"MinFileSize", Key::MinFileSize, text},
    {u"Options", u"MaxFileSize", Key::MaxFileSize, text},
    {u"FileMaskSelected", u"Value", Key::SelectedMask, text},
    {u"Export", u"ExportType", Key::ExportRows,
     [](const QString &old) {
         using R = Settings::ExportRows;
         return oneOf<R>(old, {{u"1", R::All}, {u"2", R::Marked}, {u"3", R::Selected}});
     }},
    {u"Export", u"ExportFormat", Key::ExportFormat,
     [](const QString &old) {
         using F = Settings::ExportAs;
         return oneOf<F>(old, {{u"1", F::Html}, {u"2", F::Delimited}});
     }},
    {u"Export", u"OpenFile", Key::OpenAfterExport, flag},
    {u"Export", u"ExportChar", Key::ExportDelimiter,
     [](const QString &old) {
         using D = Settings::ExportDelimiter;
         return oneOf<D>(old, {{u"1", D::Tab}, {u"2", D::Comma}, {u"3", D::Semicolon}, {u"4", D::Other}});
     }},
    {u"MaxLimit", u"Option", Key::SizeLimit, sizeLimitOption},
    {u"MaxText", u"Value", Key::SizeLimitText, text},
    {u"MaxSet", u"Value", Key::SizeLimitUnit, unitIndex},
    {u"AdvMarking", u"SizeLimit", Key::MarkingSizeLimit, markingSizeLimit},
    {u"AdvMarking", u"txtSize", Key::MarkingSizeText, text},
    {u"AdvMarking", u"cmbSizeOptions", Key::MarkingSizeUnit, unitText},
    {u"AdvMarking", u"cmbFileMask1", Key::MarkingRangeMask, text},
    {u"AdvMarking", u"chkIncSubFolders", Key::MarkingIncludeSubFolders, flag},
    {u"AdvMarking", u"cmbFileMask2", Key::MarkingFolderMask, text},
};

// The sections of the old form, whose write order goes.
const QStringView kOldSections[] = {u"WindowSize", u"PicWindowSize", u"Options", u"FileMaskSelected", u"Export",
                                    u"MaxLimit",   u"MaxText",       u"MaxSet",  u"AdvMarking"};

void write(SettingsStore &store, Key to, const QString &value)
{
    const SettingsTable::Entry &entry = SettingsTable::entry(to);
    store.write(entry.section.toString(), entry.key.toString(), value);
}

// The old form kept the rule as three groups of options: date (1 newer, 2 older), size (1 larger,
// 2 smaller) and version (1 newer, 2 older), 0 "None", the first group set giving the rule, and
// "Keep Newer Files" when none was. A group the file lacks had the old default: date 1, the
// others 0.
void migrateKeepRule(SettingsStore &store)
{
    const QString section = QStringLiteral("AdvMarking");
    const QStringList keys{QStringLiteral("DateTime"), QStringLiteral("FileSize"), QStringLiteral("Version")};
    if (std::none_of(keys.begin(), keys.end(), [&](const QString &key) { return store.contains(section, key); }))
        return;
    auto option = [&](const QString &key, QStringView missing) {
        const QString old =
            store.contains(section, key) ? store.read(section, key).value_or(QString()) : missing.toString();
        const std::optional<int> value = SettingsTable::fromText<int>(old);
        return value == 1 || value == 2 ? *value : 0;
    };
    using R = Settings::KeepRule;
    R rule = R::NewerFiles;
    if (const int d = option(keys[0], u"1"))
        rule = d == 1 ? R::NewerFiles : R::OlderFiles;
    else if (const int s = option(keys[1], u"0"))
        rule = s == 1 ? R::LargerFiles : R::SmallerFiles;
    else if (const int v = option(keys[2], u"0"))
        rule = v == 1 ? R::NewerVersion : R::OlderVersion;
    write(store, Key::MarkingKeep, SettingsTable::toText(rule));
    for (const QString &key : keys)
        store.remove(section, key);
}
} // namespace

namespace SettingsMigration
{
void migrate(SettingsStore &store)
{
    const SettingsStore::Batch batch(store);
    for (const OldKey &old : kOldKeys)
    {
        const QString section = old.section.toString();
        const QString key = old.key.toString();
        if (!store.contains(section, key))
            continue;
        const std::optional<QString> value = store.read(section, key);
        if (const std::optional<QString> converted = value ? old.convert(*value) : std::nullopt)
            write(store, old.to, *converted);
        store.remove(section, key);
    }
    migrateKeepRule(store);
    for (const QStringView section : kOldSections)
        store.forgetOrder(section.toString());
}
} // namespace SettingsMigration

// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of Corvina: where it is kept, its type and its default, in one table, and the
// texts its values are stored as.
#pragma once

#include "platform/Settings.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace SettingsTable
{
/// The default of a list setting: no list (a section of its own, absent).
struct NoList
{
    bool operator==(const NoList &) const = default;
};

/// A default, and by its alternative the setting's type (a text default means a QString setting).
using Default =
    std::variant<bool, int, QStringView, Settings::DeletionMode, Settings::ExportRows, Settings::ExportAs,
                 Settings::ExportDelimiter, Settings::SizeLimit, Settings::SizeUnit, Settings::KeepRule, NoList>;

/// A setting: the section and key of the INI file ("[section]" and "key=value"; a list is a
/// section of its own) and its default.
struct Entry
{
    Settings::Key id;
    QStringView section;
    QStringView key;
    Default defaultValue;
};

inline constexpr Entry kSettings[] = {
    // The main window's place and size when it was last normal, in twips.
    {Settings::Key::MainWindowLeft, u"MainWindow", u"Left", 0},
    {Settings::Key::MainWindowTop, u"MainWindow", u"Top", 0},
    {Settings::Key::MainWindowWidth, u"MainWindow", u"Width", 12000},
    {Settings::Key::MainWindowHeight, u"MainWindow", u"Height", 8000},
    {Settings::Key::MainWindowMaximized, u"MainWindow", u"Maximized", false},
    // The file viewer's place and size, in twips.
    {Settings::Key::ViewerLeft, u"ViewerWindow", u"Left", 9000},
    {Settings::Key::ViewerTop, u"ViewerWindow", u"Top", 2500},
    {Settings::Key::ViewerWidth, u"ViewerWindow", u"Width", 2000},
    {Settings::Key::ViewerHeight, u"ViewerWindow", u"Height", 2500},
    {Settings::Key::ShowViewer, u"Options", u"ShowViewer", true},
    {Settings::Key::DeleteTo, u"Options", u"DeleteTo", Settings::DeletionMode::Trash},
    {Settings::Key::ShowTipsAtStartup, u"Options", u"ShowTipsAtStartup", true},
    {Settings::Key::CloseAfterSave, u"Options", u"CloseAfterSave", true},
    {Settings::Key::SelectedMask, u"Search", u"SelectedMask", QStringView(u"All files(*.*)")},
    {Settings::Key::MinFileSize, u"Search", u"MinFileSize", QStringView(u"10")},
    {Settings::Key::MaxFileSize, u"Search", u"MaxFileSize", QStringView()},
    // The masks under the keys "0", "1", ...
    {Settings::Key::FileMasks, u"FileMask", QStringView(), NoList()},
    {Settings::Key::ExportRows, u"Export", u"Rows", Settings::ExportRows::All},
    {Settings::Key::ExportFormat, u"Export", u"Format", Settings::ExportAs::Delimited},
    {Settings::Key::OpenAfterExport, u"Export", u"OpenAfterExport", true},
    {Settings::Key::ExportDelimiter, u"Export", u"Delimiter", Settings::ExportDelimiter::Comma},
    {Settings::Key::SizeLimit, u"SizeLimit", u"Limit", Settings::SizeLimit::Cd},
    {Settings::Key::SizeLimitText, u"SizeLimit", u"Size", QStringView(u"0")},
    {Settings::Key::SizeLimitUnit, u"SizeLimit", u"Unit", Settings::SizeUnit::KB},
    {Settings::Key::MarkingKeep, u"AdvancedMarking", u"Keep", Settings::KeepRule::NewerFiles},
    {Settings::Key::MarkingSizeLimit, u"AdvancedMarking", u"SizeLimit", Settings::SizeLimit::None},
    {Settings::Key::MarkingSizeText, u"AdvancedMarking", u"Size", QStringView()},
    {Settings::Key::MarkingSizeUnit, u"AdvancedMarking", u"Unit", Settings::SizeUnit::KB},
    {Settings::Key::MarkingRangeMask, u"AdvancedMarking", u"RangeMask", QStringView(u"All files(*.*)")},
    {Settings::Key::MarkingIncludeSubFolders, u"AdvancedMarking", u"IncludeSubFolders", true},
    {Settings::Key::MarkingFolderMask, u"AdvancedMarking", u"FolderMask", QStringView(u"All files(*.*)")},
    {Settings::Key::RecentSessions, u"RecentSessions", QStringView(), NoList()},
};

/// The entry of a setting.
constexpr const Entry &entry(Settings::Key id)
{
    return kSettings[static_cast<std::size_t>(id)];
}

constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < std::size(kSettings); ++i)
    {
        if (static_cast<std::size_t>(kSettings[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inKeyOrder(), "kSettings lists every Settings::Key once, in the order of the enum");
static_assert(std::size(kSettings) == static_cast<std::size_t>(Settings::Key::RecentSessions) + 1);

/// The texts the values of a choice are stored as. They are the file format: a value's text
/// never changes, whatever its name in the code.
template <typename E> struct Choices;
template <> struct Choices<Settings::DeletionMode>
{
    static constexpr std::array<std::pair<Settings::DeletionMode, QStringView>, 2> texts{{
        {Settings::DeletionMode::Trash, u"trash"},
        {Settings::DeletionMode::Permanent, u"permanent"},
    }};
};
template <> struct Choices<Settings::ExportRows>
{
    static constexpr std::array<std::pair<Settings::ExportRows, QStringView>, 3> texts{{
        {Settings::ExportRows::All, u"all"},
        {Settings::ExportRows::Marked, u"marked"},
        {Settings::ExportRows::Selected, u"selected"},
    }};
};
template <> struct Choices<Settings::ExportAs>
{
    static constexpr std::array<std::pair<Settings::ExportAs, QStringView>, 2> texts{{
        {Settings::ExportAs::Delimited, u"delimited"},
        {Settings::ExportAs::Html, u"html"},
    }};
};
template <> struct Choices<Settings::ExportDelimiter>
{
    static constexpr std::array<std::pair<Settings::ExportDelimiter, QStringView>, 4> texts{{
        {Settings::ExportDelimiter::Tab, u"tab"},
        {Settings::ExportDelimiter::Comma, u"comma"},
        {Settings::ExportDelimiter::Semicolon, u"semicolon"},
        {Settings::ExportDelimiter::Other, u"other"},
    }};
};
template <> struct Choices<Settings::SizeLimit>
{
    static constexpr std::array<std::pair<Settings::SizeLimit, QStringView>, 4> texts{{
        {Settings::SizeLimit::None, u"none"},
        {Settings::SizeLimit::Cd, u"cd"},
        {Settings::SizeLimit::Dvd, u"dvd"},
        {Settings::SizeLimit::Specified, u"specified"},
    }};
};
template <> struct Choices<Settings::SizeUnit>
{
    static constexpr std::array<std::pair<Settings::SizeUnit, QStringView>, 3> texts{{
        {Settings::SizeUnit::KB, u"KB"},
        {Settings::SizeUnit::MB, u"MB"},
        {Settings::SizeUnit::GB, u"GB"},
    }};
};
template <> struct Choices<Settings::KeepRule>
{
    static constexpr std::array<std::pair<Settings::KeepRule, QStringView>, 6> texts{{
        {Settings::KeepRule::NewerFiles, u"newer-files"},
        {Settings::KeepRule::OlderFiles, u"older-files"},
        {Settings::KeepRule::LargerFiles, u"larger-files"},
        {Settings::KeepRule::SmallerFiles, u"smaller-files"},
        {Settings::KeepRule::NewerVersion, u"newer-version"},
        {Settings::KeepRule::OlderVersion, u"older-version"},
    }};
};

/// The type a getter gives for a default's alternative.
template <typename D> using ValueType = std::conditional_t<std::is_same_v<D, QStringView>, QString, D>;

/// A default as the type a getter gives.
template <typename D> ValueType<D> valueOf(const D &defaultValue)
{
    if constexpr (std::is_same_v<D, QStringView>)
        return defaultValue.toString();
    else
        return defaultValue;
}

/// The stored text of a value.
inline QString toText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
inline QString toText(int value)
{
    return QString::number(value);
}
inline QString toText(const QString &value)
{
    return value;
}
template <typename E>
requires std::is_enum_v<E> QString toText(E value)
{
    for (const auto &[choice, text] : Choices<E>::texts)
    {
        if (choice == value)
            return text.toString();
    }
    return QString();
}

/// A stored text read as T; nothing when it is not one (a hand-edited or damaged file). Words
/// are compared without case and numbers may have blanks around them, as a person may type.
template <typename T> std::optional<T> fromText(const QString &text)
{
    const QString word = text.trimmed();
    if constexpr (std::is_same_v<T, QString>)
        return text;
    else if constexpr (std::is_same_v<T, bool>)
    {
        if (word.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (word.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
        return std::nullopt;
    }
    else if constexpr (std::is_same_v<T, int>)
    {
        bool ok = false;
        const int value = word.toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }
    else
    {
        for (const auto &[choice, choiceText] : Choices<T>::texts)
        {
            if (word.compare(choiceText, Qt::CaseInsensitive) == 0)
                return choice;
        }
        return std::nullopt;
    }
}
} // namespace SettingsTable

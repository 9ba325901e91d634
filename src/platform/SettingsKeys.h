// SPDX-License-Identifier: GPL-3.0-or-later
// Every settings key of Corvina with its default, in one place.
#pragma once

#include <QString>

struct SettingKey
{
    const char16_t *section = nullptr;
    const char16_t *key = nullptr;
    const char16_t *defaultValue = nullptr;

    QString sectionName() const { return QString::fromUtf16(section); }
    QString keyName() const { return QString::fromUtf16(key); }
    QString defaultText() const { return QString::fromUtf16(defaultValue); }
};

namespace Settings
{
// Main window geometry, in twips.
inline constexpr SettingKey WindowW{u"WindowSize", u"W", u"12000"};
inline constexpr SettingKey WindowH{u"WindowSize", u"H", u"8000"};
inline constexpr SettingKey WindowT{u"WindowSize", u"T", u"0"};
inline constexpr SettingKey WindowL{u"WindowSize", u"L", u"0"};
// "1" when the main window was closed maximized: it opens maximized again.
inline constexpr SettingKey WindowMaximized{u"WindowSize", u"Maximized", u"0"};

// Picture viewer geometry, in twips.
inline constexpr SettingKey PicW{u"PicWindowSize", u"W", u"2000"};
inline constexpr SettingKey PicH{u"PicWindowSize", u"H", u"2500"};
inline constexpr SettingKey PicT{u"PicWindowSize", u"T", u"2500"};
inline constexpr SettingKey PicL{u"PicWindowSize", u"L", u"9000"};

// Options: 10 viewer on / 9 off; 12 recycle bin / 11 permanent.
inline constexpr SettingKey Display{u"Options", u"Display", u"10"};
inline constexpr SettingKey RecycleBin{u"Options", u"RecycleBin", u"12"};
// Their values, the numbers of the pictures their toolbar buttons show.
inline constexpr int ViewerOff = 9;
inline constexpr int ViewerOn = 10;
inline constexpr int DeletePermanently = 11;
inline constexpr int ToRecycleBin = 12;
inline constexpr SettingKey ShowTips{u"Options", u"Show Tips at Startup", u"1"};
inline constexpr SettingKey MinFileSize{u"Options", u"MinFileSize", u"10"};
inline constexpr SettingKey MaxFileSize{u"Options", u"MaxFileSize", u""};
inline constexpr SettingKey CloseSaveDialog{u"Options", u"ChkClose", u"1"};

// Masks: the last one chosen, and the list (section "FileMask", keys "0", "1", ...).
inline constexpr SettingKey FileMaskSelected{u"FileMaskSelected", u"Value", u"All files(*.*)"};
inline constexpr const char16_t *FileMaskSection = u"FileMask";

// Export wizard.
inline constexpr SettingKey ExportType{u"Export", u"ExportType", u"1"};
inline constexpr SettingKey ExportFormat{u"Export", u"ExportFormat", u"2"};
inline constexpr SettingKey ExportOpenFile{u"Export", u"OpenFile", u"1"};
inline constexpr SettingKey ExportChar{u"Export", u"ExportChar", u"2"};

// Size-limit dialog (each key in a section of its own).
inline constexpr SettingKey MaxLimitOption{u"MaxLimit", u"Option", u"1"};
inline constexpr SettingKey MaxTextValue{u"MaxText", u"Value", u"0"};
inline constexpr SettingKey MaxSetValue{u"MaxSet", u"Value", u"0"};

// Advanced marking.
inline constexpr SettingKey AdvDateTime{u"AdvMarking", u"DateTime", u"1"};
inline constexpr SettingKey AdvFileSize{u"AdvMarking", u"FileSize", u"0"};
inline constexpr SettingKey AdvVersion{u"AdvMarking", u"Version", u"0"};
inline constexpr SettingKey AdvSizeLimit{u"AdvMarking", u"SizeLimit", u"0"};
inline constexpr SettingKey AdvSizeLimitText{u"AdvMarking", u"txtSize", u""};
inline constexpr SettingKey AdvSizeUnit{u"AdvMarking", u"cmbSizeOptions", u"KB"};
inline constexpr SettingKey AdvRangeMask{u"AdvMarking", u"cmbFileMask1", u"All files(*.*)"};
inline constexpr SettingKey AdvIncludeSubFolders{u"AdvMarking", u"chkIncSubFolders", u"1"};
inline constexpr SettingKey AdvFolderMask{u"AdvMarking", u"cmbFileMask2", u"All files(*.*)"};
} // namespace Settings

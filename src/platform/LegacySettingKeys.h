// SPDX-License-Identifier: GPL-3.0-or-later
// The settings keys as texts, for the callers not yet moved to the typed Settings.
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

struct LegacySettingKeys
{
    static constexpr SettingKey WindowW{u"WindowSize", u"W", u"12000"};
    static constexpr SettingKey WindowH{u"WindowSize", u"H", u"8000"};
    static constexpr SettingKey WindowT{u"WindowSize", u"T", u"0"};
    static constexpr SettingKey WindowL{u"WindowSize", u"L", u"0"};
    static constexpr SettingKey WindowMaximized{u"WindowSize", u"Maximized", u"0"};

    static constexpr SettingKey PicW{u"PicWindowSize", u"W", u"2000"};
    static constexpr SettingKey PicH{u"PicWindowSize", u"H", u"2500"};
    static constexpr SettingKey PicT{u"PicWindowSize", u"T", u"2500"};
    static constexpr SettingKey PicL{u"PicWindowSize", u"L", u"9000"};

    static constexpr SettingKey Display{u"Options", u"Display", u"10"};
    static constexpr SettingKey RecycleBin{u"Options", u"RecycleBin", u"12"};
    static constexpr int ViewerOff = 9;
    static constexpr int ViewerOn = 10;
    static constexpr int DeletePermanently = 11;
    static constexpr int ToRecycleBin = 12;
    static constexpr SettingKey ShowTips{u"Options", u"Show Tips at Startup", u"1"};
    static constexpr SettingKey MinFileSize{u"Options", u"MinFileSize", u"10"};
    static constexpr SettingKey MaxFileSize{u"Options", u"MaxFileSize", u""};
    static constexpr SettingKey CloseSaveDialog{u"Options", u"ChkClose", u"1"};

    static constexpr SettingKey FileMaskSelected{u"FileMaskSelected", u"Value", u"All files(*.*)"};
    static constexpr const char16_t *FileMaskSection = u"FileMask";

    static constexpr SettingKey ExportType{u"Export", u"ExportType", u"1"};
    static constexpr SettingKey ExportFormat{u"Export", u"ExportFormat", u"2"};
    static constexpr SettingKey ExportOpenFile{u"Export", u"OpenFile", u"1"};
    static constexpr SettingKey ExportChar{u"Export", u"ExportChar", u"2"};

    static constexpr SettingKey MaxLimitOption{u"MaxLimit", u"Option", u"1"};
    static constexpr SettingKey MaxTextValue{u"MaxText", u"Value", u"0"};
    static constexpr SettingKey MaxSetValue{u"MaxSet", u"Value", u"0"};

    static constexpr SettingKey AdvDateTime{u"AdvMarking", u"DateTime", u"1"};
    static constexpr SettingKey AdvFileSize{u"AdvMarking", u"FileSize", u"0"};
    static constexpr SettingKey AdvVersion{u"AdvMarking", u"Version", u"0"};
    static constexpr SettingKey AdvSizeLimit{u"AdvMarking", u"SizeLimit", u"0"};
    static constexpr SettingKey AdvSizeLimitText{u"AdvMarking", u"txtSize", u""};
    static constexpr SettingKey AdvSizeUnit{u"AdvMarking", u"cmbSizeOptions", u"KB"};
    static constexpr SettingKey AdvRangeMask{u"AdvMarking", u"cmbFileMask1", u"All files(*.*)"};
    static constexpr SettingKey AdvIncludeSubFolders{u"AdvMarking", u"chkIncSubFolders", u"1"};
    static constexpr SettingKey AdvFolderMask{u"AdvMarking", u"cmbFileMask2", u"All files(*.*)"};
};

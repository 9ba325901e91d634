// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of Corvina with its own type, a default and a change signal.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class SettingsStore;

/// The program's settings, each read and written as its own type through a getter and a setter
/// of its own. Where each one is kept and its default are in one table (SettingsKeys.h); a value
/// that is missing, or cannot be read as its type, reads as its default. A setter stores the value
/// and emits changed() when it differs from the one before. Opening a store moves the settings of
/// a file written before the settings had types into their new keys (SettingsMigration.h).
class Settings : public QObject
{
    Q_OBJECT
public:
    /// One per setting, in the order of the table.
    enum class Key
    {
        MainWindowLeft,
        MainWindowTop,
        MainWindowWidth,
        MainWindowHeight,
        MainWindowMaximized,
        ViewerLeft,
        ViewerTop,
        ViewerWidth,
        ViewerHeight,
        ShowViewer,
        DeleteTo,
        ShowTipsAtStartup,
        CloseAfterSave,
        SelectedMask,
        MinFileSize,
        MaxFileSize,
        FileMasks,
        ExportRows,
        ExportFormat,
        OpenAfterExport,
        ExportDelimiter,
        SizeLimit,
        SizeLimitText,
        SizeLimitUnit,
        MarkingKeep,
        MarkingSizeLimit,
        MarkingSizeText,
        MarkingSizeUnit,
        MarkingRangeMask,
        MarkingIncludeSubFolders,
        MarkingFolderMask,
        RecentSessions,
    };
    Q_ENUM(Key)

    /// Where deleted files go.
    enum class DeletionMode
    {
        Trash,
        Permanent,
    };
    /// Which rows an export writes.
    enum class ExportRows
    {
        All,
        Marked,
        Selected,
    };
    /// What an export writes: delimited text or an HTML report.
    enum class ExportAs
    {
        Delimited,
        Html,
    };
    /// The separator of a delimited export; "other" is a text the user types each time.
    enum class ExportDelimiter
    {
        Tab,
        Comma,
        Semicolon,
        Other,
    };
    /// A total size: none, a CD (700 MB), a DVD (4.3 GB) or a size the user typed.
    enum class SizeLimit
    {
        None,
        Cd,
        Dvd,
        Specified,
    };
    enum class SizeUnit
    {
        KB,
        MB,
        GB,
    };
    /// The file each group keeps when advanced marking marks "By Range".
    enum class KeepRule
    {
        NewerFiles,
        OlderFiles,
        LargerFiles,
        SmallerFiles,
        NewerVersion,
        OlderVersion,
    };

    /// Settings kept in store, which must outlive them.
    explicit Settings(SettingsStore &store, QObject *parent = nullptr);

    /// The program's settings, in SettingsStore::instance().
    static Settings &instance();

    /// The main window's place and size when it was last normal, in twips (15 to a pixel at 96 dpi).
    int mainWindowLeft() const;
    void setMainWindowLeft(int twips);
    int mainWindowTop() const;
    void setMainWindowTop(int twips);
    int mainWindowWidth() const;
    void setMainWindowWidth(int twips);
    int mainWindowHeight() const;
    void setMainWindowHeight(int twips);
    /// The main window was closed maximized: it opens maximized again.
    bool mainWindowMaximized() const;
    void setMainWindowMaximized(bool maximized);

    /// The file viewer's place and size, in twips.
    int viewerLeft() const;
    void setViewerLeft(int twips);
    int viewerTop() const;
    void setViewerTop(int twips);
    int viewerWidth() const;
    void setViewerWidth(int twips);
    int viewerHeight() const;
    void setViewerHeight(int twips);

    /// The file viewer follows the selected row.
    bool showViewer() const;
    void setShowViewer(bool show);
    DeletionMode deletionMode() const;
    void setDeletionMode(DeletionMode mode);
    bool showTipsAtStartup() const;
    void setShowTipsAtStartup(bool show);
    /// The save dialog closes after saving.
    bool closeAfterSave() const;
    void setCloseAfterSave(bool close);

    /// The search window's mask and size fields, as typed.
    QString selectedMask() const;
    void setSelectedMask(const QString &mask);
    QString minFileSize() const;
    void setMinFileSize(const QString &size);
    QString maxFileSize() const;
    void setMaxFileSize(const QString &size);
    /// The user's list of masks, in the order shown; empty when none is kept (the search window
    /// then shows its presets).
    QStringList fileMasks() const;
    void setFileMasks(const QStringList &masks);
    /// The session files saved or opened last, the latest first.
    QStringList recentSessions() const;
    void setRecentSessions(const QStringList &paths);

    /// The export wizard's choices.
    ExportRows exportRows() const;
    void setExportRows(ExportRows rows);
    ExportAs exportFormat() const;
    void setExportFormat(ExportAs format);
    bool openAfterExport() const;
    void setOpenAfterExport(bool open);
    ExportDelimiter exportDelimiter() const;
    void setExportDelimiter(ExportDelimiter delimiter);

    /// The size-limit dialog's choice, with the size as typed.
    SizeLimit sizeLimit() const;
    void setSizeLimit(SizeLimit limit);
    QString sizeLimitText() const;
    void setSizeLimitText(const QString &size);
    SizeUnit sizeLimitUnit() const;
    void setSizeLimitUnit(SizeUnit unit);

    /// The advanced marking dialog's choices, with the size and the masks as typed.
    KeepRule markingKeep() const;
    void setMarkingKeep(KeepRule rule);
    SizeLimit markingSizeLimit() const;
    void setMarkingSizeLimit(SizeLimit limit);
    QString markingSizeText() const;
    void setMarkingSizeText(const QString &size);
    SizeUnit markingSizeUnit() const;
    void setMarkingSizeUnit(SizeUnit unit);
    QString markingRangeMask() const;
    void setMarkingRangeMask(const QString &mask);
    bool markingIncludeSubFolders() const;
    void setMarkingIncludeSubFolders(bool include);
    QString markingFolderMask() const;
    void setMarkingFolderMask(const QString &mask);

    /// Removes every setting from the store, so each reads as its default.
    void restoreDefaults();
    /// True when the file holds a value of its own for the setting, false while it has its default
    /// only because nothing was ever kept (a first start).
    bool isStored(Key key) const;

Q_SIGNALS:
    /// The value of key was stored and differs from the one before.
    void changed(Settings::Key key);

private:
    template <Key K, typename T> T get() const;
    template <Key K, typename T> void set(const T &value);

    SettingsStore &m_store;
};

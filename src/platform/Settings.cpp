// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

#include "platform/SettingsKeys.h"
#include "platform/SettingsMigration.h"
#include "platform/SettingsStore.h"

namespace
{
using SettingsTable::Entry;

QString sectionOf(const Entry &entry)
{
    return entry.section.toString();
}

QString keyOf(const Entry &entry)
{
    return entry.key.toString();
}

// The value of a setting whose default is the alternative D.
template <typename D> SettingsTable::ValueType<D> read(const SettingsStore &store, const Entry &entry)
{
    using Value = SettingsTable::ValueType<D>;
    if (const std::optional<QString> text = store.read(sectionOf(entry), keyOf(entry)))
    {
        if (const std::optional<Value> value = SettingsTable::fromText<Value>(*text))
            return *value;
    }
    return SettingsTable::valueOf(std::get<D>(entry.defaultValue));
}
} // namespace

Settings::Settings(SettingsStore &store, QObject *parent) : QObject(parent), m_store(store)
{
    SettingsMigration::migrate(m_store);
}

Settings &Settings::instance()
{
    static Settings settings(SettingsStore::instance());
    return settings;
}

template <Settings::Key K, typename T> T Settings::get() const
{
    constexpr const Entry &entry = SettingsTable::entry(K);
    using Stored = std::variant_alternative_t<entry.defaultValue.index(), SettingsTable::Default>;
    static_assert(std::is_same_v<SettingsTable::ValueType<Stored>, T>, "the getter has the type of the table");
    return read<Stored>(m_store, entry);
}

template <Settings::Key K, typename T> void Settings::set(const T &value)
{
    constexpr const Entry &entry = SettingsTable::entry(K);
    const bool differs = get<K, T>() != value;
    const QString text = SettingsTable::toText(value);
    // A choice is kept even when it is the default, so a later default does not change it.
    if (m_store.read(sectionOf(entry), keyOf(entry)) != text)
        m_store.write(sectionOf(entry), keyOf(entry), text);
    if (differs)
        Q_EMIT changed(K);
}

int Settings::mainWindowLeft() const
{
    return get<Key::MainWindowLeft, int>();
}
void Settings::setMainWindowLeft(int twips)
{
    set<Key::MainWindowLeft>(twips);
}
int Settings::mainWindowTop() const
{
    return get<Key::MainWindowTop, int>();
}
void Settings::setMainWindowTop(int twips)
{
    set<Key::MainWindowTop>(twips);
}
int Settings::mainWindowWidth() const
{
    return get<Key::MainWindowWidth, int>();
}
void Settings::setMainWindowWidth(int twips)
{
    set<Key::MainWindowWidth>(twips);
}
int Settings::mainWindowHeight() const
{
    return get<Key::MainWindowHeight, int>();
}
void Settings::setMainWindowHeight(int twips)
{
    set<Key::MainWindowHeight>(twips);
}
bool Settings::mainWindowMaximized() const
{
    return get<Key::MainWindowMaximized, bool>();
}
void Settings::setMainWindowMaximized(bool maximized)
{
    set<Key::MainWindowMaximized>(maximized);
}

int Settings::viewerLeft() const
{
    return get<Key::ViewerLeft, int>();
}
void Settings::setViewerLeft(int twips)
{
    set<Key::ViewerLeft>(twips);
}
int Settings::viewerTop() const
{
    return get<Key::ViewerTop, int>();
}
void Settings::setViewerTop(int twips)
{
    set<Key::ViewerTop>(twips);
}
int Settings::viewerWidth() const
{
    return get<Key::ViewerWidth, int>();
}
void Settings::setViewerWidth(int twips)
{
    set<Key::ViewerWidth>(twips);
}
int Settings::viewerHeight() const
{
    return get<Key::ViewerHeight, int>();
}
void Settings::setViewerHeight(int twips)
{
    set<Key::ViewerHeight>(twips);
}

bool Settings::showViewer() const
{
    return get<Key::ShowViewer, bool>();
}
void Settings::setShowViewer(bool show)
{
    set<Key::ShowViewer>(show);
}
Settings::DeletionMode Settings::deletionMode() const
{
    return get<Key::DeleteTo, DeletionMode>();
}
void Settings::setDeletionMode(DeletionMode mode)
{
    set<Key::DeleteTo>(mode);
}
bool Settings::showTipsAtStartup() const
{
    return get<Key::ShowTipsAtStartup, bool>();
}
void Settings::setShowTipsAtStartup(bool show)
{
    set<Key::ShowTipsAtStartup>(show);
}
bool Settings::closeAfterSave() const
{
    return get<Key::CloseAfterSave, bool>();
}
void Settings::setCloseAfterSave(bool close)
{
    set<Key::CloseAfterSave>(close);
}

QString Settings::selectedMask() const
{
    return get<Key::SelectedMask, QString>();
}
void Settings::setSelectedMask(const QString &mask)
{
    set<Key::SelectedMask>(mask);
}
QString Settings::minFileSize() const
{
    return get<Key::MinFileSize, QString>();
}
void Settings::setMinFileSize(const QString &size)
{
    set<Key::MinFileSize>(size);
}
QString Settings::maxFileSize() const
{
    return get<Key::MaxFileSize, QString>();
}
void Settings::setMaxFileSize(const QString &size)
{
    set<Key::MaxFileSize>(size);
}
QStringList Settings::fileMasks() const
{
    return m_store.readList(sectionOf(SettingsTable::entry(Key::FileMasks)));
}
void Settings::setFileMasks(const QStringList &masks)
{
    if (masks == fileMasks())
        return;
    m_store.writeList(sectionOf(SettingsTable::entry(Key::FileMasks)), masks);
    Q_EMIT changed(Key::FileMasks);
}
QStringList Settings::recentSessions() const
{
    return m_store.readList(sectionOf(SettingsTable::entry(Key::RecentSessions)));
}
void Settings::setRecentSessions(const QStringList &paths)
{
    if (paths == recentSessions())
        return;
    m_store.writeList(sectionOf(SettingsTable::entry(Key::RecentSessions)), paths);
    Q_EMIT changed(Key::RecentSessions);
}

Settings::ExportRows Settings::exportRows() const
{
    return get<Key::ExportRows, ExportRows>();
}
void Settings::setExportRows(ExportRows rows)
{
    set<Key::ExportRows>(rows);
}
Settings::ExportAs Settings::exportFormat() const
{
    return get<Key::ExportFormat, ExportAs>();
}
void Settings::setExportFormat(ExportAs format)
{
    set<Key::ExportFormat>(format);
}
bool Settings::openAfterExport() const
{
    return get<Key::OpenAfterExport, bool>();
}
void Settings::setOpenAfterExport(bool open)
{
    set<Key::OpenAfterExport>(open);
}
Settings::ExportDelimiter Settings::exportDelimiter() const
{
    return get<Key::ExportDelimiter, ExportDelimiter>();
}
void Settings::setExportDelimiter(ExportDelimiter delimiter)
{
    set<Key::ExportDelimiter>(delimiter);
}

Settings::SizeLimit Settings::sizeLimit() const
{
    return get<Key::SizeLimit, SizeLimit>();
}
void Settings::setSizeLimit(SizeLimit limit)
{
    set<Key::SizeLimit>(limit);
}
QString Settings::sizeLimitText() const
{
    return get<Key::SizeLimitText, QString>();
}
void Settings::setSizeLimitText(const QString &size)
{
    set<Key::SizeLimitText>(size);
}
Settings::SizeUnit Settings::sizeLimitUnit() const
{
    return get<Key::SizeLimitUnit, SizeUnit>();
}
void Settings::setSizeLimitUnit(SizeUnit unit)
{
    set<Key::SizeLimitUnit>(unit);
}

Settings::KeepRule Settings::markingKeep() const
{
    return get<Key::MarkingKeep, KeepRule>();
}
void Settings::setMarkingKeep(KeepRule rule)
{
    set<Key::MarkingKeep>(rule);
}
Settings::SizeLimit Settings::markingSizeLimit() const
{
    return get<Key::MarkingSizeLimit, SizeLimit>();
}
void Settings::setMarkingSizeLimit(SizeLimit limit)
{
    set<Key::MarkingSizeLimit>(limit);
}
QString Settings::markingSizeText() const
{
    return get<Key::MarkingSizeText, QString>();
}
void Settings::setMarkingSizeText(const QString &size)
{
    set<Key::MarkingSizeText>(size);
}
Settings::SizeUnit Settings::markingSizeUnit() const
{
    return get<Key::MarkingSizeUnit, SizeUnit>();
}
void Settings::setMarkingSizeUnit(SizeUnit unit)
{
    set<Key::MarkingSizeUnit>(unit);
}
QString Settings::markingRangeMask() const
{
    return get<Key::MarkingRangeMask, QString>();
}
void Settings::setMarkingRangeMask(const QString &mask)
{
    set<Key::MarkingRangeMask>(mask);
}
bool Settings::markingIncludeSubFolders() const
{
    return get<Key::MarkingIncludeSubFolders, bool>();
}
void Settings::setMarkingIncludeSubFolders(bool include)
{
    set<Key::MarkingIncludeSubFolders>(include);
}
QString Settings::markingFolderMask() const
{
    return get<Key::MarkingFolderMask, QString>();
}
void Settings::setMarkingFolderMask(const QString &mask)
{
    set<Key::MarkingFolderMask>(mask);
}

bool Settings::isStored(Key key) const
{
    const Entry &entry = SettingsTable::entry(key);
    return m_store.contains(sectionOf(entry), keyOf(entry));
}

void Settings::restoreDefaults()
{
    const SettingsStore::Batch batch(m_store);
    for (const Entry &entry : SettingsTable::kSettings)
    {
        const bool differs = std::visit(
            [&](const auto &defaultValue) {
                using D = std::decay_t<decltype(defaultValue)>;
                if constexpr (std::is_same_v<D, SettingsTable::NoList>)
                    return !m_store.readList(sectionOf(entry)).isEmpty();
                else
                    return read<D>(m_store, entry) != SettingsTable::valueOf(defaultValue);
            },
            entry.defaultValue);
        if (std::holds_alternative<SettingsTable::NoList>(entry.defaultValue))
            m_store.writeList(sectionOf(entry), {});
        else
            m_store.remove(sectionOf(entry), keyOf(entry));
        if (differs)
            Q_EMIT changed(entry.id);
    }
}

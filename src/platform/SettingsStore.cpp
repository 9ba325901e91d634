// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "platform/AppFolders.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

#include <utility>

namespace
{
// Kept beside a section's values: the keys in the order they were first written.
const QString kOrderKey = QStringLiteral("__order__");

QString &overrideDirectory()
{
    static QString folder;
    return folder;
}

QString keyPath(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

// The settings name the user's folders and masks: the file is the user's alone. QSettings
// replaces it through QSaveFile, which keeps the permissions of the file it replaces, so the file
// is made (or closed to others) before the first write.
void makePrivate(const QString &iniPath)
{
    constexpr QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QFile file(iniPath);
    if (!file.exists())
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner);
    else if (file.permissions() & others)
        file.setPermissions(file.permissions() & ~others);
}

// A value as text; nothing when it is missing or is not a text.
std::optional<QString> textOf(const QVariant &v)
{
    // QSettings reads an unquoted text with commas as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    if (!v.isValid() || !v.canConvert<QString>())
        return std::nullopt;
    return v.toString();
}

QString programIniPath()
{
    const QString folder = SettingsStore::directory();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Corvina.ini");
}
} // namespace

SettingsStore::SettingsStore(const QString &iniPath)
{
    if (!iniPath.isEmpty())
        makePrivate(iniPath);
    m_settings = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::setDirectory(const QString &folder)
{
    overrideDirectory() = folder;
}

QString SettingsStore::directory()
{
    if (!overrideDirectory().isEmpty())
    {
        AppFolders::makePrivateFolder(overrideDirectory());
        return overrideDirectory();
    }
    return AppFolders::configFolder();
}

SettingsStore &SettingsStore::instance()
{
    static SettingsStore store(programIniPath());
    return store;
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

SettingsStore::Batch::Batch(SettingsStore &store) : m_store(store)
{
    ++m_store.m_openBatches;
}

SettingsStore::Batch::~Batch()
{
    --m_store.m_openBatches;
    m_store.save();
}

void SettingsStore::save()
{
    if (m_openBatches == 0)
        m_settings->sync();
}

bool SettingsStore::contains(const QString &section, const QString &key) const
{
    return m_settings->contains(keyPath(section, key));
}

std::optional<QString> SettingsStore::read(const QString &section, const QString &key) const
{
    return textOf(m_settings->value(keyPath(section, key)));
}

void SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(keyPath(section, key), value);
    save();
}

void SettingsStore::remove(const QString &section, const QString &key)
{
    // Removing what is not there would still rewrite the file.
    if (!m_settings->contains(keyPath(section, key)))
        return;
    m_settings->remove(keyPath(section, key));
    save();
}

QStringList SettingsStore::readList(const QString &section) const
{
    m_settings->beginGroup(section);
    QStringList present = m_settings->childKeys();
    present.removeAll(kOrderKey);
    QStringList keys;
    for (const QString &key : m_settings->value(kOrderKey).toStringList())
    {
        if (present.removeOne(key))
            keys << key;
    }
    // Keys written by hand into the file come after the ones we wrote, in the file's order.
    keys << present;
    QStringList values;
    for (const QString &key : std::as_const(keys))
    {
        if (const std::optional<QString> text = textOf(m_settings->value(key)))
            values << *text;
    }
    m_settings->endGroup();
    return values;
}

void SettingsStore::writeList(const QString &section, const QStringList &values)
{
    if (values.isEmpty() && !hasSection(section))
        return;
    m_settings->remove(section);
    QStringList order;
    for (qsizetype i = 0; i < values.size(); ++i)
    {
        order << QString::number(i);
        m_settings->setValue(keyPath(section, order.last()), values[i]);
    }
    if (!values.isEmpty())
        m_settings->setValue(keyPath(section, kOrderKey), order);
    save();
}

void SettingsStore::forgetOrder(const QString &section)
{
    if (!m_settings->contains(keyPath(section, kOrderKey)))
        return;
    m_settings->remove(keyPath(section, kOrderKey));
    save();
}

bool SettingsStore::hasSection(const QString &section) const
{
    return m_settings->childGroups().contains(section);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: text values by section and key, in one INI file.
#pragma once

#include "platform/SettingsKeys.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class QSettings;

/// Values are texts addressed by the application "Corvina", a section and a key; every read
/// supplies a default. A section's values can be listed in the order they were first written
/// (QSettings itself would list "0", "1", "10", "2").
class SettingsStore
{
public:
    /// A store on the INI file at iniPath, which is readable by the user alone (0600): it is
    /// made so when missing, and closed to others when it is not.
    explicit SettingsStore(const QString &iniPath);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    /// The program's store: "Corvina/Corvina.ini" in the per-user config folder, or in the folder
    /// given to setDirectory() before the first call (tests). Without a home folder there is no
    /// such folder and nothing is written (the programs refuse to start first).
    static SettingsStore &instance();
    static void setDirectory(const QString &folder);
    /// The folder the program's store lives in, made private (AppFolders::makePrivateFolder);
    /// empty without a home folder.
    static QString directory();

    QString value(const QString &section, const QString &key, const QString &defaultValue) const;
    QString value(const SettingKey &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    void setValue(const SettingKey &key, const QString &value);

    bool hasSection(const QString &section) const;
    void deleteSection(const QString &section);

    /// Every (key, value) of a section, in the order the keys were first written.
    QList<QPair<QString, QString>> sectionValues(const QString &section) const;

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

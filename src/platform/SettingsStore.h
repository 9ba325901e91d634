// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings file: text values by section and key, in one INI file.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

/// Values are texts addressed by a section and a key; Settings gives them their types. A list is
/// kept as a section of its own, its values under the keys "0", "1", ... and read back in the order
/// they were written (QSettings itself would list "0", "1", "10", "2").
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

    /// Writes and removals made while a Batch lives reach the file once, when the last one ends.
    class Batch
    {
    public:
        explicit Batch(SettingsStore &store);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        SettingsStore &m_store;
    };

    bool contains(const QString &section, const QString &key) const;
    /// The text under section/key; nothing when it is missing or is not a text (a value written
    /// by hand in one of QSettings' own forms, such as "@Rect(0 0 1 1)"). A text with commas that
    /// was written by hand without quotes reads as written.
    std::optional<QString> read(const QString &section, const QString &key) const;
    void write(const QString &section, const QString &key, const QString &value);
    void remove(const QString &section, const QString &key);

    /// The values of a list section in the order written (keys added by hand after them), as read()
    /// reads each and leaving out what is not a text; empty when the section does not exist.
    QStringList readList(const QString &section) const;
    /// Replaces the section by the list; an empty list removes it.
    void writeList(const QString &section, const QStringList &values);

    /// Forgets the write order of a section that is not a list (files written before the
    /// settings had types kept it in every section).
    void forgetOrder(const QString &section);

    QString fileName() const;

private:
    // Writes the file unless a Batch is open.
    void save();
    bool hasSection(const QString &section) const;

    std::unique_ptr<QSettings> m_settings;
    int m_openBatches = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// An ordered list of error records: the error log of a keyed collection.
#pragma once

#include "core/CurrentError.h"

#include <QVariant>

#include <optional>
#include <vector>

class CErrorCollection
{
public:
    ~CErrorCollection() { clear(); }

    /// Removes every record.
    void clear();

    /// Records the current error (CurrentError) when there is one; false when its number is 0.
    bool isError();

    /// Appends one record. Without a number (or with 0) the current error's number is taken; when
    /// that is 0 too, nothing is added. Texts left out are empty.
    void add(std::optional<qint32> lErrNumber = std::nullopt, const std::optional<QString> &sSource = std::nullopt,
             const std::optional<QString> &sDescription = std::nullopt,
             const std::optional<QString> &sHelpContext = std::nullopt,
             const std::optional<QString> &sHelpFile = std::nullopt);

    /// Removes one record: the last without an index; nothing for an index that is not a number or
    /// lies outside 0..count-1.
    void remove(const std::optional<QVariant> &index = std::nullopt);

    /// Field getters: no index means the last record; with no records, or an index that is not a
    /// number, 0 or empty. A numeric index outside the records raises SubscriptOutOfRange; a help
    /// context that is not a number raises TypeMismatch.
    qint32 errNumber(const std::optional<QVariant> &index = std::nullopt) const;
    QString description(const std::optional<QVariant> &index = std::nullopt) const;
    qint32 helpContext(const std::optional<QVariant> &index = std::nullopt) const;
    QString helpFile(const std::optional<QVariant> &index = std::nullopt) const;
    QString source(const std::optional<QVariant> &index = std::nullopt) const;

    qint32 count() const { return static_cast<qint32>(m_records.size()); }

private:
    /// The record an index names; nullptr for "no record / not a number".
    const ErrorRecord *record(const std::optional<QVariant> &index) const;

    std::vector<ErrorRecord> m_records;
};

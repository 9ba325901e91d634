// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CErrorCollection.h"

#include "core/RaisedError.h"
#include "core/VbNumeric.h"

#include <cmath>

namespace
{
// The numeric value of an index, or nothing when it is not a number.
std::optional<double> indexValue(const QVariant &index)
{
    if (index.typeId() == QMetaType::QString)
        return VbNumeric::toNumber(index.toString());
    bool ok = false;
    const double v = index.toDouble(&ok);
    if (!ok || !index.isValid() || index.typeId() == QMetaType::Bool)
        return std::nullopt;
    return v;
}
} // namespace

void CErrorCollection::Clear()
{
    m_records.clear();
}

bool CErrorCollection::IsError()
{
    const ErrorRecord &current = CurrentError::get();
    if (current.Number == 0)
        return false;
    Add(current.Number, current.Source, current.Description, current.HelpContext, current.HelpFile);
    return true;
}

void CErrorCollection::Add(std::optional<qint32> lErrNumber, const std::optional<QString> &sSource,
                           const std::optional<QString> &sDescription, const std::optional<QString> &sHelpContext,
                           const std::optional<QString> &sHelpFile)
{
    qint32 number = lErrNumber.value_or(0);
    if (number == 0)
        number = CurrentError::get().Number;
    if (number == 0)
        return;
    m_records.push_back(ErrorRecord{sDescription.value_or(QString()), sHelpContext.value_or(QString()),
                                    sHelpFile.value_or(QString()), number, sSource.value_or(QString())});
}

void CErrorCollection::Remove(const std::optional<QVariant> &Index)
{
    if (!Index)
    {
        if (!m_records.empty())
            m_records.pop_back();
        return;
    }
    const auto v = indexValue(*Index);
    if (!v)
        return;
    const double i = VbNumeric::roundHalfEven(*v);
    if (i < 0 || i >= Count())
        return;
    m_records.erase(m_records.begin() + static_cast<qsizetype>(i));
}

const ErrorRecord *CErrorCollection::record(const std::optional<QVariant> &Index) const
{
    if (!Index)
        return m_records.empty() ? nullptr : &m_records.back();
    const auto v = indexValue(*Index);
    if (!v)
        return nullptr;
    const double i = VbNumeric::roundHalfEven(*v);
    if (i < 0 || i >= Count())
        throw RaisedError(RaisedError::SubscriptOutOfRange, QStringLiteral("CErrorCollection"),
                          QStringLiteral("Subscript out of range"));
    return &m_records[static_cast<size_t>(i)];
}

qint32 CErrorCollection::ErrNumber(const std::optional<QVariant> &Index) const
{
    const ErrorRecord *r = record(Index);
    return r ? r->Number : 0;
}

QString CErrorCollection::Description(const std::optional<QVariant> &Index) const
{
    const ErrorRecord *r = record(Index);
    return r ? r->Description : QString();
}

qint32 CErrorCollection::HelpContext(const std::optional<QVariant> &Index) const
{
    const ErrorRecord *r = record(Index);
    if (!r)
        return 0;
    const auto v = VbNumeric::toNumber(r->HelpContext);
    if (!v)
        throw RaisedError(RaisedError::TypeMismatch, QStringLiteral("CErrorCollection"),
                          QStringLiteral("Type mismatch"));
    return static_cast<qint32>(VbNumeric::roundHalfEven(*v));
}

QString CErrorCollection::HelpFile(const std::optional<QVariant> &Index) const
{
    const ErrorRecord *r = record(Index);
    return r ? r->HelpFile : QString();
}

QString CErrorCollection::Source(const std::optional<QVariant> &Index) const
{
    const ErrorRecord *r = record(Index);
    return r ? r->Source : QString();
}

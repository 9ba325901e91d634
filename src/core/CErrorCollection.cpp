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

void CErrorCollection::clear()
{
    m_records.clear();
}

bool CErrorCollection::isError()
{
    const ErrorRecord &current = CurrentError::get();
    if (current.number == 0)
        return false;
    add(current.number, current.source, current.description, current.helpContext, current.helpFile);
    return true;
}

void CErrorCollection::add(std::optional<qint32> lErrNumber, const std::optional<QString> &sSource,
                           const std::optional<QString> &sDescription, const std::optional<QString> &sHelpContext,
                           const std::optional<QString> &sHelpFile)
{
    qint32 number = lErrNumber.value_or(0);
    if (number == 0)
        number = CurrentError::get().number;
    if (number == 0)
        return;
    m_records.push_back(ErrorRecord{sDescription.value_or(QString()), sHelpContext.value_or(QString()),
                                    sHelpFile.value_or(QString()), number, sSource.value_or(QString())});
}

void CErrorCollection::remove(const std::optional<QVariant> &index)
{
    if (!index)
    {
        if (!m_records.empty())
            m_records.pop_back();
        return;
    }
    const auto v = indexValue(*index);
    if (!v)
        return;
    const double i = VbNumeric::roundHalfEven(*v);
    if (i < 0 || i >= count())
        return;
    m_records.erase(m_records.begin() + static_cast<qsizetype>(i));
}

const ErrorRecord *CErrorCollection::record(const std::optional<QVariant> &index) const
{
    if (!index)
        return m_records.empty() ? nullptr : &m_records.back();
    const auto v = indexValue(*index);
    if (!v)
        return nullptr;
    const double i = VbNumeric::roundHalfEven(*v);
    if (i < 0 || i >= count())
        throw RaisedError(RaisedError::SubscriptOutOfRange, QStringLiteral("CErrorCollection"),
                          RaisedError::subscriptOutOfRangeText());
    return &m_records[static_cast<size_t>(i)];
}

qint32 CErrorCollection::errNumber(const std::optional<QVariant> &index) const
{
    const ErrorRecord *r = record(index);
    return r ? r->number : 0;
}

QString CErrorCollection::description(const std::optional<QVariant> &index) const
{
    const ErrorRecord *r = record(index);
    return r ? r->description : QString();
}

qint32 CErrorCollection::helpContext(const std::optional<QVariant> &index) const
{
    const ErrorRecord *r = record(index);
    if (!r)
        return 0;
    const auto v = VbNumeric::toNumber(r->helpContext);
    if (!v)
        throw RaisedError(RaisedError::TypeMismatch, QStringLiteral("CErrorCollection"),
                          RaisedError::typeMismatchText());
    return static_cast<qint32>(VbNumeric::roundHalfEven(*v));
}

QString CErrorCollection::helpFile(const std::optional<QVariant> &index) const
{
    const ErrorRecord *r = record(index);
    return r ? r->helpFile : QString();
}

QString CErrorCollection::source(const std::optional<QVariant> &index) const
{
    const ErrorRecord *r = record(index);
    return r ? r->source : QString();
}

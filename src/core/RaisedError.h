// SPDX-License-Identifier: GPL-3.0-or-later
// An error raised to the caller, carrying the number, source and description the error list keeps.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

class RaisedError : public std::runtime_error
{
public:
    RaisedError(qint32 number, QString source, QString description)
        : std::runtime_error(description.toStdString()), m_number(number), m_source(std::move(source)),
          m_description(std::move(description))
    {}

    qint32 number() const { return m_number; }
    const QString &source() const { return m_source; }
    const QString &description() const { return m_description; }

    /// Error numbers of the run-time failures Corvina's procedures report.
    static constexpr qint32 SubscriptOutOfRange = 9;
    static constexpr qint32 TypeMismatch = 13;
    static constexpr qint32 Overflow = 6;

    /// The descriptions of those failures, in the user's language.
    static QString subscriptOutOfRangeText()
    {
        return QCoreApplication::translate("RaisedError", "Subscript out of range");
    }
    static QString typeMismatchText() { return QCoreApplication::translate("RaisedError", "Type mismatch"); }
    static QString overflowText() { return QCoreApplication::translate("RaisedError", "Overflow"); }

private:
    qint32 m_number;
    QString m_source;
    QString m_description;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// What corvina-cli's listings share: output handed over in large pieces, and a path in JSON.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QJsonObject>
#include <QString>

/// Collects output and hands it to the device in large pieces.
class CliWriter
{
public:
    explicit CliWriter(QIODevice &out) : m_out(out) {}
    ~CliWriter() { flush(); }
    CliWriter(const CliWriter &) = delete;
    CliWriter &operator=(const CliWriter &) = delete;

    void add(const QByteArray &bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() >= (1 << 20))
            flush();
    }
    void add(char c) { m_buffer += c; }
    void flush()
    {
        m_out.write(m_buffer);
        m_buffer.clear();
    }

private:
    QIODevice &m_out;
    QByteArray m_buffer;
};

namespace CliJson
{
/// Adds "path" to `object`; a path that is not UTF-8 shows U+FFFD for each byte that is not,
/// and its exact bytes follow in "path_base64".
void insertPath(QJsonObject &object, const QString &path);
/// A local time as ISO 8601 with its offset, so that it is one instant wherever it is read.
QString localTime(const QDateTime &local);
} // namespace CliJson

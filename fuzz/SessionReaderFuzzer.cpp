// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: every input is read as a session file and must pass SessionRoundTrip::check.
#include "SessionRoundTrip.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{
std::unique_ptr<QTemporaryDir> folder;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Files of a memory-backed folder keep the many writes of a run off the disk.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/corvina-fuzz-XXXXXX"));
    if (!folder->isValid())
    {
        std::fprintf(stderr, "corvina-fuzz-session: no temporary folder\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString failure = SessionRoundTrip::check(bytes, folder->path());
    if (!failure.isEmpty())
    {
        std::fprintf(stderr, "corvina-fuzz-session: %s\n", failure.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnvironment.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace
{
QTemporaryDir *g_home = nullptr;
}

namespace TestEnvironment
{
void setUp()
{
    g_home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/corvina-test-XXXXXX"));
    const QString root = g_home->path();
    for (const char *sub : {"config", "data", "cache"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    setenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")).constData(), 1);
    setenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")).constData(), 1);
    setenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")).constData(), 1);
    SettingsStore::setDirectory(root + QStringLiteral("/config/Corvina"));
}

void tearDown()
{
    delete g_home;
    g_home = nullptr;
}

QString home()
{
    return g_home ? g_home->path() : QString();
}
} // namespace TestEnvironment

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sound.h"

#ifdef CORVINA_HAVE_CANBERRA
#include "platform/AppFolders.h"
#include "platform/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <canberra.h>

#include <cstdlib>

namespace
{
// Whether anything could play a sound: a sound server's socket, or a playback device. Without
// either, the sound library's audio layer writes its failure to standard error on every sound.
bool soundOutputAvailable()
{
    if (std::getenv("PULSE_SERVER"))
        return true;
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty())
    {
        for (const char *socket : {"/pulse/native", "/pipewire-0"})
        {
            if (QFileInfo::exists(runtime + QLatin1String(socket)))
                return true;
        }
    }
    // ALSA names playback devices pcmC<card>D<device>p.
    return !QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*p")}, QDir::System).isEmpty();
}

// The file on disk that holds the sound: a resource is copied once per run.
QString diskFile(const QString &file)
{
    if (!file.startsWith(u':'))
        return file;
    const QString copy = AppFolders::cacheFolder() + u'/' + QFileInfo(file).fileName();
    static QString copied;
    if (copied != file)
    {
        QFile::remove(copy);
        if (!QFile::copy(file, copy))
            return {};
        copied = file;
    }
    return copy;
}

ca_context *context()
{
    static ca_context *ctx = [] {
        if (!soundOutputAvailable())
            return static_cast<ca_context *>(nullptr);
        ca_context *c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, "Corvina", nullptr);
        return c;
    }();
    return ctx;
}
} // namespace

namespace Sound
{
void play(const QString &file)
{
    ca_context *ctx = context();
    if (!ctx)
        return;
    const QString path = diskFile(file);
    if (!path.isEmpty())
        ca_context_play(ctx, 0, CA_PROP_MEDIA_FILENAME, NativePath::encode(path).constData(), nullptr);
}
} // namespace Sound
#else
namespace Sound
{
void play(const QString &file)
{
    Q_UNUSED(file);
}
} // namespace Sound
#endif

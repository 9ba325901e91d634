// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Desktop.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"
#include "platform/linux/PosixFiles.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

#include <unistd.h>

namespace
{
// A file URL that reaches the file under its exact bytes, also when they are not UTF-8.
QUrl fileUrl(const QString &path)
{
    if (!NativePath::hasEscapedBytes(path))
        return QUrl::fromLocalFile(path);
    return QUrl::fromEncoded(QByteArray("file://") + NativePath::encode(path).toPercentEncoding("/"));
}

QString folderOf(const QString &path)
{
    return NativePath::decode(PosixFiles::folderOf(NativePath::encode(path)));
}

// The first bytes of the file, which tell its type where the name does not.
QByteArray head(const QString &path)
{
    const FileDescriptor fd = PosixFiles::openRegular(NativePath::encode(path).constData());
    if (!fd.valid())
        return {};
    QByteArray data(4096, '\0');
    const ssize_t n = ::read(fd.get(), data.data(), static_cast<size_t>(data.size()));
    data.resize(n > 0 ? n : 0);
    return data;
}

enum class Association
{
    Known,
    None,
    Unknown, // the desktop keeps no association lists that we can read
};

// Looks the type and its parents up in the desktop's association lists (mimeapps.list and the
// mimeinfo.cache that update-desktop-database writes).
Association associationOf(const QString &path)
{
    const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFileNameAndData(path, head(path));
    QSet<QString> wanted{type.name()};
    for (const QString &name : type.allAncestors() + type.aliases())
        wanted.insert(name);

    QStringList files;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files << dir + QStringLiteral("/mimeapps.list");
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        files << dir + QStringLiteral("/mimeapps.list") << dir + QStringLiteral("/mimeinfo.cache");

    bool anyList = false;
    for (const QString &name : files)
    {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        anyList = true;
        bool listing = false;
        while (!file.atEnd())
        {
            const QByteArray line = file.readLine().trimmed();
            if (line.startsWith('['))
            {
                listing = line == "[Default Applications]" || line == "[Added Associations]" || line == "[MIME Cache]";
                continue;
            }
            const qsizetype eq = line.indexOf('=');
            if (!listing || eq <= 0)
                continue;
            const QString key = QString::fromUtf8(line.left(eq)).trimmed();
            const QByteArray apps = line.mid(eq + 1).trimmed();
            if (wanted.contains(key) && !apps.isEmpty() && apps != ";")
                return Association::Known;
        }
    }
    return anyList ? Association::None : Association::Unknown;
}
} // namespace

namespace Desktop
{
OpenResult openFile(const QString &path)
{
    if (associationOf(path) == Association::None)
        return OpenResult::NoAssociatedProgram;
    return QDesktopServices::openUrl(fileUrl(path)) ? OpenResult::Started : OpenResult::Failed;
}

bool openFolder(const QString &folder)
{
    return QDesktopServices::openUrl(fileUrl(folder));
}

void showInFileManager(const QString &path)
{
    const QUrl folder = fileUrl(folderOf(path));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
    {
        QDesktopServices::openUrl(folder);
        return;
    }
    // The file managers' common interface selects the file in a new window; where no file
    // manager offers it, the folder is opened instead.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{fileUrl(path).toString(QUrl::FullyEncoded)} << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folder](QDBusPendingCallWatcher *w) {
        if (w->isError())
            QDesktopServices::openUrl(folder);
        w->deleteLater();
    });
}

void setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}
} // namespace Desktop

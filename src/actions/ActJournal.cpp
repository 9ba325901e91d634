// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActJournal.h"

#include "actions/ActionLog.h"
#include "platform/AppFolders.h"
#include "platform/FileOpen.h"
#include "platform/NativePath.h"
#include "platform/SaveFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include <algorithm>

namespace
{
// The texts that say how a journal is damaged, for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(ActJournal)
};

// The journal's own names, never translated: the file is read back by any language.
const QLatin1String kFormat("corvina-journal");
constexpr int kVersion = 1;
// A bigger file is no journal of 20 acts of any likely size, and is not read whole.
constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;

const char *const kKinds[] = {"trash", "delete", "move", "copy"};

QString pathText(const QString &path)
{
    return QString::fromLatin1(NativePath::encode(path).toPercentEncoding("/"));
}

// Numbers of 64 bits are written as text: JSON numbers are doubles, exact only to 2^53.
QString number(qint64 n)
{
    return QString::number(n);
}

QJsonObject placedObject(const PutBack::Placed &p)
{
    return {{QStringLiteral("path"), pathText(p.path)},
            {QStringLiteral("folder_device"), number(static_cast<qint64>(p.folder.device))},
            {QStringLiteral("folder_inode"), number(static_cast<qint64>(p.folder.inode))},
            {QStringLiteral("size"), number(p.status.size)},
            {QStringLiteral("mtime_ns"), number(p.status.mtimeNs)},
            {QStringLiteral("ctime_ns"), number(p.status.ctimeNs)},
            {QStringLiteral("device"), number(static_cast<qint64>(p.status.device))},
            {QStringLiteral("inode"), number(static_cast<qint64>(p.status.inode))}};
}

// A strict reader: every field present with its type, or the whole journal is refused.
class Reader
{
public:
    QString why;

    bool fail(const QString &text)
    {
        if (why.isEmpty())
            why = text;
        return false;
    }

    bool text(const QJsonObject &o, const char *key, QString &out)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString())
            return fail(Tr::tr("\"%1\" is missing or not text").arg(QLatin1String(key)));
        out = v.toString();
        return true;
    }

    bool path(const QJsonObject &o, const char *key, QString &out)
    {
        QString t;
        if (!text(o, key, t))
            return false;
        out = NativePath::decode(QByteArray::fromPercentEncoding(t.toLatin1()));
        return true;
    }

    template <typename T> bool integer(const QJsonObject &o, const char *key, T &out)
    {
        QString t;
        if (!text(o, key, t))
            return false;
        bool ok = false;
        const qint64 n = t.toLongLong(&ok);
        if (!ok)
            return fail(Tr::tr("\"%1\" is not a number").arg(QLatin1String(key)));
        out = static_cast<T>(n);
        return true;
    }

    bool placed(const QJsonObject &o, PutBack::Placed &p)
    {
        p.status.exists = true;
        return path(o, "path", p.path) && integer(o, "folder_device", p.folder.device) &&
               integer(o, "folder_inode", p.folder.inode) && integer(o, "size", p.status.size) &&
               integer(o, "mtime_ns", p.status.mtimeNs) && integer(o, "ctime_ns", p.status.ctimeNs) &&
               integer(o, "device", p.status.device) && integer(o, "inode", p.status.inode);
    }

    bool file(const QJsonValue &value, JournalFile &f)
    {
        const QJsonObject o = value.toObject();
        const QJsonValue to = o.value(QLatin1String("to"));
        const QJsonValue settled = o.value(QLatin1String("settled"));
        if (!value.isObject() || !to.isObject() || !settled.isBool())
            return fail(Tr::tr("a file is not whole"));
        f.settled = settled.toBool();
        // Written only for a folder, so that a journal without folders reads as before.
        f.folder = o.value(QLatin1String("folder")).toBool(false);
        return path(o, "from", f.from) && integer(o, "from_folder_device", f.fromFolder.device) &&
               integer(o, "from_folder_inode", f.fromFolder.inode) && path(o, "trash_info", f.trashInfo) &&
               placed(to.toObject(), f.to);
    }

    bool act(const QJsonValue &value, JournalAct &a)
    {
        const QJsonObject o = value.toObject();
        const QJsonValue files = o.value(QLatin1String("files"));
        if (!value.isObject() || !files.isArray())
            return fail(Tr::tr("an act is not whole"));
        QString kind;
        QString time;
        if (!text(o, "id", a.id) || !text(o, "kind", kind) || !text(o, "time", time))
            return false;
        const auto k = std::find_if(std::begin(kKinds), std::end(kKinds),
                                    [&kind](const char *name) { return kind == QLatin1String(name); });
        if (k == std::end(kKinds))
            return fail(Tr::tr("unknown kind \"%1\"").arg(kind));
        a.kind = static_cast<ActKind>(k - std::begin(kKinds));
        a.time = QDateTime::fromString(time, Qt::ISODateWithMs);
        if (!a.time.isValid())
            return fail(Tr::tr("\"%1\" is not a time").arg(time));
        for (const QJsonValue f : files.toArray())
        {
            if (!file(f, a.files.emplace_back()))
                return false;
        }
        return true;
    }
};
} // namespace

bool JournalAct::undone() const
{
    return kind == ActKind::Delete ||
           std::all_of(files.begin(), files.end(), [](const JournalFile &f) { return f.settled; });
}

qint64 JournalAct::bytes() const
{
    qint64 total = 0;
    for (const JournalFile &f : files)
        total += f.to.status.size;
    return total;
}

QString ActJournal::defaultPath()
{
    const QString folder = AppFolders::dataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/journal.json");
}

QString ActJournal::kindName(ActKind kind)
{
    return QString::fromLatin1(kKinds[static_cast<int>(kind)]);
}

QString ActJournal::kindText(ActKind kind)
{
    switch (kind)
    {
    case ActKind::Trash:
        return tr("Moved to the trash");
    case ActKind::Delete:
        return tr("Deleted for good");
    case ActKind::Move:
        return tr("Moved");
    case ActKind::Copy:
        return tr("Copied");
    }
    return {};
}

QByteArray ActJournal::toJson(const std::vector<JournalAct> &acts)
{
    QJsonArray list;
    const size_t first = acts.size() > static_cast<size_t>(kMaxActs) ? acts.size() - kMaxActs : 0;
    for (size_t i = first; i < acts.size(); ++i)
    {
        const JournalAct &a = acts[i];
        QJsonArray files;
        for (const JournalFile &f : a.files)
        {
            QJsonObject file{
                {QStringLiteral("from"), pathText(f.from)},
                {QStringLiteral("from_folder_device"), number(static_cast<qint64>(f.fromFolder.device))},
                {QStringLiteral("from_folder_inode"), number(static_cast<qint64>(f.fromFolder.inode))},
                {QStringLiteral("to"), placedObject(f.to)},
                {QStringLiteral("trash_info"), pathText(f.trashInfo)},
                {QStringLiteral("settled"), f.settled},
            };
            if (f.folder)
                file.insert(QStringLiteral("folder"), true);
            files.append(file);
        }
        list.append(QJsonObject{{QStringLiteral("id"), a.id},
                                {QStringLiteral("kind"), kindName(a.kind)},
                                {QStringLiteral("time"), a.time.toUTC().toString(Qt::ISODateWithMs)},
                                {QStringLiteral("files"), files}});
    }
    const QJsonObject root{{QStringLiteral("format"), QString(kFormat)},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("acts"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<std::vector<JournalAct>> ActJournal::fromJson(const QByteArray &bytes, QString *why)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    Reader reader;
    const QJsonObject root = doc.object();
    const QJsonValue acts = root.value(QLatin1String("acts"));
    if (parse.error != QJsonParseError::NoError)
        reader.fail(parse.errorString() + Tr::tr(" at byte %1").arg(parse.offset));
    else if (root.value(QLatin1String("format")).toString() != kFormat ||
             root.value(QLatin1String("version")).toInt() != kVersion || !acts.isArray())
        reader.fail(Tr::tr("not a journal of version %1").arg(kVersion));
    std::vector<JournalAct> out;
    if (reader.why.isEmpty())
    {
        for (const QJsonValue a : acts.toArray())
        {
            if (!reader.act(a, out.emplace_back()))
                break;
        }
    }
    if (!reader.why.isEmpty())
    {
        if (why)
            *why = reader.why;
        return std::nullopt;
    }
    return out;
}

ActJournal::Contents ActJournal::read(const QString &path)
{
    Contents contents;
    if (path.isEmpty())
    {
        contents.error = tr("Corvina has no data folder for its journal: %1").arg(AppFolders::ownFoldersProblem());
        return contents;
    }
    QFile file;
    const FileOpen::Result opened = FileOpen::forReading(file, path);
    if (opened.failure == FileOpen::Failure::NotFound)
        return contents;
    if (!opened.ok() || file.size() > kMaxBytes)
    {
        contents.error = tr("The journal of Corvina's acts \"%1\" cannot be read: %2")
                             .arg(path, opened.ok() ? tr("it is too large") : opened.text);
        return contents;
    }
    QString why;
    if (auto acts = fromJson(file.readAll(), &why))
        contents.acts = std::move(*acts);
    else
        contents.error = tr("The journal of Corvina's acts \"%1\" is damaged (%2). Nothing was changed; the files "
                            "it names can still be restored from the trash or the folders they were put in.")
                             .arg(path, why);
    return contents;
}

QString ActJournal::write(const QString &path, const std::vector<JournalAct> &acts)
{
    if (path.isEmpty())
        return tr("Corvina has no data folder for its journal: %1").arg(AppFolders::ownFoldersProblem());
    SaveFile file(path, SaveFile::Access::Private);
    FileOpen::Result r = file.open();
    if (r.ok())
        r = file.write(toJson(acts));
    if (r.ok())
        r = file.commit();
    if (r.ok())
        return {};
    return tr("The journal of Corvina's acts \"%1\" could not be written: %2").arg(path, r.text);
}

ActRecorder::ActRecorder(ActKind kind, QString journalPath) : m_path(std::move(journalPath))
{
    m_act.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_act.kind = kind;
    m_act.time = QDateTime::currentDateTimeUtc();
}

ActRecorder::~ActRecorder()
{
    finish();
}

void ActRecorder::add(const LocatedFile &file, const QString &target)
{
    push(entry(file, target));
}

JournalFile ActRecorder::entry(const LocatedFile &file, const QString &target) const
{
    JournalFile f;
    f.from = file.path;
    f.fromFolder = PutBack::identityOf(file.folder);
    if (m_act.kind == ActKind::Delete)
    {
        f.to.status = file.status;
        f.settled = true;
    }
    else
    {
        f.to = PutBack::look(target);
        // What arrived there should be what left: a file of the same size and time. Otherwise
        // (someone was quicker) the original's own identity is kept, so that an undo takes back
        // that very file or nothing.
        if (!f.to.status.exists || f.to.status.size != file.status.size || f.to.status.mtimeNs != file.status.mtimeNs)
        {
            f.to.status = file.status;
            f.to.status.ctimeNs = 0;
        }
        f.to.path = target;
    }
    if (m_act.kind == ActKind::Trash)
    {
        // The trash keeps files/NAME and info/NAME.trashinfo side by side.
        const qsizetype slash = target.lastIndexOf(QStringLiteral("/files/"));
        if (slash >= 0)
            f.trashInfo =
                target.left(slash) + QStringLiteral("/info/") + target.mid(slash + 7) + QStringLiteral(".trashinfo");
    }
    return f;
}

void ActRecorder::push(JournalFile f)
{
    m_act.files.push_back(std::move(f));
    m_dirty = true;
    if (!m_sinceSave.isValid() || m_sinceSave.elapsed() >= 1000)
        save();
}

void ActRecorder::addFolder(const LocatedFile &folder, const QString &target, qint64 bytes)
{
    JournalFile f = entry(folder, target);
    f.folder = true;
    // An undo knows the folder by its identity alone: its times change as it is renamed.
    f.to.status = folder.status;
    f.to.status.size = bytes;
    f.to.status.ctimeNs = 0;
    push(std::move(f));
}

void ActRecorder::finish()
{
    if (m_dirty)
        save();
}

void ActRecorder::save()
{
    m_dirty = false;
    m_sinceSave.start();
    // Read again each time: the window and corvina-cli may both have written since.
    ActJournal::Contents contents = ActJournal::read(m_path);
    if (!contents.error.isEmpty())
        qCWarning(lcActions) << "starting a new journal:" << contents.error;
    std::erase_if(contents.acts, [this](const JournalAct &a) { return a.id == m_act.id; });
    contents.acts.push_back(m_act);
    if (const QString error = ActJournal::write(m_path, contents.acts); !error.isEmpty())
        qCWarning(lcActions) << error;
}

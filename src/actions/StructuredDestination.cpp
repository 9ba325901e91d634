// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/StructuredDestination.h"

#include "results/ResultModel.h"

#include <QDir>
#include <QHash>

namespace
{
QString locationName(const QString &folder)
{
    const QString name = QDir::cleanPath(folder).section(u'/', -1);
    if (name.isEmpty())
        return QStringLiteral("root");
    if (name == u"." || name == u"..")
        return QStringLiteral("_");
    return name;
}
} // namespace

StructuredDestination::StructuredDestination(const ResultModel &model) : m_model(model)
{
    QHash<QString, int> seen;
    for (const SearchRoot &root : model.anchors().roots)
    {
        const QString name = locationName(root.folder);
        const int n = ++seen[name];
        m_names.append(n == 1 ? name : QStringLiteral("%1 (%2)").arg(name).arg(n));
    }
}

std::optional<QStringList> StructuredDestination::foldersFor(int row) const
{
    const ResultRow &r = m_model.row(row);
    const RowAnchors::Folder *folder = m_model.anchors().folder(r.path);
    if (!folder)
        return std::nullopt;
    const auto i = static_cast<qsizetype>(folder->root);
    QStringList folders{m_names[i]};
    const QString relative = r.path.mid(m_model.anchors().roots[static_cast<size_t>(i)].folder.size());
    for (const QString &part : relative.split(u'/', Qt::SkipEmptyParts))
    {
        if (part == u"." || part == u"..")
            return std::nullopt;
        folders.append(part);
    }
    return folders;
}

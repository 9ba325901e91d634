// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/StructuredDestination.h"

#include "results/ResultModel.h"

#include <QHash>

StructuredDestination::StructuredDestination(const ResultModel &model) : m_model(model)
{
    QHash<QString, int> seen;
    for (const SearchRoot &root : model.anchors().roots)
    {
        QString name = root.folder.section(u'/', -2, -2);
        if (name.isEmpty())
            name = QStringLiteral("root");
        const int n = ++seen[name];
        m_names.append(n == 1 ? name : QStringLiteral("%1 (%2)").arg(name).arg(n));
    }
}

std::optional<QString> StructuredDestination::folderFor(int row, const QString &destination) const
{
    const ResultRow &r = m_model.row(row);
    const RowAnchors::Folder *folder = m_model.anchors().folder(r.path);
    if (!folder)
        return std::nullopt;
    const auto i = static_cast<qsizetype>(folder->root);
    const QString relative = r.path.mid(m_model.anchors().roots[static_cast<size_t>(i)].folder.size());
    const QString base = destination.endsWith(u'/') ? destination : destination + u'/';
    return base + m_names[i] + u'/' + relative;
}

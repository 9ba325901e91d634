// SPDX-License-Identifier: GPL-3.0-or-later
// Where "Copy with directory structure." puts a file: its folders below the search location it
// was found in, under a folder named after that location.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class ResultModel;

class StructuredDestination
{
public:
    explicit StructuredDestination(const ResultModel &model);

    /// The folder below destination for the file of row: destination/NAME/relative folders,
    /// NAME being the last part of its search location's folder ("root" for "/"), numbered
    /// "NAME (2)", "NAME (3)" ... for the second and later locations of the same name, so two
    /// locations never share one. None for a row that cannot be traced to a location.
    std::optional<QString> folderFor(int row, const QString &destination) const;

private:
    const ResultModel &m_model;
    QStringList m_names; // by search location, as the model's anchors list them
};

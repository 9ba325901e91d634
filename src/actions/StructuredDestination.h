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

    /// The folders below the destination for the file of row, each one plain name (never empty,
    /// "." or "..", nor holding "/"), so that none can lead out of the destination: first NAME,
    /// then the folders the file was found in below its search location. NAME is the last name
    /// of the location's folder once "." and ".." in it are worked out ("/data/photos/." gives
    /// "photos", "/data/photos/.." gives "data"), "root" for "/", "_" when nothing is left (a
    /// relative folder text that climbs); the second and later locations of the same name get
    /// "NAME (2)", "NAME (3)" ..., so two locations never share one. None for a row that cannot
    /// be traced to a location, or whose folder text holds "." or ".." below it (a session file
    /// can say anything).
    std::optional<QStringList> foldersFor(int row) const;

private:
    const ResultModel &m_model;
    QStringList m_names; // by search location, as the model's anchors list them
};

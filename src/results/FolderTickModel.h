// SPDX-License-Identifier: GPL-3.0-or-later
// The folder list of advanced marking: the distinct folders of the result, each with a tick,
// kept in ascending order.
#pragma once

#include "results/AdvancedMarking.h"

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

/// One column, "Folders", with check boxes. The folders stand in ascending order without regard
/// to case, the order in which the result list sorts its folder column.
class FolderTickModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit FolderTickModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Shows these folders; folders shown before keep their ticks, new ones are unticked. Nothing
    /// changes when the folders are the ones shown.
    void setFolders(const QStringList &folders);
    /// Ticks or unticks every folder.
    void setAllTicked(bool ticked);

    const std::vector<FolderTick> &ticks() const { return m_rows; }
    /// Takes the ticks of the same folders in the same order (after markByFolders ticked
    /// sub-folders).
    void setTicks(const std::vector<FolderTick> &ticks);

private:
    std::vector<FolderTick> m_rows;
};

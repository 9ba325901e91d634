// SPDX-License-Identifier: GPL-3.0-or-later
// A file's properties: path, size, times, permissions, owner and group.
#pragma once

#include <QDialog>

class FilePropertiesFrm : public QDialog
{
    Q_OBJECT
public:
    /// A window that deletes itself when closed.
    explicit FilePropertiesFrm(const QString &path, QWidget *parent = nullptr);

    /// The value shown beside a caption, by its English name ("Size", "Owner", ...), for tests.
    QString value(const QString &caption) const;
};

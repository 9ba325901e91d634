// SPDX-License-Identifier: GPL-3.0-or-later
// Explains fuzzy matching, with an example picture.
#pragma once

#include <QDialog>

class FuzzyFrm : public QDialog
{
    Q_OBJECT
public:
    explicit FuzzyFrm(QWidget *parent = nullptr);
};

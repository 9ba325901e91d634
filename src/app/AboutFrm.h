// SPDX-License-Identifier: GPL-3.0-or-later
// "About Corvina": the version, the libraries it is built on, and their licences.
#pragma once

#include <QDialog>

class AboutFrm : public QDialog
{
    Q_OBJECT
public:
    explicit AboutFrm(QWidget *parent = nullptr);
};

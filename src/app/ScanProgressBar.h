// SPDX-License-Identifier: GPL-3.0-or-later
// The progress bar in the main window's status bar while a scan or a session load runs.
#pragma once

#include "app/ProgressShown.h"

#include <QProgressBar>

/// Shows ProgressShown: busy with the files found during the walk, then the share of the bytes
/// compared. The bar never moves back within one stage.
class ScanProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    explicit ScanProgressBar(QWidget *parent = nullptr);

    /// Busy, without a text: working, nothing counted yet.
    void restart();
    void showProgress(const ScanProgress &progress);

    /// Also while the bar is busy, which QProgressBar shows without its text.
    QString text() const override { return m_text; }

private:
    QString m_text;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScanProgressBar.h"

#include <algorithm>

ScanProgressBar::ScanProgressBar(QWidget *parent) : QProgressBar(parent)
{
    setObjectName(QStringLiteral("ScanProgress"));
    setTextVisible(true);
    // Wide enough for "1023.99 MB of 1023.99 MB".
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("1023.99 MB of 1023.99 MB")) + 24);
    restart();
}

void ScanProgressBar::restart()
{
    m_text.clear();
    setRange(0, 0);
    setValue(0);
}

void ScanProgressBar::showProgress(const ScanProgress &progress)
{
    ProgressShown shown = ProgressShown::of(progress);
    if (shown.maximum == maximum() && shown.maximum > 0)
        shown.value = std::max(shown.value, value());
    m_text = shown.text;
    setRange(0, shown.maximum);
    setValue(shown.value);
    update();
}

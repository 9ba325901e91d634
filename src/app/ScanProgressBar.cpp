// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScanProgressBar.h"

#include <algorithm>

ScanProgressBar::ScanProgressBar(QWidget *parent) : QProgressBar(parent)
{
    setObjectName(QStringLiteral("ScanProgress"));
    setTextVisible(true);
    // Wide enough for "1023.99 MB of 1023.99 MB", in the words the bar shows.
    const qint64 widest = 1073731339; // 1023.99 MB
    const ProgressShown sample =
        ProgressShown::of({ScanProgress::Stage::Compare, 0, 0, widest, widest, ScanProgress::Unit::Bytes});
    setMinimumWidth(fontMetrics().horizontalAdvance(sample.text) + 24);
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

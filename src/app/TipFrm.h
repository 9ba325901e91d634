// SPDX-License-Identifier: GPL-3.0-or-later
// The tip of the day: one short hint at a time, and whether to show it at start-up.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class Settings;

class TipFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TipFrm(Settings &settings, QWidget *parent = nullptr);

    /// Every tip, in the user's language.
    static QStringList tips();
    /// The tip shown now (an index into tips()).
    int current() const { return m_current; }
    void showTip(int index);

private:
    void showNextTip();
    void storeShowTips();

    Settings &m_settings;
    int m_current = 0;
    QLabel *m_tipLabel = nullptr;
    QCheckBox *m_showTipsCheck = nullptr;
};

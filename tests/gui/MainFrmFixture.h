// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the real main window on the test run's temporary settings, with scripted prompts.
#pragma once

#include "app/ElidedLabel.h"
#include "app/MainFrm.h"
#include "support/ScriptedPrompter.h"

#include <QLabel>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

/// QString values in failure messages as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

class QAction;
class Settings;

class MainFrmTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /// Settings as a first start finds them (nothing stored), except for the tip window, which
    /// most tests do not want.
    static void freshSettings(bool showTips = false);
    static Settings &settings();

    /// Builds the window (and shows it, which runs its first activation).
    MainFrm &open(const QString &commandLine = QString());
    /// Closes and destroys the window, as the user closing it does (answering Yes when marks are
    /// about to be lost).
    void closeWindow();
    /// Closes, then builds a fresh window: a restart.
    MainFrm &restart();

    QAction *action(const char *name) const;
    QString panelText(MainFrm::Panel p) const { return window->panel(p)->text(); }
    template <typename T> T *child(const char *name) const { return window->findChild<T *>(QString::fromLatin1(name)); }

    ScriptedPrompter prompter;
    ScriptedErrorReporter errors;
    /// Where the window reports unexpected failures: the scripted reporter unless a test says.
    ErrorReporter *errorReporter = &errors;
    int sounds = 0;
    std::unique_ptr<MainFrm> window;
};

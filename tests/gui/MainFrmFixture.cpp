// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainFrmFixture.h"

#include "platform/AppFolders.h"
#include "platform/Settings.h"
#include "results/ResultModel.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTest>

void MainFrmTest::SetUp()
{
    freshSettings();
}

void MainFrmTest::TearDown()
{
    if (window)
        closeWindow();
    EXPECT_TRUE(prompter.allUsed());
    EXPECT_TRUE(errors.allUsed());
}

Settings &MainFrmTest::settings()
{
    return Settings::instance();
}

void MainFrmTest::freshSettings(bool showTips)
{
    settings().restoreDefaults();
    if (!showTips)
        settings().setShowTipsAtStartup(false);
    QFile::remove(AppFolders::defaultSessionPath());
}

MainFrm &MainFrmTest::open(const QString &commandLine)
{
    window = std::make_unique<MainFrm>(MainFrmServices{prompter, *errorReporter, settings(), [this] { ++sounds; }},
                                       commandLine);
    window->show();
    // The first activation runs from the event loop.
    QCoreApplication::processEvents();
    return *window;
}

void MainFrmTest::closeWindow()
{
    // Closing with marks asks first; the person closing means it.
    if (window->results().markedCount() > 0)
        prompter.expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes);
    window->close();
    window.reset();
}

MainFrm &MainFrmTest::restart()
{
    closeWindow();
    return open();
}

QAction *MainFrmTest::action(const char *name) const
{
    auto *a = window->findChild<QAction *>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

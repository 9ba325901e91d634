// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/CommonDlg.h"
#include "app/BugFrm.h"
#include "app/FuzzyFrm.h"
#include "app/ToolbarIcons.h"
#include "search/TooManyFilesDialog.h"
#include "support/TestScope.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace
{
// Presses the named button of whatever modal window is open once the event loop runs.
void pressLater(const char *buttonName)
{
    QTimer::singleShot(0, TestScope::object(), [name = QString::fromLatin1(buttonName)] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        auto *button = modal->findChild<QPushButton *>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        button->click();
    });
}
} // namespace

TEST(CommonDlg, FiltersAndDefaultSuffix)
{
    EXPECT_EQ(CommonDlg::qtFilter(QStringLiteral("Error Logs|*.log")), QStringLiteral("Error Logs (*.log)"));
    EXPECT_EQ(CommonDlg::qtFilter(QStringLiteral("Error Logs|*.log|")), QStringLiteral("Error Logs (*.log)"));
    EXPECT_EQ(CommonDlg::qtFilter(QStringLiteral("Pictures|*.jpg;*.png|All|*.*")),
              QStringLiteral("Pictures (*.jpg *.png);;All (*.*)"));
    // The patterns are shown once, where the name already shows them.
    EXPECT_EQ(CommonDlg::qtFilter(QStringLiteral("Corvina(*.cvf)|*.cvf")), QStringLiteral("Corvina(*.cvf)"));
    EXPECT_EQ(CommonDlg::defaultSuffix(QStringLiteral("Corvina(*.cvf)|*.cvf")), QStringLiteral("cvf"));
    EXPECT_EQ(CommonDlg::defaultSuffix(QStringLiteral("All|*.*")), QString());
}

TEST(CommonDlg, CenterFormCentresAWindowNotShownYetBySizeItWillShowWith)
{
    QDialog dialog;
    auto *content = new QLabel(QStringLiteral("Corvina"), &dialog);
    content->setFixedSize(200, 100);
    (new QVBoxLayout(&dialog))->addWidget(content);
    CommonDlg::centerForm(&dialog);
    dialog.show();
    const QPoint offset = dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
}

TEST(TooManyFilesDialog, OkProceedsCancelStops)
{
    EXPECT_EQ(TooManyFilesDialog::titleFor(100001),
              QStringLiteral("You are about to scan a collection of too many files, total 100001 files.  "));
    TooManyFilesDialog ok;
    ok.setTotalFiles(100001);
    pressLater("Command2");
    ok.exec();
    EXPECT_TRUE(ok.proceed);
    TooManyFilesDialog cancel;
    cancel.proceed = true;
    pressLater("Command1");
    cancel.exec();
    EXPECT_FALSE(cancel.proceed);
    EXPECT_EQ(cancel.windowTitle(), QStringLiteral("Warning"));
}

TEST(BugFrm, RetryAbortAndTheReportText)
{
    const ErrorReport report{53, QStringLiteral("File not found"), QStringLiteral("Scanning"), 42};
    QtErrorReporter reporter;
    pressLater("cmdRetry");
    EXPECT_EQ(reporter.report(report), ErrorChoice::Retry);
    pressLater("cmdAbort");
    EXPECT_EQ(reporter.report(report), ErrorChoice::Abort);

    BugFrm frm(report);
    frm.findChild<QPushButton *>(QStringLiteral("cmdSend"))->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("File not found")));
    EXPECT_TRUE(BugFrm::reportText(report).contains(QStringLiteral("While: Scanning")));
    EXPECT_EQ(frm.choice(), ErrorChoice::Abort) << "closing without Retry aborts";
}

TEST(FuzzyFrm, ExplainsAndCloses)
{
    FuzzyFrm frm;
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Fuzzy  match"));
    EXPECT_TRUE(
        frm.findChild<QLabel *>(QStringLiteral("Label2"))->text().startsWith(QStringLiteral("File A is identical")));
    pressLater("Command1");
    EXPECT_EQ(frm.exec(), QDialog::Accepted);
}

TEST(ToolbarIcons, EveryPictureAndTheWindowIconLoad)
{
    // Offscreen there is no icon theme: the bundled pictures must stand in.
    for (int p = 0; p <= static_cast<int>(ToolbarIcons::Picture::Program); ++p)
        EXPECT_FALSE(ToolbarIcons::icon(static_cast<ToolbarIcons::Picture>(p)).pixmap(32, 32).isNull()) << p;
    EXPECT_FALSE(QIcon(QStringLiteral(":/corvina.svg")).pixmap(48, 48).isNull()) << "Qt's SVG plugin is missing";
}

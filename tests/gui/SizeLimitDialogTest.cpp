// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SizeLimitDialog.h"

#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestScope.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace
{
struct SizeLimitDialogTest : ::testing::Test
{
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.ini"))};
    Settings settings{store};
    ScriptedPrompter prompter;

    void SetUp() override { SizeLimitDialog::sizeLimit.reset(); }

    template <typename W> static W *child(QWidget &dialog, const char *name)
    {
        auto *w = dialog.findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Chooses "Specify :" with a number and a unit, then presses OK.
    static void specify(SizeLimitDialog &dialog, const QString &number, const QString &unit)
    {
        child<QRadioButton>(dialog, "Option3")->click();
        child<QLineEdit>(dialog, "Text1")->setText(number);
        child<QComboBox>(dialog, "combo1")->setCurrentText(unit);
        child<QPushButton>(dialog, "Command1")->click();
    }
};
} // namespace

TEST_F(SizeLimitDialogTest, FirstUseOffersACdAndOkGivesItsSize)
{
    SizeLimitDialog dialog(prompter, settings);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Maximum size limit"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "Option1")->isChecked());
    EXPECT_EQ(child<QLineEdit>(dialog, "Text1")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QComboBox>(dialog, "combo1")->currentText(), QStringLiteral("KB"));
    EXPECT_FALSE(child<QLineEdit>(dialog, "Text1")->isEnabled());
    EXPECT_FALSE(dialog.largeFilesFirst());
    child<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SizeLimitDialog::sizeLimit, 716800.0);

    SizeLimitDialog dvd(prompter, settings);
    child<QRadioButton>(dvd, "Option2")->click();
    child<QPushButton>(dvd, "Command1")->click();
    EXPECT_EQ(SizeLimitDialog::sizeLimit, 4589843.0);
}

TEST_F(SizeLimitDialogTest, ASpecifiedSizeIsTakenInItsUnitAndComesBackNextTime)
{
    {
        SizeLimitDialog dialog(prompter, settings);
        specify(dialog, QStringLiteral("1.5"), QStringLiteral("MB"));
        EXPECT_EQ(SizeLimitDialog::sizeLimit, 1024.0);
    }
    SizeLimitDialog again(prompter, settings);
    EXPECT_TRUE(child<QRadioButton>(again, "Option3")->isChecked());
    EXPECT_TRUE(child<QLineEdit>(again, "Text1")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(again, "Text1")->text(), QStringLiteral("1.5"));
    EXPECT_EQ(child<QComboBox>(again, "combo1")->currentText(), QStringLiteral("MB"));
    specify(again, QStringLiteral("2"), QStringLiteral("GB"));
    EXPECT_EQ(SizeLimitDialog::sizeLimit, 2097152.0);
    SizeLimitDialog kb(prompter, settings);
    specify(kb, QStringLiteral("1.5"), QStringLiteral("KB"));
    EXPECT_EQ(SizeLimitDialog::sizeLimit, 1.5);
    EXPECT_EQ(settings.sizeLimit(), Settings::SizeLimit::Specified);
    EXPECT_EQ(settings.sizeLimitText(), QStringLiteral("1.5"));
    EXPECT_EQ(settings.sizeLimitUnit(), Settings::SizeUnit::KB);
}

TEST_F(SizeLimitDialogTest, ATextThatIsNoNumberIsRefusedAndClosingKeepsTheLastLimit)
{
    SizeLimitDialog::sizeLimit = 716800;
    SizeLimitDialog dialog(prompter, settings);
    dialog.show();
    prompter.expectMessage(QStringLiteral("Error"), QStringLiteral(" type only integer values"), PromptAnswer::Ok);
    specify(dialog, QStringLiteral("12x"), QStringLiteral("KB"));
    EXPECT_TRUE(prompter.allUsed());
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    dialog.reject();
    EXPECT_EQ(SizeLimitDialog::sizeLimit, 716800.0);
    EXPECT_EQ(settings.sizeLimitText(), QStringLiteral("0")) << "a cancelled dialog stores nothing";
    EXPECT_EQ(settings.sizeLimit(), Settings::SizeLimit::Cd) << "a cancelled dialog stores nothing";
}

TEST_F(SizeLimitDialogTest, AStoredLimitTheDialogDoesNotOfferSelectsNoneAndLeavesTheLimit)
{
    settings.setSizeLimit(Settings::SizeLimit::None);
    SizeLimitDialog dialog(prompter, settings);
    for (const char *name : {"Option1", "Option2", "Option3"})
        EXPECT_FALSE(child<QRadioButton>(dialog, name)->isChecked()) << name;
    child<QPushButton>(dialog, "Command1")->click();
    EXPECT_FALSE(SizeLimitDialog::sizeLimit.has_value());
    EXPECT_EQ(settings.sizeLimit(), Settings::SizeLimit::None);
}

TEST_F(SizeLimitDialogTest, AskShowsTheDialogAndReturnsTheLimitAndTheLargeFilesChoice)
{
    QTimer::singleShot(0, TestScope::object(), [] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        modal->findChild<QRadioButton *>(QStringLiteral("Option2"))->click();
        modal->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
        modal->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    const std::optional<SizeLimits::UpTo> upTo = SizeLimitDialog::ask(prompter, settings, nullptr);
    ASSERT_TRUE(upTo.has_value());
    EXPECT_EQ(upTo->limitKb, 4589843.0);
    EXPECT_TRUE(upTo->largeFilesFirst);
}

TEST_F(SizeLimitDialogTest, EscAndTheTitleBarCloseCancelWithoutStoringAnything)
{
    SizeLimitDialog::sizeLimit = 716800;
    settings.setSizeLimitText(QStringLiteral("7"));
    const std::vector<std::pair<const char *, std::function<void(QWidget *)>>> closings = {
        {"Esc", [](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); }},
        {"title bar", [](QWidget *modal) { modal->close(); }},
    };
    for (const auto &[how, close] : closings)
    {
        SCOPED_TRACE(how);
        QTimer::singleShot(0, TestScope::object(), [close = close] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            modal->findChild<QRadioButton *>(QStringLiteral("Option3"))->click();
            modal->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("1"));
            close(modal);
        });
        EXPECT_FALSE(SizeLimitDialog::ask(prompter, settings, nullptr).has_value());
        EXPECT_EQ(SizeLimitDialog::sizeLimit, 716800.0);
        EXPECT_EQ(settings.sizeLimitText(), QStringLiteral("7"));
        EXPECT_EQ(settings.sizeLimit(), Settings::SizeLimit::Cd);
    }
}

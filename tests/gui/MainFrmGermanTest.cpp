// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in German, as LANG=de_DE.UTF-8 starts it: menus a German user can work with the
// keyboard, and the status bar in German words and number format.
#include "MainFrmFixture.h"

#include "core/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

namespace
{
// The German catalogue and number format for as long as it lives.
class German
{
public:
    German()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(Translations::install(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany)),
                  QLocale::German);
    }
    ~German()
    {
        for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>())
        {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QLocale::setDefault(QLocale::c());
    }
    German(const German &) = delete;
    German &operator=(const German &) = delete;
};

// The access key of a caption: the letter after its "&", lower-case; empty when there is none.
QString accessKey(const QString &caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at < 0 || at + 1 >= caption.size() ? QString() : caption.mid(at + 1, 1).toLower();
}

// Each entry of the menu has an access key of its own.
void expectOwnAccessKeys(const QMenu *menu)
{
    QStringList keys;
    for (const QAction *a : menu->actions())
    {
        if (a->isSeparator())
            continue;
        const QString key = accessKey(a->text());
        EXPECT_FALSE(key.isEmpty()) << a->text().toStdString();
        EXPECT_FALSE(keys.contains(key)) << menu->title().toStdString() << ": " << a->text().toStdString();
        keys << key;
        if (a->menu())
            expectOwnAccessKeys(a->menu());
    }
}
} // namespace

TEST_F(MainFrmTest, InGermanEveryMenuKeepsItsAccessKeysApart)
{
    const German german;
    MainFrm &w = open();
    QStringList titles;
    QStringList keys;
    for (const QAction *menu : w.menuBar()->actions())
    {
        titles << menu->text();
        keys << accessKey(menu->text());
        expectOwnAccessKeys(menu->menu());
    }
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"), QStringLiteral("&Aktionen"),
                                   QStringLiteral("&Hilfe")}));
    keys.removeDuplicates();
    EXPECT_EQ(keys.size(), titles.size());

    EXPECT_EQ(panelText(MainFrm::Panel::Activity),
              QStringLiteral("Fügen Sie einen Suchpfad hinzu und klicken Sie auf „Suchen“, um die Suche zu starten."));
    EXPECT_EQ(panelText(MainFrm::Panel::Files), QStringLiteral("Dateien: 0"));
    EXPECT_EQ(action("MScan")->text(), QStringLiteral("&Suchen"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ErrorLog.h"
#include "support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(ErrorLog, NameAndBytesAreExact)
{
    EXPECT_EQ(ErrorLog::defaultName(QDate(2026, 12, 4)), QStringLiteral("Error 04-12-2026"));

    const std::vector<ActionError> errors{ActionError::unableToDelete(QStringLiteral("/photos/copy of beach.jpg")),
                                          ActionError::changedSinceSearch(QStringLiteral("/photos/café.jpg"))};
    const QDateTime at(QDate(2026, 12, 4), QTime(16, 30, 12));
    const QByteArray rule(51, '-');
    const QByteArray expected = rule + "\r\n" + "Corvina Deletion Error Log File.\r\n" +
                                "Created at : 04-Dec-2026 04:30:12 PM\r\n" + rule + "\r\n" + " \r\n" +
                                "Error No, Description, File Name\r\n" + rule + "\r\n" +
                                "1005, Unable to delete file, /photos/copy of beach.jpg\r\n" +
                                "1008, File changed since the search, /photos/caf\xc3\xa9.jpg\r\n";
    EXPECT_EQ(ErrorLog::text(errors, at), expected);

    TempTree tree;
    const QString path = tree.file(QStringLiteral("old.log"), "an older, longer log that is replaced whole");
    ASSERT_TRUE(ErrorLog::save(path, errors, at));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), expected);
    EXPECT_EQ(ErrorLog::text(errors, at).count("\r\n"), 9);
}

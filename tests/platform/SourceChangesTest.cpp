// SPDX-License-Identifier: GPL-3.0-or-later
// A copy is of the file as it was proved: a source changed since it was located, or written while
// it is copied, leaves no copy behind.
#include "platform/FileTransfer.h"
#include "support/Located.h"
#include "support/TempTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace
{
const QDateTime kOld(QDate(2018, 2, 3), QTime(4, 5, 6), Qt::UTC);

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

TEST(SourceChanges, ACopyTakesNoSourceChangedSinceItWasLocated)
{
    const struct
    {
        const char *what;
        std::function<void(TempTree &)> change;
    } cases[] = {
        {"rewritten with another size", [](TempTree &t) { t.file(QStringLiteral("src/x.txt"), "other bytes", kOld); }},
        {"touched", [](TempTree &t) { t.setMtime(QStringLiteral("src/x.txt"), kOld.addSecs(60)); }},
    };
    for (const auto &c : cases)
    {
        SCOPED_TRACE(c.what);
        TempTree tree;
        const QString source = tree.file(QStringLiteral("src/x.txt"), "the bytes", kOld);
        const QString dest = tree.dir(QStringLiteral("dest"));
        const LocatedFile located = locatedAt(source);
        c.change(tree);

        const FileOpResult r = FileTransfer::copyNoClobber(located, {dest, {}});
        EXPECT_EQ(r.error, FileOpError::Changed);
        EXPECT_EQ(entriesOf(dest), QStringList());
    }
}

TEST(SourceChanges, ASourceWrittenWhileItIsCopiedLeavesNoCopy)
{
    TempTree tree;
    const QString source = tree.fileOfSize(QStringLiteral("src/x.bin"), 3 << 20, 's', kOld);
    const QString dest = tree.dir(QStringLiteral("dest"));
    // Once the first block is copied, someone writes into it: same size, another time.
    bool written = false;
    const auto pulse = [&] {
        if (written)
            return;
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_EQ(f.write("S", 1), 1);
        written = true;
    };

    const FileOpResult r = FileTransfer::copyNoClobber(locatedAt(source), {dest, {}}, pulse);
    ASSERT_TRUE(written);
    EXPECT_EQ(r.error, FileOpError::Changed);
    EXPECT_EQ(entriesOf(dest), QStringList());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the session fuzzer's corpus (fuzz/corpus/session): every input the fuzzer found
// interesting must still pass the property it checks.
#include "SessionRoundTrip.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SessionFuzzCorpus, EveryKeptInputPassesTheRoundTripCheck)
{
    const QDir corpus(QStringLiteral(CORVINA_FUZZ_CORPUS));
    const QStringList inputs = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(inputs.isEmpty()) << "no corpus in " << CORVINA_FUZZ_CORPUS;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString &name : inputs)
    {
        QFile f(corpus.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(SessionRoundTrip::check(f.readAll(), folder.path()), QString()) << name.toStdString();
    }
}

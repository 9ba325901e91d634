// SPDX-License-Identifier: GPL-3.0-or-later
// The similar-pictures search over hundreds of made-up photos and their copies: how many copies it
// finds with their original (recall), how many of the pairs it groups belong together (precision).
#include "engine/PictureGroups.h"
#include "support/PictureScenes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>
#include <map>

using PictureScenes::Copy;

namespace
{
// Enough scenes that unrelated look-alikes would show, few enough for a sanitizer build;
// CORVINA_PICTURE_SCENES asks for more, and CORVINA_PICTURE_SEED for other scenes than the
// limits were chosen on.
int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue(name, &ok);
    return ok && asked > 0 ? asked : fallback;
}

struct Corpus
{
    QList<PictureFacts> facts;
    QList<int> scene;
    QList<Copy> copy;
    QList<int> originalOf; // index of the scene's original, by scene
};

Corpus makeCorpus(const QString &folder, int scenes, int firstSeed)
{
    Corpus corpus;
    for (int s = 0; s < scenes; ++s)
    {
        const auto seed = static_cast<quint32>(firstSeed + s);
        const QImage image = PictureScenes::scene(seed, 480);
        for (const Copy copy : PictureScenes::copies())
        {
            const QString path = QStringLiteral("%1/%2-%3.%4")
                                     .arg(folder)
                                     .arg(s)
                                     .arg(QLatin1String(PictureScenes::copyName(copy)),
                                          QLatin1String(PictureScenes::copyExtension(copy)));
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(PictureScenes::encode(image, copy, seed));
            file.close();
            const auto facts = PictureHash::read(path);
            if (!facts)
            {
                ADD_FAILURE() << "not read: " << path.toStdString();
                continue;
            }
            if (copy == Copy::Original)
                corpus.originalOf.append(static_cast<int>(corpus.facts.size()));
            corpus.facts.append(*facts);
            corpus.scene.append(s);
            corpus.copy.append(copy);
        }
    }
    return corpus;
}

struct Score
{
    std::map<Copy, std::pair<int, int>> foundOfCopy; // (found with the original, all)
    qint64 rightPairs = 0;
    qint64 pairs = 0;
    int originalsTogether = 0; // groups holding the originals of two scenes or more

    double recall() const
    {
        int found = 0;
        int all = 0;
        for (const auto &[copy, counts] : foundOfCopy)
        {
            found += counts.first;
            all += counts.second;
        }
        return all ? double(found) / all : 0;
    }
    double precision() const { return pairs ? double(rightPairs) / double(pairs) : 1; }
};

Score score(const Corpus &corpus, const QList<QList<int>> &groups)
{
    Score result;
    QList<int> groupOf(corpus.facts.size(), -1);
    for (int g = 0; g < groups.size(); ++g)
    {
        int originals = 0;
        for (int i = 0; i < groups[g].size(); ++i)
        {
            const int a = groups[g][i];
            groupOf[a] = g;
            originals += corpus.copy[a] == Copy::Original ? 1 : 0;
            for (int j = i + 1; j < groups[g].size(); ++j)
            {
                ++result.pairs;
                result.rightPairs += corpus.scene[a] == corpus.scene[groups[g][j]] ? 1 : 0;
            }
        }
        result.originalsTogether += originals > 1 ? 1 : 0;
    }
    for (int i = 0; i < corpus.facts.size(); ++i)
    {
        if (corpus.copy[i] == Copy::Original)
            continue;
        const int original = corpus.originalOf[corpus.scene[i]];
        auto &[found, all] = result.foundOfCopy[corpus.copy[i]];
        found += groupOf[i] >= 0 && groupOf[i] == groupOf[original] ? 1 : 0;
        ++all;
    }
    return result;
}

TEST(SimilarPictures, FindsTheCopiesOfEachSceneAndNeverJoinsTwoScenes)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const int scenes = fromEnvironment("CORVINA_PICTURE_SCENES", 200);
    const Corpus corpus = makeCorpus(folder.path(), scenes, fromEnvironment("CORVINA_PICTURE_SEED", 1000));
    ASSERT_EQ(corpus.originalOf.size(), scenes);

    for (const PictureLevel level : PictureGroups::levels())
    {
        const Score s = score(corpus, PictureGroups::find(corpus.facts, level));
        QString line = QStringLiteral("%1 (%2/%3 bits): recall %4 %, precision %5 %, groups joining scenes %6;")
                           .arg(PictureGroups::levelName(level))
                           .arg(PictureHash::limits(level).dct)
                           .arg(PictureHash::limits(level).gradient)
                           .arg(100 * s.recall(), 0, 'f', 2)
                           .arg(100 * s.precision(), 0, 'f', 3)
                           .arg(s.originalsTogether);
        for (const auto &[copy, counts] : s.foundOfCopy)
            line += QStringLiteral(" %1 %2/%3")
                        .arg(QLatin1String(PictureScenes::copyName(copy)))
                        .arg(counts.first)
                        .arg(counts.second);
        std::cout << line.toStdString() << std::endl;

        if (level == PictureGroups::DefaultLevel)
        {
            EXPECT_GE(s.recall(), 0.95);
            EXPECT_GE(s.precision(), 0.99);
        }
        if (level != PictureLevel::Loose)
        {
            EXPECT_EQ(s.originalsTogether, 0) << "at " << PictureGroups::levelName(level).toStdString();
        }
    }
}
} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The fast content engine against the pair-by-pair reference on random trees: identical files,
// files differing in the first, a middle or the last byte or in some whole blocks, files made
// unreadable after the walk, repeated listings, and large groups of one size.
#include "ReferenceEngine.h"
#include "ScanFixture.h"

#include "engine/CompareAhead.h"
#include "engine/SearchEngine.h"
#include "support/TempTree.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
enum class Change
{
    None,
    FirstByte,
    MiddleByte,
    LastByte,
    SomeBlocks,
    Everything,
};

class RandomTree
{
public:
    explicit RandomTree(quint32 seed) : m_rng(seed) {}

    /// Files of `size` bytes made from a few base contents, each changed one of the ways above;
    /// with `fewContents` only by one byte, so that a large set holds a few large groups (the
    /// pair-by-pair reference takes time quadratic in the number of distinct contents).
    void addSizeClass(qint64 size, int files, int bases, bool fewContents = false)
    {
        std::vector<QByteArray> base;
        for (int b = 0; b < bases; ++b)
            base.push_back(randomBytes(size));
        for (int f = 0; f < files; ++f)
        {
            QByteArray content = base[static_cast<size_t>(m_rng.bounded(bases))];
            change(content, static_cast<Change>(m_rng.bounded(fewContents ? 4 : 6)));
            const QString name = randomName();
            const QString path = m_tree.file(name, content);
            m_paths << path;
            if (m_rng.bounded(10) == 0)
                m_paths << path; // the same file through two overlapping locations
            if (m_rng.bounded(16) == 0)
                m_spoil.push_back(path);
        }
    }

    const QStringList &paths() const { return m_paths; }

    /// Makes the chosen files unreadable after their records were taken (removed, replaced by a
    /// FIFO, or without read permission where permissions count), or grows them by a byte.
    void spoil()
    {
        for (size_t i = 0; i < m_spoil.size(); ++i)
        {
            const QByteArray native = QFile::encodeName(m_spoil[i]);
            switch (i % 4)
            {
            case 0:
                ASSERT_EQ(::unlink(native.constData()), 0);
                break;
            case 1:
                ASSERT_EQ(::unlink(native.constData()), 0);
                ASSERT_EQ(::mkfifo(native.constData(), 0600), 0);
                break;
            case 2: {
                QFile f(m_spoil[i]);
                ASSERT_TRUE(f.open(QIODevice::Append));
                f.write("!");
                break;
            }
            default:
                if (::geteuid() == 0)
                    ASSERT_EQ(::unlink(native.constData()), 0);
                else
                    ASSERT_EQ(::chmod(native.constData(), 0), 0);
            }
        }
    }

private:
    QByteArray randomBytes(qint64 size)
    {
        // Few distinct byte values, so that blocks of different files often agree.
        std::vector<quint32> words(static_cast<size_t>(size / 16 + 1));
        m_rng.fillRange(words.data(), static_cast<qsizetype>(words.size()));
        QByteArray b(size, '\0');
        for (qint64 i = 0; i < size; ++i)
            b[i] = static_cast<char>('a' + ((words[static_cast<size_t>(i / 16)] >> (2 * (i % 16))) & 1));
        return b;
    }

    void change(QByteArray &content, Change how)
    {
        const qint64 n = content.size();
        auto flip = [&](qint64 at) { content[at] = static_cast<char>(content[at] ^ 0x40); };
        switch (how)
        {
        case Change::None:
            break;
        case Change::FirstByte:
            flip(0);
            break;
        case Change::MiddleByte:
            flip(n / 2);
            break;
        case Change::LastByte:
            flip(n - 1);
            break;
        case Change::SomeBlocks:
            for (qint64 block = 0; block * 1000 < n; ++block)
            {
                if (m_rng.bounded(2) == 0)
                    flip(std::min(n - 1, block * 1000 + m_rng.bounded(1000)));
            }
            break;
        case Change::Everything:
            content = randomBytes(n);
            break;
        }
    }

    QString randomName()
    {
        static const char *folders[] = {"", "a/", "a/b/", "c/", "c/.hidden/", "d e/"};
        static const char *stems[] = {"f", "F", ".dot", "copy of f", "x,y", "z"};
        return QLatin1String(folders[m_rng.bounded(6)]) + QLatin1String(stems[m_rng.bounded(6)]) +
               QString::number(m_counter++) + QStringLiteral(".bin");
    }

    QRandomGenerator m_rng;
    TempTree m_tree;
    QStringList m_paths;
    std::vector<QString> m_spoil;
    int m_counter = 0;
};

// Lowers the process's limit on open files for a while.
class LoweredFileLimit
{
public:
    explicit LoweredFileLimit(rlim_t files)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = std::min(files, m_saved.rlim_max);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~LoweredFileLimit() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved{};
};

struct Method
{
    const char *name;
    ScanOptions options;
};
const Method Methods[] = {
    {"exact", {ScanOptions::ByteToByte, false}},
    {"fuzzy", {ScanOptions::ByteToByte, true}},
    {"crc", {ScanOptions::Crc32, false}},
};

// Scans the records of `paths` (taken before `spoil` runs) with both engines under a limit on
// open files; they must agree.
void expectSameOutcome(RandomTree &tree, std::initializer_list<Method> methods, rlim_t openFiles = 400)
{
    struct Run
    {
        TestSink fastSink, referenceSink;
        std::unique_ptr<ScanContext> fast, reference;
        ReferenceEngine::Hives hives;
    };
    std::vector<std::unique_ptr<Run>> runs;
    for (const Method &m : methods)
    {
        auto run = std::make_unique<Run>();
        run->fast = std::make_unique<ScanContext>(run->fastSink, m.options);
        run->reference = std::make_unique<ScanContext>(run->referenceSink, m.options);
        loadSortedFiles(*run->fast, tree.paths());
        loadSortedFiles(*run->reference, tree.paths());
        ReferenceEngine::load(*run->reference, run->hives);
        runs.push_back(std::move(run));
    }
    tree.spoil();
    // A low limit on open files, so that large sets hold few of them open between reads.
    const LoweredFileLimit limit(openFiles);
    size_t i = 0;
    for (const Method &m : methods)
    {
        Run &run = *runs[i++];
        run.fastSink.watchOpenFiles = true;
        SearchEngine::findSameSize(*run.fast);
        // Never at the limit: an open that fails for want of a descriptor drops a file from its group.
        EXPECT_LT(run.fastSink.mostOpenFiles, static_cast<int>(openFiles)) << m.name;
        ReferenceEngine::findSameSize(*run.reference, run.hives);
        const ScanOutcome fast = outcomeOf(*run.fast);
        const ScanOutcome reference = outcomeOf(*run.reference, &run.hives.results);
        EXPECT_EQ(fast.results, reference.results) << m.name;
        EXPECT_EQ(fast.totalFiles, reference.totalFiles) << m.name;
        EXPECT_EQ(fast.duplicateCount, reference.duplicateCount) << m.name;
        EXPECT_EQ(fast.duplicateSize, reference.duplicateSize) << m.name;
        EXPECT_EQ(fast.groupShade, reference.groupShade) << m.name;
    }
}
} // namespace

TEST(ContentDifferential, RandomTreesGiveTheReferenceGroups)
{
    for (quint32 seed = 1; seed <= 6; ++seed)
    {
        SCOPED_TRACE(seed);
        RandomTree tree(seed);
        for (qint64 size : {1, 7, 999, 1000, 1001, 2500, 10000, 10500, 70000, 140001})
            tree.addSizeClass(size, 2 + static_cast<int>(seed + size) % 7, 1 + static_cast<int>(size % 3));
        expectSameOutcome(tree, {Methods[0], Methods[1], Methods[2]});
    }
}

TEST(ContentDifferential, GroupOfTwoHundredFilesOfOneSize)
{
    RandomTree tree(42);
    tree.addSizeClass(3000, 200, 4, true);
    tree.addSizeClass(2000, 30, 2);
    expectSameOutcome(tree, {Methods[0], Methods[1], Methods[2]});
}

TEST(ContentDifferential, LargeSetsHashedFirstAndReadInSmallerBlocks)
{
    // So many files of one size that a round's memory share is below the first block, and so
    // many small ones that their first round hashes whole files.
    RandomTree tree(7);
    tree.addSizeClass(66000, 520, 3, true);
    tree.addSizeClass(3000, 1500, 3, true);
    expectSameOutcome(tree, {Methods[0], Methods[2]});
}

TEST(ContentDifferential, AVeryLowLimitOnOpenFilesLosesNoMember)
{
    // 64 open files: too few for every search to hold a set of 128 whole.
    RandomTree tree(5);
    tree.addSizeClass(5000, 120, 3, true);
    tree.addSizeClass(70000, 40, 2);
    tree.addSizeClass(300, 9, 2);
    expectSameOutcome(tree, {Methods[0]}, 64);
}

TEST(ContentDifferential, ManySmallGroupsAmongSingleFiles)
{
    // 300 candidate groups among single files that the scan removes while the groups after them
    // wait in the queue.
    RandomTree tree(11);
    for (qint64 size = 1; size <= 450; ++size)
        tree.addSizeClass(size, 1 + static_cast<int>(size % 3), 1 + static_cast<int>(size % 2));
    expectSameOutcome(tree, {Methods[0]});
}

TEST(ContentDifferential, CancelKeepsALeadingPartOfTheGroups)
{
    RandomTree tree(5);
    for (qint64 size = 1; size <= 120; ++size)
        tree.addSizeClass(size * 37, 2 + static_cast<int>(size % 3), 1);
    TestSink referenceSink;
    ScanContext reference(referenceSink);
    loadSortedFiles(reference, tree.paths());
    ReferenceEngine::Hives hives;
    ReferenceEngine::load(reference, hives);
    ReferenceEngine::findSameSize(reference, hives);
    const ScanOutcome all = outcomeOf(reference, &hives.results);
    for (int cancelAt : {2, 30, 90})
    {
        TestSink sink;
        sink.go = [&](int call) { return call < cancelAt; };
        ScanContext fast(sink);
        loadSortedFiles(fast, tree.paths());
        SearchEngine::findSameSize(fast);
        EXPECT_TRUE(fast.cancelSearch) << cancelAt;
        const ScanOutcome found = outcomeOf(fast);
        ASSERT_LE(found.results.size(), all.results.size()) << cancelAt;
        EXPECT_TRUE(std::equal(found.results.begin(), found.results.end(), all.results.begin())) << cancelAt;
    }
}

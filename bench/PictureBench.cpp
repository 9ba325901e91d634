// SPDX-License-Identifier: GPL-3.0-or-later
// The similar-pictures search's reading of 5,000 phone-size JPEGs (0.5 to 2 MB, 2048 to 4032
// pixels long): files per second and milliseconds per picture on one thread and on every core,
// the most memory one picture takes while it is decoded, and the groups found among the 5,000
// unrelated scenes at each level (any is a false match). The pictures are made once into
// $CORVINA_BENCH_PICTURES (default /tmp/corvina-bench/pictures) and reused while that folder is
// complete; $CORVINA_BENCH_PICTURE_COUNT makes fewer for a quick look.
#include "Bench.h"

#include "engine/PictureGroups.h"
#include "platform/PictureHash.h"
#include "support/PictureScenes.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <malloc.h>
#include <thread>
#include <vector>

namespace
{
constexpr qint64 SmallestFile = 512 * 1024;
constexpr qint64 LargestFile = 2 * 1024 * 1024;
const QString CompleteMark = QStringLiteral("complete");

// A JPEG between SmallestFile and LargestFile: the quality steps down from 90 until it fits.
QByteArray phoneExport(quint32 seed)
{
    static const int longSides[] = {2048, 2592, 3024, 3264, 4032};
    const QImage scene = PictureScenes::scene(seed, longSides[seed % 5]);
    QByteArray jpeg;
    for (int quality = 90; quality >= 30; quality -= 10)
    {
        jpeg = PictureScenes::encoded(scene, "jpeg", quality);
        if (jpeg.size() <= LargestFile)
            break;
    }
    if (jpeg.size() < SmallestFile)
        jpeg = PictureScenes::encoded(scene, "jpeg", 97);
    return jpeg;
}

// Runs work(i) for i in [0, count) on `threads` threads.
void inParallel(int count, int threads, const std::function<void(int)> &work)
{
    std::atomic<int> next{0};
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (int i = next++; i < count; i = next++)
                work(i);
        });
    for (auto &thread : pool)
        thread.join();
}

QStringList pictureFiles(QTextStream &out, int count)
{
    const QString folder =
        qEnvironmentVariable("CORVINA_BENCH_PICTURES", QStringLiteral("/tmp/corvina-bench/pictures"));
    QDir dir(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << dir.filePath(QStringLiteral("%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
    QFile mark(dir.filePath(CompleteMark));
    if (mark.open(QIODevice::ReadOnly) && mark.readAll().trimmed().toInt() == count)
        return paths;

    // Nothing but the numbered pictures is written over: the folder may be one the user named.
    mark.close();
    mark.remove();
    dir.mkpath(QStringLiteral("."));
    // A folder without room for the largest pictures (a small /tmp in memory) is left alone.
    const qint64 needed = qint64(count) * LargestFile;
    if (QStorageInfo(folder).bytesAvailable() < needed)
    {
        out << "skipped: " << folder << " has less than the " << needed / 1048576 << " MiB free that " << count
            << " pictures may take" << Qt::endl;
        return {};
    }
    out << "making " << count << " pictures in " << folder << " ..." << Qt::endl;
    std::atomic<qint64> bytes{0};
    const double took = Bench::seconds([&] {
        inParallel(count, QThread::idealThreadCount(), [&](int i) {
            const QByteArray jpeg = phoneExport(static_cast<quint32>(700000 + i));
            QFile file(paths[i]);
            if (file.open(QIODevice::WriteOnly))
                file.write(jpeg);
            bytes += jpeg.size();
        });
    });
    out << "  made in " << QString::number(took, 'f', 1) << " s, " << bytes / 1048576 << " MiB" << Qt::endl;
    if (mark.open(QIODevice::WriteOnly | QIODevice::Truncate))
        mark.write(QByteArray::number(count));
    return paths;
}

Bench::Register pictures("pictures", [](QTextStream &out) {
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("CORVINA_BENCH_PICTURE_COUNT", &ok);
    const int count = ok && asked > 0 ? asked : 5000;
    const QStringList paths = pictureFiles(out, count);
    if (paths.isEmpty())
        return;

    qint64 bytes = 0;
    std::vector<qint64> sizes;
    for (const QString &path : paths)
        sizes.push_back(QFileInfo(path).size());
    for (const qint64 size : sizes)
        bytes += size;
    std::sort(sizes.begin(), sizes.end());
    out << count << " JPEGs, " << bytes / 1048576 << " MiB, " << QString::number(sizes.front() / 1048576.0, 'f', 2)
        << " to " << QString::number(sizes.back() / 1048576.0, 'f', 2) << " MiB each (read from the page cache)"
        << Qt::endl;

    // One thread, with the peak memory of each picture over what was resident before it.
    QList<PictureFacts> facts(count);
    std::vector<qint64> peaks;
    int unread = 0;
    double took = 0;
    for (int i = 0; i < count; ++i)
    {
        // Memory freed by the picture before stays with the allocator and would be taken again
        // unseen; given back first, this picture's own peak shows.
        malloc_trim(0);
        Bench::resetPeakMemory();
        const qint64 before = Bench::residentMemory().first;
        took += Bench::seconds([&] {
            const auto read = PictureHash::read(paths[i]);
            unread += read ? 0 : 1;
            facts[i] = read.value_or(PictureFacts{});
        });
        peaks.push_back(Bench::residentMemory().second - before);
    }
    std::sort(peaks.begin(), peaks.end());
    const auto rate = [&](double seconds) {
        return QStringLiteral("%1 files/s, %2 ms per picture, %3 MiB/s")
            .arg(count / seconds, 0, 'f', 1)
            .arg(1000 * seconds / count, 0, 'f', 2)
            .arg(double(bytes) / 1048576 / seconds, 0, 'f', 1);
    };
    out << "one thread: " << rate(took) << ", " << unread << " not read" << Qt::endl;
    out << "  peak memory of one picture over what was resident: median " << peaks[peaks.size() / 2] / 1024
        << " KiB, largest " << peaks.back() / 1024 << " KiB" << Qt::endl;

    const int threads = QThread::idealThreadCount();
    took = Bench::seconds([&] { inParallel(count, threads, [&](int i) { PictureHash::read(paths[i]); }); });
    out << threads << " threads: " << rate(took) << Qt::endl;

    for (const PictureLevel level : PictureGroups::levels())
    {
        QList<QList<int>> groups;
        took = Bench::seconds([&] { groups = PictureGroups::find(facts, level); });
        out << "groups at " << PictureGroups::levelName(level) << ": " << groups.size()
            << " among unrelated scenes, in " << QString::number(1000 * took, 'f', 1) << " ms" << Qt::endl;
    }
});
} // namespace

namespace
{
// Grouping alone, over hashes of unrelated pictures (32 random bits of 64 set, as the DCT hash
// has), each with a close copy: how the index's cost grows with the number of pictures.
Bench::Register pictureGroups("picturegroups", [](QTextStream &out) {
    QRandomGenerator rng(11);
    const auto halfSet = [&] {
        quint64 hash = 0;
        while (qPopulationCount(hash) < 32)
            hash |= quint64(1) << rng.bounded(64);
        return hash;
    };
    for (const int scenes : {5000, 50000})
    {
        QList<PictureFacts> facts;
        for (int i = 0; i < scenes; ++i)
        {
            PictureFacts original;
            original.dctHash = halfSet();
            original.gradientHash = rng.generate64();
            original.size = QSize(4000, 3000);
            PictureFacts copy = original;
            copy.size = QSize(2000, 1500);
            copy.dctHash ^= quint64(3) << rng.bounded(62);
            facts << original << copy;
        }
        for (const PictureLevel level : PictureGroups::levels())
        {
            QList<QList<int>> groups;
            const double took = Bench::seconds([&] { groups = PictureGroups::find(facts, level); });
            out << facts.size() << " pictures at " << PictureGroups::levelName(level) << ": " << groups.size()
                << " groups in " << QString::number(took, 'f', 3) << " s" << Qt::endl;
        }
    }
});
} // namespace

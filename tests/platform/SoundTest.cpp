// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sound.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

TEST(Sound, PlayingWritesNothingToStandardError)
{
    // A short silent WAV file: 8-bit mono at 8000 Hz.
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/end.wav");
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray samples(800, '\x80');
    QByteArray header("RIFF");
    auto le = [&header](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    le(36 + samples.size(), 4);
    header += "WAVEfmt ";
    // Format chunk size, PCM, channels, sample rate, byte rate, block size, bits per sample.
    for (const auto &[value, bytes] : {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {8000u, 4}, {8000u, 4}, {1u, 2}, {8u, 2}})
        le(value, bytes);
    header += "data";
    le(samples.size(), 4);
    file.write(header + samples);
    file.close();

    // Standard error goes to a file while the sound plays (or, without a sound device, does not).
    const QString caught = dir.path() + QStringLiteral("/stderr.txt");
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int into = ::open(QFile::encodeName(caught).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(into, 0);
    ::dup2(into, 2);
    Sound::play(wav);
    Sound::play(wav);
    // The sound library may report from its own thread: give it a moment to do so.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    ::close(into);
    QFile output(caught);
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    EXPECT_EQ(output.readAll(), QByteArray());
}

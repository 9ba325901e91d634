// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDescriptor.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace
{
bool isOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

// A descriptor number this process does not hold, so that closing it fails.
int unusedNumber()
{
    int fd = 900;
    while (isOpen(fd))
        ++fd;
    return fd;
}

struct Pipe
{
    int ends[2] = {-1, -1};
    Pipe() { EXPECT_EQ(::pipe2(ends, O_CLOEXEC), 0); }
};
} // namespace

TEST(FileDescriptor, ClosesOnceWhenItsOwnerGoes)
{
    const Pipe p;
    {
        FileDescriptor a(p.ends[0]);
        FileDescriptor b(std::move(a));
        EXPECT_FALSE(a.valid()); // NOLINT(bugprone-use-after-move): a moved-from owner holds nothing
        FileDescriptor c(p.ends[1]);
        c = std::move(b);
        EXPECT_FALSE(isOpen(p.ends[1])) << "taking another descriptor closes the one held";
        EXPECT_TRUE(isOpen(p.ends[0]));
    }
    EXPECT_FALSE(isOpen(p.ends[0]));

    const Pipe q;
    {
        FileDescriptor given(q.ends[0]);
        EXPECT_EQ(given.release(), q.ends[0]);
        EXPECT_FALSE(given.valid());
    }
    EXPECT_TRUE(isOpen(q.ends[0])) << "a released descriptor belongs to its new owner";
    ::close(q.ends[0]);
    ::close(q.ends[1]);
}

TEST(FileDescriptor, ClosingOnTheWayOutKeepsTheErrorOfTheFailedCall)
{
    FileDescriptor fd(unusedNumber());
    errno = ENOENT;
    fd.reset();
    EXPECT_EQ(errno, ENOENT) << "a failing close must not replace why the call failed";
    EXPECT_FALSE(fd.valid());
}

TEST(FileDescriptor, AnExplicitCloseReportsItsOwnFailure)
{
    FileDescriptor fd(unusedNumber());
    errno = 0;
    EXPECT_EQ(fd.close(), -1);
    EXPECT_EQ(errno, EBADF);
    EXPECT_FALSE(fd.valid());
    EXPECT_EQ(fd.close(), 0) << "nothing is left to close";
}

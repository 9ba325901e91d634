// SPDX-License-Identifier: GPL-3.0-or-later
// The least work a duplicate search can do on a tree, in one thread: list every folder and stat
// every entry (as `find TREE -printf '%s\n'` does) and, on the way, read the listed files from
// their start for as many bytes as listed, with read() of 1 MiB at most into one buffer. A file is
// opened by its name in its open folder, the cheapest look-up there is. No hashing, no comparing.
// The buffer sits on a 2 MiB page where the system allows it: the kernel's copy into 4 KiB pages
// takes more than twice the processor time on this machine, and a floor must not pay for that.
//
//   cc -O2 -o read_floor bench/read_floor.c && ./read_floor TREE [LIST]
//
// LIST holds lines "BYTES<TAB>PATH", PATH relative to TREE (bench/limit_reads.py writes it).
// Prints what it did; exits 1 when a folder or file cannot be read, a listed file is not met on the
// walk, or a file is shorter than listed.
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

enum { bufferBytes = 1 << 20, hugePageBytes = 2 << 20, pathBytes = 1 << 16 };

struct Read
{
    const char *path;
    long long bytes;
};

static struct Read *reads;
static size_t readCount;
static char *buffer;
static char path[pathBytes];
static long long folders = 1, entries, sizes, filesRead, bytesRead;
static int failed;

static int byPath(const void *a, const void *b)
{
    return strcmp(((const struct Read *)a)->path, ((const struct Read *)b)->path);
}

static void readFile(int dirFd, const char *name, long long want)
{
    int fd = openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        perror(path);
        failed = 1;
        return;
    }
    long long got = 0;
    for (ssize_t r; got < want; got += r) {
        size_t ask = want - got < bufferBytes ? (size_t)(want - got) : bufferBytes;
        if ((r = read(fd, buffer, ask)) <= 0)
            break;
    }
    close(fd);
    failed |= got != want;
    ++filesRead;
    bytesRead += got;
}

// Walks the folder open as dirFd, whose path relative to the tree fills path[0..length).
static void walk(int dirFd, size_t length)
{
    DIR *dir = fdopendir(dirFd);
    if (!dir) {
        close(dirFd);
        failed = 1;
        return;
    }
    for (struct dirent *e; (e = readdir(dir));) {
        if (strcmp(e->d_name, ".") == 0 || strcmp(e->d_name, "..") == 0)
            continue;
        struct stat st;
        if (fstatat(dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            failed = 1;
            continue;
        }
        ++entries;
        sizes += st.st_size;
        size_t nameLength = strlen(e->d_name);
        if (length + nameLength + 2 > pathBytes) {
            failed = 1;
            continue;
        }
        memcpy(path + length, e->d_name, nameLength + 1);
        if (S_ISDIR(st.st_mode)) {
            ++folders;
            int child = openat(dirfd(dir), e->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0) {
                failed = 1;
                continue;
            }
            path[length + nameLength] = '/';
            walk(child, length + nameLength + 1);
        } else if (S_ISREG(st.st_mode) && readCount > 0) {
            struct Read key = {path, 0};
            struct Read *found = bsearch(&key, reads, readCount, sizeof key, byPath);
            if (found)
                readFile(dirfd(dir), e->d_name, found->bytes);
        }
    }
    closedir(dir);
}

static void loadList(FILE *list)
{
    size_t capacity = 0;
    char *line = NULL;
    size_t lineCapacity = 0;
    for (ssize_t n; (n = getline(&line, &lineCapacity, list)) > 0;) {
        if (line[n - 1] == '\n')
            line[n - 1] = '\0';
        char *tab = strchr(line, '\t');
        if (!tab)
            continue;
        if (readCount == capacity) {
            capacity = capacity ? 2 * capacity : 4096;
            reads = realloc(reads, capacity * sizeof *reads);
        }
        reads[readCount].bytes = atoll(line);
        reads[readCount++].path = strdup(tab + 1);
    }
    free(line);
    qsort(reads, readCount, sizeof *reads, byPath);
}

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: %s TREE [LIST]\n", argv[0]);
        return 2;
    }
    if (argc == 3) {
        FILE *list = fopen(argv[2], "r");
        if (!list) {
            perror(argv[2]);
            return 1;
        }
        loadList(list);
        fclose(list);
    }
    int root = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0) {
        perror(argv[1]);
        return 1;
    }
    buffer = aligned_alloc(hugePageBytes, hugePageBytes);
    madvise(buffer, hugePageBytes, MADV_HUGEPAGE);
    walk(root, 0);
    printf("%lld folders, %lld entries (%lld bytes); read %lld files, %lld bytes\n", folders, entries, sizes,
           filesRead, bytesRead);
    return failed || filesRead != (long long)readCount;
}

/*
 * Preloaded into vemo-cli by the fault-injection test: makes one chosen file-system call fail the way
 * a full or broken disk does, or kills the process right before it.
 *
 *   VEMO_FAULT_AT=N        the N-th counted call (1-based) misbehaves
 *   VEMO_FAULT=enospc|eio  it returns -1 with that errno without being done
 *   VEMO_FAULT=kill        the process SIGKILLs itself instead of doing it
 *   VEMO_FAULT_COUNT=FILE  at exit, the number of counted calls is written to FILE
 *   VEMO_FAULT_TRACE=FILE  every counted call is listed in FILE as it happens, one line each
 *
 * Counted are the write and sync calls on regular files and folders and every rename and link.
 * Pipes, terminals and sockets are left out so that what the command prints does not move the
 * count; so are lock files, which hold no data and whose sync errors Qt rightly ignores.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static int active;
static long fault_at;
static int fault_errno;
static int fault_kill;
static const char* count_path;
static int trace_fd = -1;
static long counted;

static ssize_t (*real_write)(int, const void*, size_t);
static ssize_t (*real_pwrite)(int, const void*, size_t, off_t);
static ssize_t (*real_pwrite64)(int, const void*, size_t, off64_t);
static ssize_t (*real_writev)(int, const struct iovec*, int);
static int (*real_fdatasync)(int);
static int (*real_fsync)(int);
static int (*real_rename)(const char*, const char*);
static int (*real_renameat)(int, const char*, int, const char*);
static int (*real_renameat2)(int, const char*, int, const char*, unsigned int);
static int (*real_link)(const char*, const char*);
static int (*real_linkat)(int, const char*, int, const char*, int);

/* Through memcpy, since ISO C has no cast from an object pointer to a function pointer. */
#define RESOLVE(name)                                                                                                  \
    do {                                                                                                               \
        if (!real_##name) {                                                                                            \
            void* symbol = dlsym(RTLD_NEXT, #name);                                                                    \
            memcpy(&real_##name, &symbol, sizeof symbol);                                                              \
        }                                                                                                              \
    } while (0)

static void write_all(int fd, const char* text, size_t size)
{
    RESOLVE(write);
    while (size > 0) {
        const ssize_t n = real_write(fd, text, size);
        if (n <= 0)
            return;
        text += n;
        size -= (size_t)n;
    }
}

__attribute__((constructor)) static void read_settings(void)
{
    const char* at = getenv("VEMO_FAULT_AT");
    const char* mode = getenv("VEMO_FAULT");
    const char* trace = getenv("VEMO_FAULT_TRACE");
    count_path = getenv("VEMO_FAULT_COUNT");
    if (at && mode) {
        fault_at = strtol(at, NULL, 10);
        if (strcmp(mode, "enospc") == 0)
            fault_errno = ENOSPC;
        else if (strcmp(mode, "eio") == 0)
            fault_errno = EIO;
        else if (strcmp(mode, "kill") == 0)
            fault_kill = 1;
        else
            fault_at = 0;
    }
    if (trace && *trace)
        trace_fd = open(trace, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    active = fault_at > 0 || (count_path && *count_path) || trace_fd >= 0;
}

/* Runs after main() has returned or exit() was called, once the program's own files are written. */
__attribute__((destructor)) static void write_count(void)
{
    if (!active || !count_path || !*count_path)
        return;
    const long total = __atomic_load_n(&counted, __ATOMIC_SEQ_CST);
    active = 0;
    const int fd = open(count_path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    char text[32];
    const int size = snprintf(text, sizeof text, "%ld\n", total);
    write_all(fd, text, (size_t)size);
    close(fd);
}

static int is_lock_file(int fd)
{
    char link[64];
    char target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t size = readlink(link, target, sizeof target - 1);
    return size >= 5 && memcmp(target + size - 5, ".lock", 5) == 0;
}

static int counts_fd(int fd)
{
    struct stat st;
    if (!active || fd == trace_fd || fstat(fd, &st) != 0)
        return 0;
    if (S_ISDIR(st.st_mode))
        return 1;
    return S_ISREG(st.st_mode) && !is_lock_file(fd);
}

static void trace_line(long n, const char* call, const char* first, const char* second)
{
    if (trace_fd < 0)
        return;
    char line[8400];
    const int size =
        snprintf(line, sizeof line, "%ld %s %s%s%s\n", n, call, first, second ? " -> " : "", second ? second : "");
    if (size > 0)
        write_all(trace_fd, line, (size_t)size < sizeof line ? (size_t)size : sizeof line - 1);
}

static void trace_fd_line(long n, const char* call, int fd)
{
    if (trace_fd < 0)
        return;
    char link[64];
    char target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t size = readlink(link, target, sizeof target - 1);
    target[size > 0 ? size : 0] = '\0';
    trace_line(n, call, target, NULL);
}

/* Counts one call; true when it is the one to fail, with errno set. */
static int strike(long n)
{
    if (n != fault_at)
        return 0;
    if (fault_kill)
        kill(getpid(), SIGKILL);
    errno = fault_errno;
    return 1;
}

static int strike_fd(const char* call, int fd)
{
    if (!counts_fd(fd))
        return 0;
    const long n = __atomic_add_fetch(&counted, 1, __ATOMIC_SEQ_CST);
    trace_fd_line(n, call, fd);
    return strike(n);
}

static int strike_path(const char* call, const char* from, const char* to)
{
    if (!active)
        return 0;
    const long n = __atomic_add_fetch(&counted, 1, __ATOMIC_SEQ_CST);
    trace_line(n, call, from, to);
    return strike(n);
}

ssize_t write(int fd, const void* buffer, size_t size)
{
    RESOLVE(write);
    if (strike_fd("write", fd))
        return -1;
    return real_write(fd, buffer, size);
}

ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    RESOLVE(pwrite);
    if (strike_fd("pwrite", fd))
        return -1;
    return real_pwrite(fd, buffer, size, offset);
}

ssize_t pwrite64(int fd, const void* buffer, size_t size, off64_t offset)
{
    RESOLVE(pwrite64);
    if (strike_fd("pwrite64", fd))
        return -1;
    return real_pwrite64(fd, buffer, size, offset);
}

ssize_t writev(int fd, const struct iovec* parts, int count)
{
    RESOLVE(writev);
    if (strike_fd("writev", fd))
        return -1;
    return real_writev(fd, parts, count);
}

int fdatasync(int fd)
{
    RESOLVE(fdatasync);
    if (strike_fd("fdatasync", fd))
        return -1;
    return real_fdatasync(fd);
}

int fsync(int fd)
{
    RESOLVE(fsync);
    if (strike_fd("fsync", fd))
        return -1;
    return real_fsync(fd);
}

int rename(const char* from, const char* to)
{
    RESOLVE(rename);
    if (strike_path("rename", from, to))
        return -1;
    return real_rename(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    RESOLVE(renameat);
    if (strike_path("renameat", from, to))
        return -1;
    return real_renameat(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    RESOLVE(renameat2);
    if (strike_path("renameat2", from, to))
        return -1;
    return real_renameat2(fromDir, from, toDir, to, flags);
}

int link(const char* from, const char* to)
{
    RESOLVE(link);
    if (strike_path("link", from, to))
        return -1;
    return real_link(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    RESOLVE(linkat);
    if (strike_path("linkat", from, to))
        return -1;
    return real_linkat(fromDir, from, toDir, to, flags);
}

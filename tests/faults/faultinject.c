/*
 * Preloaded into vemo-cli by the fault-injection test: makes one chosen file-system call fail the way
 * a full or broken disk does, or kills the process right before it.
 *
 *   VEMO_FAULT_AT=N        the N-th counted call (1-based) misbehaves
 *   VEMO_FAULT=enospc|eio  it returns -1 with that errno without being done
 *   VEMO_FAULT=kill        the process SIGKILLs itself instead of doing it
 *   VEMO_FAULT_THEN_AT=M, VEMO_FAULT_THEN=…  a second call misbehaves too, as a second fault on the way back
 *   VEMO_FAULT_COUNT=FILE  at exit, the number of counted calls is written to FILE
 *   VEMO_FAULT_TRACE=FILE  every counted call is listed in FILE as it happens, one line each
 *   VEMO_FAULT_RECORD=FILE every call that decides what a power cut leaves is appended to FILE
 *
 * Counted are the write and sync calls on regular files and folders and every rename and link.
 * Pipes, terminals and sockets are left out so that what the command prints does not move the
 * count; so are lock files, which hold no data and whose sync errors Qt rightly ignores.
 *
 * The record has one line per call that succeeded, paths absolute with their folders resolved (control
 * characters, the space and '%' written as %XX), FILE as device:inode:
 *   create new|existing FILE PATH     an open or mkstemp with O_CREAT, and whether the file was there
 *   truncate FILE LENGTH PATH         ftruncate, or an open with O_TRUNC of a file that was there
 *   write FILE OFFSET HEXBYTES PATH   write, pwrite, writev: the bytes written
 *   fsync|fdatasync FILE PATH         of a file, or with "folder" for FILE of a folder
 *   close FILE PATH                   of a file opened for writing
 *   rename|exchange|link FROM TO      exchange for renameat2 with RENAME_EXCHANGE
 *   unlink|mkdir|rmdir PATH
 *   symlink TARGET PATH
 * Only regular files and folders count; lock files are left out here too.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static int active;
/* A call that misbehaves: its number, and the errno it fails with or a kill. */
struct fault {
    long at;
    int error;
    int kill;
};
static struct fault faults[2];
static const char* count_path;
static int trace_fd = -1;
static int record_fd = -1;
static long counted;

static int (*real_open)(const char*, int, ...);
static int (*real_open64)(const char*, int, ...);
static int (*real_openat)(int, const char*, int, ...);
static int (*real_openat64)(int, const char*, int, ...);
static int (*real_creat)(const char*, mode_t);
static int (*real_creat64)(const char*, mode_t);
static int (*real_mkstemp)(char*);
static int (*real_mkstemp64)(char*);
static int (*real_mkostemp)(char*, int);
static int (*real_mkostemp64)(char*, int);
static ssize_t (*real_write)(int, const void*, size_t);
static ssize_t (*real_pwrite)(int, const void*, size_t, off_t);
static ssize_t (*real_pwrite64)(int, const void*, size_t, off64_t);
static ssize_t (*real_writev)(int, const struct iovec*, int);
static int (*real_ftruncate)(int, off_t);
static int (*real_ftruncate64)(int, off64_t);
static int (*real_fdatasync)(int);
static int (*real_fsync)(int);
static int (*real_close)(int);
static int (*real_rename)(const char*, const char*);
static int (*real_renameat)(int, const char*, int, const char*);
static int (*real_renameat2)(int, const char*, int, const char*, unsigned int);
static int (*real_link)(const char*, const char*);
static int (*real_linkat)(int, const char*, int, const char*, int);
static int (*real_unlink)(const char*);
static int (*real_unlinkat)(int, const char*, int);
static int (*real_mkdir)(const char*, mode_t);
static int (*real_mkdirat)(int, const char*, mode_t);
static int (*real_rmdir)(const char*);
static int (*real_symlink)(const char*, const char*);

/* Through memcpy, since ISO C has no cast from an object pointer to a function pointer. */
#define RESOLVE(name)                                                                                                  \
    do {                                                                                                               \
        if (!real_##name) {                                                                                            \
            void* symbol = dlsym(RTLD_NEXT, #name);                                                                    \
            memcpy(&real_##name, &symbol, sizeof symbol);                                                              \
        }                                                                                                              \
    } while (0)

/* The mode argument of an open, there only when the flags ask for one. */
#define MODE_OF(flags, mode)                                                                                           \
    do {                                                                                                               \
        mode = 0;                                                                                                      \
        if (((flags)&O_CREAT) || ((flags)&O_TMPFILE) == O_TMPFILE) {                                                   \
            va_list rest;                                                                                              \
            va_start(rest, flags);                                                                                     \
            mode = (mode_t)va_arg(rest, int);                                                                          \
            va_end(rest);                                                                                              \
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

static int open_own_file(const char* path, int flags)
{
    RESOLVE(open);
    return real_open(path, flags | O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
}

static void read_fault(struct fault* fault, const char* at, const char* mode)
{
    if (!at || !mode)
        return;
    fault->at = strtol(at, NULL, 10);
    if (strcmp(mode, "enospc") == 0)
        fault->error = ENOSPC;
    else if (strcmp(mode, "eio") == 0)
        fault->error = EIO;
    else if (strcmp(mode, "kill") == 0)
        fault->kill = 1;
    else
        fault->at = 0;
}

__attribute__((constructor)) static void read_settings(void)
{
    const char* trace = getenv("VEMO_FAULT_TRACE");
    const char* record = getenv("VEMO_FAULT_RECORD");
    count_path = getenv("VEMO_FAULT_COUNT");
    read_fault(&faults[0], getenv("VEMO_FAULT_AT"), getenv("VEMO_FAULT"));
    read_fault(&faults[1], getenv("VEMO_FAULT_THEN_AT"), getenv("VEMO_FAULT_THEN"));
    if (trace && *trace)
        trace_fd = open_own_file(trace, O_TRUNC | O_APPEND);
    // Appended to, so that a program this one starts adds its calls after them.
    if (record && *record)
        record_fd = open_own_file(record, O_APPEND);
    active = faults[0].at > 0 || (count_path && *count_path) || trace_fd >= 0;
}

/* Runs after main() has returned or exit() was called, once the program's own files are written. */
__attribute__((destructor)) static void write_count(void)
{
    if (!active || !count_path || !*count_path)
        return;
    const long total = __atomic_load_n(&counted, __ATOMIC_SEQ_CST);
    active = 0;
    const int fd = open_own_file(count_path, O_TRUNC);
    if (fd < 0)
        return;
    char text[32];
    const int size = snprintf(text, sizeof text, "%ld\n", total);
    write_all(fd, text, (size_t)size);
    RESOLVE(close);
    real_close(fd);
}

static void path_of_fd(int fd, char* path)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t size = readlink(link, path, PATH_MAX - 1);
    path[size > 0 ? size : 0] = '\0';
}

static int is_lock_path(const char* path)
{
    const size_t size = strlen(path);
    return size >= 5 && memcmp(path + size - 5, ".lock", 5) == 0;
}

static int is_lock_file(int fd)
{
    char path[PATH_MAX];
    path_of_fd(fd, path);
    return is_lock_path(path);
}

static int counts_fd(int fd)
{
    struct stat st;
    if (!active || fd == trace_fd || fd == record_fd || fstat(fd, &st) != 0)
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
    char target[PATH_MAX];
    path_of_fd(fd, target);
    trace_line(n, call, target, NULL);
}

/* Counts one call; true when it is the one to fail, with errno set. */
static int strike(long n)
{
    for (size_t i = 0; i < sizeof faults / sizeof faults[0]; ++i) {
        if (n != faults[i].at)
            continue;
        if (faults[i].kill)
            kill(getpid(), SIGKILL);
        errno = faults[i].error;
        return 1;
    }
    return 0;
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

/* One line of the record, built in memory and appended in one write so that it stays whole. */
struct record_line {
    FILE* stream;
    char* text;
    size_t size;
};

static int begin_line(struct record_line* line, const char* call)
{
    line->stream = open_memstream(&line->text, &line->size);
    if (!line->stream)
        return 0;
    fputs(call, line->stream);
    return 1;
}

static void end_line(struct record_line* line)
{
    fputc('\n', line->stream);
    if (fclose(line->stream) == 0)
        write_all(record_fd, line->text, line->size);
    free(line->text);
}

static void put_word(struct record_line* line, const char* word)
{
    fputc(' ', line->stream);
    for (const unsigned char* c = (const unsigned char*)word; *c; ++c) {
        if (*c <= ' ' || *c == 0x7f || *c == '%')
            fprintf(line->stream, "%%%02X", *c);
        else
            fputc(*c, line->stream);
    }
}

/* A path as the call meant it: absolute, its folder resolved, its last name kept as given. */
static void put_path(struct record_line* line, int dir, const char* path)
{
    char base[PATH_MAX];
    if (path[0] == '/')
        base[0] = '\0';
    else if (dir != AT_FDCWD)
        path_of_fd(dir, base);
    else if (!getcwd(base, sizeof base))
        base[0] = '\0';
    char joined[2 * PATH_MAX + 2];
    snprintf(joined, sizeof joined, "%s%s%s", base, path[0] == '/' ? "" : "/", path);
    size_t size = strlen(joined);
    while (size > 1 && joined[size - 1] == '/')
        joined[--size] = '\0';
    char* slash = strrchr(joined, '/');
    *slash = '\0';
    char folder[PATH_MAX];
    char resolved[3 * PATH_MAX + 4];
    if (realpath(slash == joined ? "/" : joined, folder))
        snprintf(resolved, sizeof resolved, "%s/%s", strcmp(folder, "/") == 0 ? "" : folder, slash + 1);
    else
        snprintf(resolved, sizeof resolved, "%s/%s", joined, slash + 1);
    put_word(line, resolved);
}

/* Starts a line about an open regular file or folder: the call and which file; false when it is not recorded. */
static int begin_fd_line(struct record_line* line, const char* call, int fd)
{
    struct stat st;
    if (record_fd < 0 || fd == record_fd || fd == trace_fd || fstat(fd, &st) != 0)
        return 0;
    if (!(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) || is_lock_file(fd) || !begin_line(line, call))
        return 0;
    if (S_ISDIR(st.st_mode))
        fputs(" folder", line->stream);
    else
        fprintf(line->stream, " %llu:%llu", (unsigned long long)st.st_dev, (unsigned long long)st.st_ino);
    return 1;
}

static void end_fd_line(struct record_line* line, int fd)
{
    char path[PATH_MAX];
    path_of_fd(fd, path);
    put_word(line, path);
    end_line(line);
}

static void record_fd_call(const char* call, int fd)
{
    struct record_line line;
    if (begin_fd_line(&line, call, fd))
        end_fd_line(&line, fd);
}

static void record_truncate(int fd, long long length)
{
    struct record_line line;
    if (!begin_fd_line(&line, "truncate", fd))
        return;
    fprintf(line.stream, " %lld", length);
    end_fd_line(&line, fd);
}

/* The first written bytes of parts; offset -1 for the position the write left. */
static void record_write(int fd, const struct iovec* parts, int count, ssize_t written, long long offset)
{
    struct record_line line;
    if (written <= 0 || !begin_fd_line(&line, "write", fd))
        return;
    fprintf(line.stream, " %lld ", offset >= 0 ? offset : (long long)lseek(fd, 0, SEEK_CUR) - written);
    for (int part = 0; part < count && written > 0; ++part) {
        const unsigned char* bytes = parts[part].iov_base;
        for (size_t i = 0; i < parts[part].iov_len && written > 0; ++i, --written)
            fprintf(line.stream, "%02x", bytes[i]);
    }
    end_fd_line(&line, fd);
}

static int record_open(int fd, int flags, int existed)
{
    if (fd < 0)
        return fd;
    if (flags & O_CREAT)
        record_fd_call(existed ? "create existing" : "create new", fd);
    if ((flags & O_TRUNC) && existed)
        record_truncate(fd, 0);
    return fd;
}

/* Asked before an open that may make or empty a file, and only while recording. */
static int exists_before(int dir, const char* path, int flags)
{
    struct stat st;
    return record_fd >= 0 && (flags & (O_CREAT | O_TRUNC)) && fstatat(dir, path, &st, 0) == 0;
}

static int record_paths(int result, const char* call, int first_dir, const char* first, int second_dir,
                        const char* second)
{
    struct record_line line;
    if (result != 0 || record_fd < 0 || is_lock_path(first) || (second && is_lock_path(second)))
        return result;
    if (!begin_line(&line, call))
        return result;
    put_path(&line, first_dir, first);
    if (second)
        put_path(&line, second_dir, second);
    end_line(&line);
    return result;
}

int open(const char* path, int flags, ...)
{
    RESOLVE(open);
    mode_t mode;
    MODE_OF(flags, mode);
    const int existed = exists_before(AT_FDCWD, path, flags);
    return record_open(real_open(path, flags, mode), flags, existed);
}

int open64(const char* path, int flags, ...)
{
    RESOLVE(open64);
    mode_t mode;
    MODE_OF(flags, mode);
    const int existed = exists_before(AT_FDCWD, path, flags);
    return record_open(real_open64(path, flags, mode), flags, existed);
}

int openat(int dir, const char* path, int flags, ...)
{
    RESOLVE(openat);
    mode_t mode;
    MODE_OF(flags, mode);
    const int existed = exists_before(dir, path, flags);
    return record_open(real_openat(dir, path, flags, mode), flags, existed);
}

int openat64(int dir, const char* path, int flags, ...)
{
    RESOLVE(openat64);
    mode_t mode;
    MODE_OF(flags, mode);
    const int existed = exists_before(dir, path, flags);
    return record_open(real_openat64(dir, path, flags, mode), flags, existed);
}

int creat(const char* path, mode_t mode)
{
    RESOLVE(creat);
    const int existed = exists_before(AT_FDCWD, path, O_CREAT);
    return record_open(real_creat(path, mode), O_CREAT | O_TRUNC, existed);
}

int creat64(const char* path, mode_t mode)
{
    RESOLVE(creat64);
    const int existed = exists_before(AT_FDCWD, path, O_CREAT);
    return record_open(real_creat64(path, mode), O_CREAT | O_TRUNC, existed);
}

int mkstemp(char* name)
{
    RESOLVE(mkstemp);
    return record_open(real_mkstemp(name), O_CREAT, 0);
}

int mkstemp64(char* name)
{
    RESOLVE(mkstemp64);
    return record_open(real_mkstemp64(name), O_CREAT, 0);
}

int mkostemp(char* name, int flags)
{
    RESOLVE(mkostemp);
    return record_open(real_mkostemp(name, flags), O_CREAT, 0);
}

int mkostemp64(char* name, int flags)
{
    RESOLVE(mkostemp64);
    return record_open(real_mkostemp64(name, flags), O_CREAT, 0);
}

ssize_t write(int fd, const void* buffer, size_t size)
{
    RESOLVE(write);
    if (strike_fd("write", fd))
        return -1;
    const ssize_t written = real_write(fd, buffer, size);
    const struct iovec part = {(void*)buffer, size};
    record_write(fd, &part, 1, written, -1);
    return written;
}

ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    RESOLVE(pwrite);
    if (strike_fd("pwrite", fd))
        return -1;
    const ssize_t written = real_pwrite(fd, buffer, size, offset);
    const struct iovec part = {(void*)buffer, size};
    record_write(fd, &part, 1, written, offset);
    return written;
}

ssize_t pwrite64(int fd, const void* buffer, size_t size, off64_t offset)
{
    RESOLVE(pwrite64);
    if (strike_fd("pwrite64", fd))
        return -1;
    const ssize_t written = real_pwrite64(fd, buffer, size, offset);
    const struct iovec part = {(void*)buffer, size};
    record_write(fd, &part, 1, written, offset);
    return written;
}

ssize_t writev(int fd, const struct iovec* parts, int count)
{
    RESOLVE(writev);
    if (strike_fd("writev", fd))
        return -1;
    const ssize_t written = real_writev(fd, parts, count);
    record_write(fd, parts, count, written, -1);
    return written;
}

int ftruncate(int fd, off_t length)
{
    RESOLVE(ftruncate);
    const int result = real_ftruncate(fd, length);
    if (result == 0)
        record_truncate(fd, length);
    return result;
}

int ftruncate64(int fd, off64_t length)
{
    RESOLVE(ftruncate64);
    const int result = real_ftruncate64(fd, length);
    if (result == 0)
        record_truncate(fd, length);
    return result;
}

int fdatasync(int fd)
{
    RESOLVE(fdatasync);
    if (strike_fd("fdatasync", fd))
        return -1;
    const int result = real_fdatasync(fd);
    if (result == 0)
        record_fd_call("fdatasync", fd);
    return result;
}

int fsync(int fd)
{
    RESOLVE(fsync);
    if (strike_fd("fsync", fd))
        return -1;
    const int result = real_fsync(fd);
    if (result == 0)
        record_fd_call("fsync", fd);
    return result;
}

int close(int fd)
{
    RESOLVE(close);
    // Recorded before, while the descriptor still names the file; only a file open for writing.
    if (record_fd >= 0 && (fcntl(fd, F_GETFL) & O_ACCMODE) != O_RDONLY)
        record_fd_call("close", fd);
    return real_close(fd);
}

int rename(const char* from, const char* to)
{
    RESOLVE(rename);
    if (strike_path("rename", from, to))
        return -1;
    return record_paths(real_rename(from, to), "rename", AT_FDCWD, from, AT_FDCWD, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    RESOLVE(renameat);
    if (strike_path("renameat", from, to))
        return -1;
    return record_paths(real_renameat(fromDir, from, toDir, to), "rename", fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    RESOLVE(renameat2);
    if (strike_path("renameat2", from, to))
        return -1;
    return record_paths(real_renameat2(fromDir, from, toDir, to, flags),
                        (flags & RENAME_EXCHANGE) ? "exchange" : "rename", fromDir, from, toDir, to);
}

int link(const char* from, const char* to)
{
    RESOLVE(link);
    if (strike_path("link", from, to))
        return -1;
    return record_paths(real_link(from, to), "link", AT_FDCWD, from, AT_FDCWD, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    RESOLVE(linkat);
    if (strike_path("linkat", from, to))
        return -1;
    return record_paths(real_linkat(fromDir, from, toDir, to, flags), "link", fromDir, from, toDir, to);
}

int unlink(const char* path)
{
    RESOLVE(unlink);
    return record_paths(real_unlink(path), "unlink", AT_FDCWD, path, AT_FDCWD, NULL);
}

int unlinkat(int dir, const char* path, int flags)
{
    RESOLVE(unlinkat);
    return record_paths(real_unlinkat(dir, path, flags), (flags & AT_REMOVEDIR) ? "rmdir" : "unlink", dir, path,
                        AT_FDCWD, NULL);
}

int mkdir(const char* path, mode_t mode)
{
    RESOLVE(mkdir);
    return record_paths(real_mkdir(path, mode), "mkdir", AT_FDCWD, path, AT_FDCWD, NULL);
}

int mkdirat(int dir, const char* path, mode_t mode)
{
    RESOLVE(mkdirat);
    return record_paths(real_mkdirat(dir, path, mode), "mkdir", dir, path, AT_FDCWD, NULL);
}

int rmdir(const char* path)
{
    RESOLVE(rmdir);
    return record_paths(real_rmdir(path), "rmdir", AT_FDCWD, path, AT_FDCWD, NULL);
}

int symlink(const char* target, const char* path)
{
    RESOLVE(symlink);
    const int result = real_symlink(target, path);
    struct record_line line;
    if (result != 0 || record_fd < 0 || is_lock_path(path) || !begin_line(&line, "symlink"))
        return result;
    put_word(&line, target);
    put_path(&line, AT_FDCWD, path);
    end_line(&line);
    return result;
}

/* A share that stops answering, for the end-to-end tests: an empty FUSE file system whose
 * free-space question (statfs) blocks for as long as a flag file exists, as an offline network
 * share keeps its callers waiting. Everything else answers at once, and so does Wine's server (see
 * asked_by_wine_server). A caller that is interrupted (a process ending) gets EINTR, as from a
 * real network file system.
 *
 * Usage: hung_share FLAG_FILE MOUNT_POINT [FUSE options]   (32 MiB in all, 24 MiB free)
 * Built as C23 (gcc -std=gnu2x), which lets unused parameters go unnamed. */
#define FUSE_USE_VERSION 31
#include <errno.h>
#include <fuse.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static const char* flag_file;

static int share_getattr(const char* path, struct stat* st, struct fuse_file_info*)
{
    if (strcmp(path, "/") != 0)
        return -ENOENT;
    memset(st, 0, sizeof *st);
    st->st_mode = S_IFDIR | 0755;
    st->st_nlink = 2;
    return 0;
}

static int share_readdir(const char* path, void* buf, fuse_fill_dir_t fill, off_t,
                         struct fuse_file_info*, enum fuse_readdir_flags)
{
    if (strcmp(path, "/") != 0)
        return -ENOENT;
    fill(buf, ".", NULL, 0, 0);
    fill(buf, "..", NULL, 0, 0);
    return 0;
}

/* Wine's server asks statfs once per device it opens files on, to classify it, on behalf of every
 * process: held there, the whole Wine session would stop, which no program can prevent (Windows
 * itself does not wait on a share for that). So the server gets its answer; programs wait. */
static int asked_by_wine_server(void)
{
    char path[64], name[32] = "";
    snprintf(path, sizeof path, "/proc/%d/comm", (int)fuse_get_context()->pid);
    FILE* comm = fopen(path, "r");
    if (comm) {
        if (!fgets(name, sizeof name, comm))
            name[0] = '\0';
        fclose(comm);
    }
    return strncmp(name, "wineserver", 10) == 0;
}

static int share_statfs(const char*, struct statvfs* st)
{
    while (access(flag_file, F_OK) == 0 && !asked_by_wine_server()) {
        if (fuse_interrupted())
            return -EINTR;
        usleep(20000);
    }
    memset(st, 0, sizeof *st);
    st->f_bsize = st->f_frsize = 4096;
    st->f_blocks = 8192;
    st->f_bfree = st->f_bavail = 6144;
    st->f_namemax = 255;
    return 0;
}

/* Lets an interrupted caller's request end, so that a process can end while it waits here: the
 * library signals the thread that serves the request, which only has to wake. */
static void wake(int) { }

static void* share_init(struct fuse_conn_info*, struct fuse_config* cfg)
{
    cfg->intr = 1;
    return NULL;
}

static const struct fuse_operations share_ops = {
    .init = share_init,
    .getattr = share_getattr,
    .readdir = share_readdir,
    .statfs = share_statfs,
};

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 2;
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = wake;
    sigaction(SIGUSR1, &sa, NULL);
    flag_file = argv[1];
    argv[1] = argv[0];
    return fuse_main(argc - 1, argv + 1, &share_ops, NULL);
}

/* Started by measure-window.sh in the program's place: notes the wall-clock time, in
 * microseconds, into the file named first, then becomes the program named next. The measured
 * start-up so begins at the program's own exec, not at the shell's fork before it.
 * usage: ExecClock FILE PROGRAM [ARGS...] */
#include <stdio.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: ExecClock FILE PROGRAM [ARGS...]\n");
        return 2;
    }
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    FILE* file = fopen(argv[1], "w");
    if (!file) {
        perror(argv[1]);
        return 2;
    }
    fprintf(file, "%lld\n", (long long)now.tv_sec * 1000000 + now.tv_nsec / 1000);
    fclose(file);
    execv(argv[2], argv + 2);
    perror(argv[2]);
    return 127;
}

// Loaded with LD_PRELOAD into the program in an end-to-end run, it stands in for the kernel's
// answer about the clock's synchronisation, so that the shipped program stays as it is:
// adjtimex reads only, and reports a maximum error of 16 s (not synchronised) while the file
// that FAKE_ADJTIMEX_FILE names holds "unsynchronised", else of 1 ms; the unsynchronised
// status bit stays set, as chrony and timesyncd leave it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/timex.h>

extern "C" int adjtimex(timex *state)
{
    std::memset(state, 0, sizeof *state);
    bool unsynchronised = false;
    if (const char *path = std::getenv("FAKE_ADJTIMEX_FILE")) {
        if (std::FILE *file = std::fopen(path, "r")) {
            char word[16] = {};
            unsynchronised = std::fgets(word, sizeof word, file) && std::strncmp(word, "unsynchronised", 14) == 0;
            std::fclose(file);
        }
    }
    state->maxerror = unsynchronised ? 16'000'000 : 1'000;
    state->status = STA_UNSYNC;
    return unsynchronised ? TIME_ERROR : TIME_OK;
}

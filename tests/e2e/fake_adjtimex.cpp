// Preloaded by an end-to-end run in place of the kernel's answer (the shipped program stays as
// it is): a maximum error of 16 s while the file FAKE_ADJTIMEX_FILE names says "unsynchronised",
// else of 1 ms; the status bit stays set, as chrony and timesyncd leave it. Nothing is set.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/timex.h>

extern "C" int adjtimex(timex *state)
{
    char word[16] = {};
    const char *path = std::getenv("FAKE_ADJTIMEX_FILE");
    if (std::FILE *file = path ? std::fopen(path, "r") : nullptr) {
        // An empty or unreadable file reads as synchronised.
        if (std::fgets(word, sizeof word, file) == nullptr)
            word[0] = '\0';
        std::fclose(file);
    }
    const bool unsynchronised = std::strncmp(word, "unsynchronised", 14) == 0;
    std::memset(state, 0, sizeof *state);
    state->maxerror = unsynchronised ? 16'000'000 : 1'000;
    state->status = STA_UNSYNC;
    return unsynchronised ? TIME_ERROR : TIME_OK;
}

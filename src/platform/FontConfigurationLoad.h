#pragma once

#include <thread>

// The first text a window draws waits for fontconfig to read its configuration and font
// lists, about 10 ms at start. Loading it on a thread of its own from the first line of
// the program on lets that overlap the making of the application and its windows; Qt
// then finds the configuration ready. The object ends last in the program: the loading
// is waited for and fontconfig's memory freed.
class FontConfigurationLoad {
public:
    FontConfigurationLoad();
    ~FontConfigurationLoad();
    FontConfigurationLoad(const FontConfigurationLoad &) = delete;
    FontConfigurationLoad &operator=(const FontConfigurationLoad &) = delete;

private:
    std::thread mLoading;
};

#include "clock/HideWord.h"

namespace HideWord {

Result press(const State &state, Key key)
{
    const State cleared;
    const auto advanceFrom = [&](int step) { return state.armed && state.step == step; };
    switch (key) {
    case Key::H:
        return { state.armed || state.step != 0 ? cleared : State { true, 1 } };
    case Key::I:
        return { advanceFrom(1) ? State { true, 2 } : cleared };
    case Key::D:
        return { advanceFrom(2) ? State { true, 3 } : cleared };
    case Key::E:
        if (advanceFrom(3))
            return { cleared, true };
        return { state };
    case Key::Other:
        break;
    }
    return { cleared };
}

}

#pragma once

// Typing the word "hide" on the clock hides its hint. Each key moves a small state:
// how far the word has got. An H while a word is in progress starts over from nothing
// rather than from H; an E out of turn is ignored; any other key clears the state.
namespace HideWord {

enum class Key { H, I, D, E, Other };

struct State {
    bool armed = false;
    int step = 0;

    friend bool operator==(const State &, const State &) = default;
};

struct Result {
    State next;
    // The whole word was typed: the hint goes (unless already gone).
    bool hideHint = false;
};

Result press(const State &state, Key key);

}

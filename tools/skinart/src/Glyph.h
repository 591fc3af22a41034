#pragma once

// The symbols shown on the default skin's buttons.
enum class Glyph {
    Close,
    Options,
    Play,
    Pause,
    Stop,
    Prev,
    Next,
    Speaker,
    SpeakerMuted,
    ExpandDown,
    ExpandUp,
    Shuffle,
    Repeat,
    Return,
    Open,
    Save,
};

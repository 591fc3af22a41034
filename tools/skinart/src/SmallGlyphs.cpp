#include "SmallGlyphs.h"

namespace SmallGlyphs {

const PixelShapes::PixelMap& map(Glyph glyph) {
    // clang-format off
    // Each map covers the whole 10 x 10 frame; odd-sized glyphs centre on pixel (5, 5).
    static const PixelShapes::PixelMap close = {
        "..........",
        "..........",
        "..........",
        "...#...#..",
        "....#.#...",
        ".....#....",
        "....#.#...",
        "...#...#..",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap options = {
        "..........",
        "..........",
        "..........",
        "..######..",
        "..........",
        "..######..",
        "..........",
        "..######..",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap play = {
        "..........",
        "..........",
        "...#......",
        "...##.....",
        "...###....",
        "...####...",
        "...###....",
        "...##.....",
        "...#......",
        "..........",
    };
    static const PixelShapes::PixelMap pause = {
        "..........",
        "..........",
        "...##.##..",
        "...##.##..",
        "...##.##..",
        "...##.##..",
        "...##.##..",
        "...##.##..",
        "...##.##..",
        "..........",
    };
    static const PixelShapes::PixelMap stop = {
        "..........",
        "..........",
        "..........",
        "...#####..",
        "...#####..",
        "...#####..",
        "...#####..",
        "...#####..",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap prev = {
        "..........",
        "..........",
        "..........",
        ".#...#..#.",
        ".#..##.##.",
        ".#.######.",
        ".#..##.##.",
        ".#...#..#.",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap next = {
        "..........",
        "..........",
        "..........",
        ".#..#...#.",
        ".##.##..#.",
        ".######.#.",
        ".##.##..#.",
        ".#..#...#.",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap speaker = {
        "..........",
        "..........",
        "....#..#..",
        "...##...#.",
        ".####.#.#.",
        ".####.#.#.",
        ".####.#.#.",
        "...##...#.",
        "....#..#..",
        "..........",
    };
    static const PixelShapes::PixelMap speakerMuted = {
        "..........",
        "..........",
        "....#.....",
        "...##.....",
        ".####.#.#.",
        ".####..#..",
        ".####.#.#.",
        "...##.....",
        "....#.....",
        "..........",
    };
    static const PixelShapes::PixelMap expandDown = {
        "..........",
        "..........",
        "..........",
        "..#######.",
        "...#####..",
        "....###...",
        ".....#....",
        "..........",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap expandUp = {
        "..........",
        "..........",
        "..........",
        ".....#....",
        "....###...",
        "...#####..",
        "..#######.",
        "..........",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap shuffle = {
        "..........",
        "..........",
        ".......#..",
        ".##...###.",
        "...#.#.#..",
        "....#.....",
        "...#.#.#..",
        ".##...###.",
        ".......#..",
        "..........",
    };
    static const PixelShapes::PixelMap repeat = {
        "..........",
        "..........",
        ".......#..",
        "..#######.",
        ".#.....#..",
        ".#......#.",
        "..#.....#.",
        ".#######..",
        "..#.......",
        "..........",
    };
    static const PixelShapes::PixelMap returnArrow = {
        "..........",
        "..........",
        "...#......",
        "..######..",
        "...#....#.",
        "........#.",
        "........#.",
        ".......#..",
        "..#####...",
        "..........",
    };
    static const PixelShapes::PixelMap open = {
        "..........",
        "..........",
        ".....#....",
        "....###...",
        "...#####..",
        "..#######.",
        "..........",
        "..#######.",
        "..........",
        "..........",
    };
    static const PixelShapes::PixelMap save = {
        "..........",
        ".....#....",
        ".....#....",
        "...#.#.#..",
        "....###...",
        ".....#....",
        "..#.....#.",
        "..#######.",
        "..........",
        "..........",
    };
    // clang-format on
    switch (glyph) {
        case Glyph::Close:
            return close;
        case Glyph::Options:
            return options;
        case Glyph::Play:
            return play;
        case Glyph::Pause:
            return pause;
        case Glyph::Stop:
            return stop;
        case Glyph::Prev:
            return prev;
        case Glyph::Next:
            return next;
        case Glyph::Speaker:
            return speaker;
        case Glyph::SpeakerMuted:
            return speakerMuted;
        case Glyph::ExpandDown:
            return expandDown;
        case Glyph::ExpandUp:
            return expandUp;
        case Glyph::Shuffle:
            return shuffle;
        case Glyph::Repeat:
            return repeat;
        case Glyph::Return:
            return returnArrow;
        case Glyph::Open:
            return open;
        case Glyph::Save:
            return save;
    }
    return close;
}

}  // namespace SmallGlyphs

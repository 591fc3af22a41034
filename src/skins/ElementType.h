#pragma once

#include <cstdint>

// The kinds of skin element, numbered as a window file's "-id" line and the element menu's
// "Element" entries number them.
enum class ElementType : int32_t { button = 1, slider = 2, info = 3, listBox = 4 };

constexpr ElementType firstElementType = ElementType::button;
constexpr ElementType lastElementType = ElementType::listBox;

constexpr int32_t numberOf(ElementType type) {
    return static_cast<int32_t>(type);
}

// Whether a number read from a file or a menu names an element type.
constexpr bool isElementType(int64_t number) {
    return number >= numberOf(firstElementType) && number <= numberOf(lastElementType);
}

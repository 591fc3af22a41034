#pragma once

// The predicate that unregisters an element from a list of element pointers: true for every
// entry equal to the element it holds, so removing with it also drops double registrations.
template <typename Element>
class FindEle {
public:
    explicit FindEle(const Element* element) : element(element) {}
    bool operator()(const Element* entry) const { return entry == element; }

private:
    const Element* element;
};

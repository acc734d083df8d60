#pragma once

// What an element of a chart (a block, a line) needs of the collection that holds it: somewhere
// to announce its changes. The element knows nothing else of collections.
template <typename Element, typename Changes>
class ChangeOwner {
public:
    // Elements call this from their setters.
    virtual void announceChanged(Element *element, Changes what) = 0;

protected:
    ~ChangeOwner() = default;
};

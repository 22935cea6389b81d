#pragma once
// Moves the item at From to To in a random-access range; the items between shift by one.
#include <algorithm>

template <typename Iterator>
void MoveItem(Iterator first, int from, int to)
{
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (from > to)
        std::rotate(first + to, first + from, first + from + 1);
}

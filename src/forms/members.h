#pragma once

#include "forms/controls.h"

#include <array>

namespace forms {

// Names the members of a control array: name(0), name(1), ...
template <typename T, std::size_t N>
void nameMembers(std::array<T, N>& members, QStringView name)
{
    for (std::size_t i = 0; i < N; ++i)
        members[i].setIdentity(name.toString(), int(i));
}

struct Rect {
    double left, top, width, height;
};

inline void place(Control& c, Rect r) { c.Move(r.left, r.top, r.width, r.height); }

}  // namespace forms

namespace forms {

// What a member number outside its array reads as: an empty list or text.
ListBox& noList();
TextBox& noText();

template <typename T, std::size_t N>
T& memberOrNone(std::array<T, N>& members, int i)
{
    if (i >= 0 && std::size_t(i) < N)
        return members[std::size_t(i)];
    if constexpr (std::is_same_v<T, ListBox>)
        return noList();
    else
        return noText();
}

}  // namespace forms

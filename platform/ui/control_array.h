// Controls of one kind kept in an array (the rows of a table), each built
// with its container and its name string, in index order. The order in which
// controls are built is their tab order and their order among the container's
// children, so an array built where its controls were declared one by one
// leaves both as they were.
//
//   std::array<ui::Label, 3> headingLines = ui::MakeControls<ui::Label>(*this, {"Label61", "Label33", "Label75"});
//   std::array<OrganRow, 16> rows = ui::MakeControls<OrganRow>(*this, kOrganRowNames);  // OrganRow(Container&, Names)
#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include "platform/ui/control.h"

namespace vorn::ui {
namespace detail {

template <class C, class Names, std::size_t... I>
std::array<C, sizeof...(I)> MakeControls(Container& parent, const Names& names, std::index_sequence<I...>)
{
  // Each element is built in place from a prvalue of its own type (controls
  // can be neither copied nor moved); a braced list runs left to right.
  return {{C(parent, names[I])...}};
}

}  // namespace detail

template <class C, std::size_t N>
std::array<C, N> MakeControls(Container& parent, const char* const (&names)[N])
{
  return detail::MakeControls<C>(parent, names, std::make_index_sequence<N>{});
}

template <class C, class Names, std::size_t N>
std::array<C, N> MakeControls(Container& parent, const std::array<Names, N>& names)
{
  return detail::MakeControls<C>(parent, names, std::make_index_sequence<N>{});
}

}  // namespace vorn::ui

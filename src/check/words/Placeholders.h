#pragma once
// The build's checks of the catalogues: every message once and in order,
// every placeholder a known name, and the same placeholders in every
// language; Words::Say checks each call against them as well. Portable.
#include <cstdint>
#include <string_view>

#include "Message.h"

using SlotSet = std::uint64_t;
static_assert(SlotCount < 64);

constexpr SlotSet SlotBit(Slot slot) { return SlotSet{1} << static_cast<unsigned>(slot); }

// A bit that no slot has: a "{" without "}", or a name that is no slot.
inline constexpr SlotSet MalformedPlaceholder = SlotSet{1} << 63;

inline constexpr SlotSet PassedSlots = ~(SlotBit(FirstPassedSlot) - 1) & ~MalformedPlaceholder;

// The slot of a placeholder's name; SlotCount when none.
constexpr std::size_t SlotIndex(std::string_view name) {
  std::size_t index = 0;
  while (index < SlotCount && SlotNames[index] != name) ++index;
  return index;
}

constexpr SlotSet PlaceholdersOf(std::string_view text) {
  SlotSet slots = 0;
  for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
    const std::size_t close = text.find('}', open);
    if (close == std::string_view::npos) return slots | MalformedPlaceholder;
    const std::size_t index = SlotIndex(text.substr(open + 1, close - open - 1));
    slots |= index < SlotCount ? SlotBit(static_cast<Slot>(index)) : MalformedPlaceholder;
  }
  return slots;
}

// Every message once, in the enumeration's order, and no malformed placeholder.
constexpr bool WellFormed(const Catalogue& catalogue) {
  for (std::size_t i = 0; i < MessageCount; ++i) {
    if (catalogue[i].id != static_cast<Message>(i) || catalogue[i].text.empty()) return false;
    if ((PlaceholdersOf(catalogue[i].text) & MalformedPlaceholder) != 0) return false;
  }
  return true;
}

// The first message whose placeholders differ between two languages;
// MessageCount when none does.
constexpr std::size_t FirstMismatch(const Catalogue& one, const Catalogue& other) {
  std::size_t i = 0;
  while (i < MessageCount && PlaceholdersOf(one[i].text) == PlaceholdersOf(other[i].text)) ++i;
  return i;
}

#pragma once
// Breakpoints by label: each label is looked up in the listing of the last
// assemble command, where a line that defines it holds " LABEL:" and the
// word address as four hex digits at positions 7-10.
#include <array>
#include <string>

#include "core/state.h"

namespace build {

// The word address the listing gives one label, found as the breakpoints
// find theirs; 0 when the listing does not define it at a nonzero address.
int LookUpLabel(const std::string& label);

// What OK in the labels dialog does: the non-empty fields, in order, become
// the labels, which are then resolved.
void SetBreakLabelsFromFields(const std::array<std::string, core::kBreakpointsUsed>& fields);

}  // namespace build

// Looks up BreakLabels[0 .. BreakLabelCount-1] in SourceFolder +
// ListingFileName and keeps, packed to the front, the labels found at a
// nonzero address, with their addresses in BreakAddresses. The others are
// dropped silently, as are all of them when the listing cannot be read.
void ResolveBreakLabels();

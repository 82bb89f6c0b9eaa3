#pragma once

// What the pedigree shows for one person: six ancestors, the partner line
// and the children grouped by their other parent.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/person_table.h"
#include "store/session.h"
#include "store/union_table.h"

namespace brinox {

// The seven panels in the order opa_v1, oma_v1, opa_m1, oma_m1, vader1, moeder1, zelf1.
enum PanelIndex { kOpaV, kOmaV, kOpaM, kOmaM, kVader, kMoeder, kZelf, kPanelCount };
inline constexpr std::array<const char*, kPanelCount> kPanelNames = {"opa_v1", "oma_v1", "opa_m1", "oma_m1",
                                                                     "vader1", "moeder1", "zelf1"};

// Record numbers shown in the panels, 0 for none.
using PedigreePersons = std::array<RecordNo, kPanelCount>;
PedigreePersons pedigreePersons(const PersonTable& persons, RecordNo self);

struct ChildEntry {
    RecordNo child;        // the child's own `number` field
    RecordNo otherParent;  // 0 when not in the file
    int birthYear = 0;
};

// The children of `parent` (by father for a man, by mother for anyone else),
// by birth year, equal years in record order, unknown years first.
std::vector<ChildEntry> childrenOf(const PersonTable& persons, RecordNo parent);

struct ChildrenLine {
    std::string text;
    RecordNo target;  // who a click on the line selects; 0 for nobody
};

// A header per other parent, in order of first appearance, each followed by
// its children; all children of parents not in the file share one group.
std::vector<ChildrenLine> childrenLines(const PersonTable& persons, const std::vector<ChildEntry>& children);

// " Gehuwd met [n] ..." or " Vaste relatie met [n] ..." for the partner of
// the last matching union entry; empty without one.
std::string partnerLabelText(const PersonTable& persons, const UnionTable& unions, RecordNo self);

// The record number between "[" and "]" of a partner label; 0 when none.
RecordNo partnerInLabel(const std::string& label);

// Everything one redraw sets. An empty family leaves the caption and the
// partner label as they were and empties the rest.
struct PedigreeView {
    std::optional<std::string> caption;
    PedigreePersons persons{};
    std::array<std::string, kPanelCount> panelTexts;
    std::optional<std::string> partnerLabel;
    std::vector<ChildrenLine> children;
};

PedigreeView buildPedigree(const Session& session);

}  // namespace brinox

#pragma once
// Small value types several standard controls publish, each with its table of value names
// for the property system ("taCenter", "bvLowered", "ssVertical", ...).

namespace fw {

class EnumInfo;

// Horizontal placement of a caption.
enum class Alignment { LeftJustify, RightJustify, Center };
// Vertical placement of a caption.
enum class TextLayout { Top, Center, Bottom };
// One bevel ring of a panel.
enum class BevelCut { None, Lowered, Raised, Space };
// A control's own frame: none, or the sunken client edge.
enum class ControlBorderStyle { None, Single };
// Native scroll bars of a multi-line edit.
enum class ScrollStyle { None, Horizontal, Vertical, Both };
enum class EditCharCase { Normal, UpperCase, LowerCase };
enum class CheckBoxState { Unchecked, Checked, Grayed };

// "TAlignment": taLeftJustify, taRightJustify, taCenter.
const EnumInfo& AlignmentInfo();
// "TTextLayout": tlTop, tlCenter, tlBottom.
const EnumInfo& TextLayoutInfo();
// "TBevelCut": bvNone, bvLowered, bvRaised, bvSpace.
const EnumInfo& BevelCutInfo();
// "TBorderStyle": bsNone, bsSingle.
const EnumInfo& ControlBorderStyleInfo();
// "TScrollStyle": ssNone, ssHorizontal, ssVertical, ssBoth.
const EnumInfo& ScrollStyleInfo();
// "TEditCharCase": ecNormal, ecUpperCase, ecLowerCase.
const EnumInfo& EditCharCaseInfo();
// "TCheckBoxState": cbUnchecked, cbChecked, cbGrayed.
const EnumInfo& CheckBoxStateInfo();

} // namespace fw

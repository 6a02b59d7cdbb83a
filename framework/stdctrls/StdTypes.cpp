#include "framework/stdctrls/StdTypes.h"

#include "framework/core/EnumInfo.h"

#include <string>
#include <vector>

namespace fw {

const EnumInfo& AlignmentInfo() {
    static const EnumInfo info("TAlignment", std::vector<std::string>{"taLeftJustify", "taRightJustify", "taCenter"});
    return info;
}

const EnumInfo& TextLayoutInfo() {
    static const EnumInfo info("TTextLayout", std::vector<std::string>{"tlTop", "tlCenter", "tlBottom"});
    return info;
}

const EnumInfo& BevelCutInfo() {
    static const EnumInfo info("TBevelCut", std::vector<std::string>{"bvNone", "bvLowered", "bvRaised", "bvSpace"});
    return info;
}

const EnumInfo& ControlBorderStyleInfo() {
    static const EnumInfo info("TBorderStyle", std::vector<std::string>{"bsNone", "bsSingle"});
    return info;
}

const EnumInfo& ScrollStyleInfo() {
    static const EnumInfo info("TScrollStyle", std::vector<std::string>{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
    return info;
}

const EnumInfo& EditCharCaseInfo() {
    static const EnumInfo info("TEditCharCase", std::vector<std::string>{"ecNormal", "ecUpperCase", "ecLowerCase"});
    return info;
}

const EnumInfo& CheckBoxStateInfo() {
    static const EnumInfo info("TCheckBoxState", std::vector<std::string>{"cbUnchecked", "cbChecked", "cbGrayed"});
    return info;
}

} // namespace fw

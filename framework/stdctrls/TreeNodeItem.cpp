#include "framework/stdctrls/TreeNodeItem.h"

#include "framework/core/ClassBuilder.h"

namespace fw {

const ClassInfo& TreeNodeItem::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<TreeNodeItem>("TTreeNodeItem", CollectionItem::StaticClass())
            .AddText("Text", &TreeNodeItem::Text, &TreeNodeItem::SetText)
            .AddInteger("ImageIndex", &TreeNodeItem::ImageIndex, &TreeNodeItem::SetImageIndex)
            .AddInteger("SelectedIndex", &TreeNodeItem::SelectedIndex, &TreeNodeItem::SetSelectedIndex)
            .AddInteger("Level", &TreeNodeItem::Level, &TreeNodeItem::SetLevel)
            .Register();
    return info;
}

void TreeNodeItem::SetText(const std::string& gbk) {
    text_ = gbk;
    Changed();
}

void TreeNodeItem::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

void TreeNodeItem::SetSelectedIndex(int index) {
    selectedIndex_ = index;
    Changed();
}

void TreeNodeItem::SetLevel(int level) {
    if (level < 0) throw Exception(Format("Invalid value %d for property Level", level));
    level_ = level;
    Changed();
}

} // namespace fw

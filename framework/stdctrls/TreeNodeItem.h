#pragma once
// How a designed window describes the nodes of a tree view: its Items are a list of these in
// pre-order, each with the node's Level (0 for a top-level node; at most one more than the
// item before it):
//
//   Items = <
//     item
//       Text = '网络'
//       ImageIndex = 1
//       SelectedIndex = 1
//     end
//     item
//       Text = 'a record'
//       Level = 1
//     end>

#include "framework/core/Collection.h"

#include <string>

namespace fw {

class TreeNodeItem : public CollectionItem {
public:
    explicit TreeNodeItem(Collection& collection) : CollectionItem(collection) {}

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& gbk);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    int Level() const { return level_; }
    void SetLevel(int level);

private:
    std::string text_;
    int imageIndex_ = 0;
    int selectedIndex_ = 0;
    int level_ = 0;
};

} // namespace fw

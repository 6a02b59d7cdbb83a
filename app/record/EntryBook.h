#pragma once
// The entry book as the record file keeps it: the tree of at most 50 nodes in pre-order, the
// EntryTable of user names, passwords and update times, and the chosen look.

#include <array>
#include <string>
#include <vector>

// Stand-ins for an absent user name, password and update time.
inline constexpr const char* PlaceholderUserName = "UserName";
inline constexpr const char* PlaceholderPassword = "PassWord";
inline constexpr const char* PlaceholderUpdateTime = "未知";

struct EntryNode {
    std::string Caption; // GBK
    int Level = 0;       // depth in the tree: 0 group, 1 record, 2 sub-record
    int ImageIndex = 0;  // into ImageList1; the selected-image index is always the same
};

// Three parallel arrays; entry i belongs to the node whose absolute index is i.
struct EntryTable {
    static constexpr int Size = 52;
    std::array<std::string, Size> UserName;
    std::array<std::string, Size> Password;
    std::array<std::string, Size> UpdateTime;
};

class EntryBook {
public:
    static constexpr int MaxNodes = 50;

    // The designed book: the three groups "网络", "软件", "生活", empty entries, no look chosen.
    static EntryBook Designed();

    int Count() const { return static_cast<int>(Nodes.size()); }
    // Absolute index of the parent of node i, or -1 for a top-level node.
    int ParentIndex(int i) const;

    // The tree in pre-order: a node is followed by its whole subtree, so Nodes[i] is the node whose
    // absolute index is i, and its parent is the nearest node before it one level up.
    std::vector<EntryNode> Nodes;
    EntryTable Table;
    // The chosen look: 1 BlueGlass, 2 DeepBlue, 3 MacOS, 4 Protein, 5 WinXP, 0 none.
    int StyleNumber = 0;
};

#include "app/record/EntryBook.h"

EntryBook EntryBook::Designed() {
    EntryBook book;
    book.Nodes = {{"网络", 0, 1}, {"软件", 0, 2}, {"生活", 0, 3}};
    return book;
}

int EntryBook::ParentIndex(int i) const {
    const int level = Nodes.at(static_cast<size_t>(i)).Level;
    for (int j = i - 1; j >= 0; --j)
        if (Nodes[static_cast<size_t>(j)].Level < level)
            return j;
    return -1;
}

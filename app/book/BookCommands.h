#pragma once
// Rules of the entry book's commands that need no window: which selected node may receive a new
// record, and the EntryTable shifts that keep entry i with the node whose absolute index is i
// after New and Delete.

#include "app/record/EntryBook.h"

#include <string>

// Both of the entry's credentials are still the placeholders "UserName" and "PassWord".
bool HoldsPlaceholders(const std::string& userName, const std::string& password);

// New may add a child below a node of `level` when the tree holds `count` nodes: groups and
// records only, below the 50-node limit, and a record only while it holds no credentials of its
// own or already has sub-records.
bool CanAddChild(int level, int count, const std::string& userName, const std::string& password, bool hasChildren);

// Entries first..last move one place up, the last one first (New: a node was inserted at `first`).
void ShiftEntriesUp(EntryTable& table, int first, int last);
// Entry j takes entry j + 1 for j from `first` to count - 1, in rising order (Delete: the node at
// `first` is gone and `count` nodes remain).
void ShiftEntriesDown(EntryTable& table, int first, int count);

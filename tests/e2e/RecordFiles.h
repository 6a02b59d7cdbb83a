#pragma once
// The record files as the end-to-end tests see them: read and written record by record with
// encrypt.dll's JM and UJM, independently of the program's own codec.

#include <string>
#include <vector>

struct StoredNode {
    std::string Caption; // GBK, deciphered
    std::string UserName;
    std::string Password;
    std::string UpdateTime;
    int Level = 0;
    int ImageIndex = 0;
};

struct StoredBook {
    bool Exists = false;
    std::string Header; // deciphered StyleNumber text
    std::vector<StoredNode> Nodes;
};

class RecordFiles {
public:
    // Reads `path` (a missing file gives Exists false). A field whose length byte exceeds its
    // capacity, or a torn record, fails the current test.
    static StoredBook Read(const std::wstring& path);
    // Writes a book as the program would (header, then one record per node in pre-order).
    static void Write(const std::wstring& path, const std::string& header, const std::vector<StoredNode>& nodes);

    static std::string Encipher(const std::string& plain);
    static std::string Decipher(const std::string& cipherText);
};

// The designed book as its first save writes it: the three groups with their icons.
std::vector<StoredNode> DesignedGroups();

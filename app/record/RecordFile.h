#pragma once
// The entry book on disk: "record.lzw" and its spare copy "BackUp.lzw" in the working directory,
// every field enciphered by encrypt.dll. One record buffer is shared by every read and write of the
// process.

#include "app/record/EntryBook.h"
#include "app/record/RecordCodec.h"

#include <string>

inline constexpr const char* RecordFileName = "record.lzw";
inline constexpr const char* BackupFileName = "BackUp.lzw";

// Fills `book` from "record.lzw", opened for reading only. A file that cannot be opened is the first
// start; if it exists (locked, denied), the first save over it keeps it under a free name first. A
// file that opens but cannot be read completely is copied at once to a free name
// ("record.lzw.unreadable", then "record.lzw.unreadable.2", ...) so that no save overwrites it, and
// Error says so. Errors come back in the result: the window first shows what was loaded, then calls
// ThrowIfFailed.
RecordLoadResult LoadRecordFile(EntryBook& book);

// Writes the whole book into the file `name` (GBK): into a temporary file in the same folder,
// flushed, which then replaces the old file in one step, so a failure leaves the old file intact.
// Throws fw::Exception with "File access denied", "Disk full" or "I/O error %d".
void WriteRecordFile(const std::string& name, EntryBook& book);

// WriteRecordFile for "record.lzw", then for "BackUp.lzw"; when the first fails the second is not
// touched.
void SaveRecordFiles(EntryBook& book);

// The user's message for a Win32 error code of a record file operation.
std::string RecordIoMessage(unsigned long error);

// What follows the header in a backup file: an int32 count of entries, then per entry a kind
// byte, the path relative to the packed folder (archive string, "\" between levels) and, for a
// file, its size as 64 bits followed by its bytes.
#pragma once

#include <cstdint>

enum BackupEntryKind : uint8_t { kBackupFile = 0, kBackupFolder = 1 };

// Kind byte, a length byte and at least one character of path.
constexpr unsigned kSmallestBackupEntry = 3;
// Bytes copied at a time between a backup and the files it holds.
constexpr unsigned kBackupCopyChunk = 64 * 1024;

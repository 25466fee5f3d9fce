// The file operations that the readers and writers of the kit formats need, done with each
// system's own calls. File names are UTF-8 everywhere in the program; on Windows they are
// converted to UTF-16 here, at the call, so that any name the file system allows can be read
// and written (not just those of the ANSI code page).
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// The name as a path, and back (UTF-8 both ways, whatever the system's own encoding).
std::filesystem::path PathFromUtf8(const std::string& fileName);
std::string Utf8FromPath(const std::filesystem::path& path);

// Opens the file for binary reading; on Windows no other process may open it meanwhile.
// nullptr when it cannot be opened or is no regular file (a FIFO, a device or a folder:
// refused at once, never waited on).
std::FILE* OpenFileForReading(const std::string& fileName);

// Creates the file for binary writing, failing when anything of that name exists already
// (errno EEXIST then), so that an existing file is never opened, emptied or overwritten.
std::FILE* CreateNewFile(const std::string& fileName);

// Forces the bytes written to the file (and flushed from its stream) to the disk.
bool SyncToDisk(std::FILE* file);

// Puts the file "from" in the place of "to", replacing an existing "to" in one step.
bool MoveFileOver(const std::string& from, const std::string& to);

// Removes the file; false when it could not be removed.
bool RemoveFile(const std::string& fileName);

// True when fileName names an existing file that the user may not write: on Windows the
// read-only attribute; elsewhere missing write permission (for the superuser, who may write
// anything, a file without any write bit).
bool IsReadOnlyFile(const std::string& fileName);

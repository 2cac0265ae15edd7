#pragma once
// The system calls of a save that differ between the systems. Each returns 0 or an errno value.
#include <cstdio>
#include <filesystem>
#include <string>

// Flushes the file's written bytes to the disk itself, not only to the system.
int FlushToDisk(std::FILE* file);
// Renames `from` over `to` in one step; a refused rename leaves `to` as it was.
int RenameOver(const std::string& from, const std::string& to);
// Makes a rename in the file's folder durable, where the system needs that; failures are ignored.
void SyncDirectoryOf(const std::filesystem::path& file);
// The replacement takes the access rights (on Windows: the attributes) of the file it replaces: a
// studio file that its owner has made private (it holds social-security numbers) stays private.
void KeepAccessOf(const std::filesystem::path& old, const std::string& replacement);

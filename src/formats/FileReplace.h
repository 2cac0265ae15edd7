#pragma once
// Saving a file so that a crash or a full disk never leaves it half written.
#include <string>

// Replaces the file at `path` by `bytes`: they go to a temporary file beside it, are flushed to
// the disk and then renamed over the old file, so the file is always either the old one or the
// new one, whole. The new file keeps the old one's access rights, and a symbolic link is written
// through. On failure the old file is unchanged, the temporary file is removed, and `error` says
// why.
bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error);

// The temporary file that ReplaceFileContents writes first.
std::string ReplacementPathFor(const std::string& path);

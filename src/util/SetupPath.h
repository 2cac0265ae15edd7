#pragma once
// The studio's files are named after the competition's setup file beside them.
#include <string>

// `setupPath` with its ".stu" extension (any case) replaced by `replacement`, for example
// "Fall.STU" and "*.tvr" give "Fall*.tvr". Only the file's own extension changes, never a ".stu"
// inside a folder's name; a path without the extension gets `replacement` appended.
std::string WithSetupExtensionReplaced(const std::string& setupPath,
                                       const std::string& replacement);

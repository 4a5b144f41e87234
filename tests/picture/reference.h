// The third-party suites under XPX_CORPUS_DIR and their reference renderings (PNG, read
// with libpng and expanded to 8-bit RGBA).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fixture.h"
#include "picture/picture.h"

namespace reference {

std::filesystem::path corpus_dir();  // empty when the corpus is not there

std::optional<fixture::ByteVector> read_file(const std::filesystem::path& path);

std::optional<picture::Image> read_png(const std::filesystem::path& path);

// Files below dir (recursively) whose extension is one of exts (lower case, with the dot).
std::vector<std::filesystem::path> files_under(const std::filesystem::path& dir,
                                               const std::vector<std::string>& exts);

// Where a decoded picture first differs from the reference, or nothing when identical.
std::optional<std::string> first_difference(const picture::Image& got, const picture::Image& want);

}  // namespace reference

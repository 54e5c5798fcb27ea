// Content paths: written with "\" in Windows-1252 and matched without regard
// to case against the real folders below the content root.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vintara {

class ContentPaths {
 public:
  // Root folder (native path); a trailing "/" is added when missing.
  void setRoot(std::string nativeRoot);
  const std::string& root() const { return root_; }
  bool hasRoot() const { return !root_.empty(); }

  // Native path of a content path relative to the root. Each component is
  // matched against the real folder without regard to case (folder listings
  // are cached: content never changes while the program runs); a component
  // with no match is kept as written. "." components are dropped; ".."
  // components are refused (empty result) unless allowParent is set, so
  // nothing but a "+" picture name written by the content can leave the root.
  std::string resolve(std::string_view relative, bool allowParent = false) const;

  // The same for a path that is not below the root (a "+" picture name that
  // is absolute); relative ones are taken from the root.
  std::string resolveAnywhere(std::string_view path) const;

  // The path as shown in messages: root + relative with "/".
  std::string display(std::string_view relative) const;

  void clearCache() { listings_.clear(); }

 private:
  std::string matchEntry(const std::string& folder, const std::string& nameUtf8) const;
  std::string resolveFrom(std::string base, std::string_view relative, bool allowParent) const;

  std::string root_;
  mutable std::map<std::string, std::vector<std::string>> listings_;
};

// Reads a whole file (binary). False when it cannot be opened or read.
bool readWholeFile(const std::string& nativePath, std::string& out);
// Writes a whole file (binary), making the folders above it. For the
// authoring tools: it is not a safe replace, so never for a pupil's data.
bool writeWholeFile(const std::string& nativePath, const std::string& bytes);

}  // namespace vintara

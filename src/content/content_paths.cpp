#include "content/content_paths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/text_codec.h"

namespace fs = std::filesystem;

namespace vintara {

void ContentPaths::setRoot(std::string nativeRoot) {
  if (!nativeRoot.empty() && nativeRoot.back() != '/') nativeRoot += '/';
  root_ = std::move(nativeRoot);
  listings_.clear();
}

std::string ContentPaths::matchEntry(const std::string& folder, const std::string& nameUtf8) const {
  auto it = listings_.find(folder);
  if (it == listings_.end()) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator d(folder.empty() ? "." : folder, ec), end; !ec && d != end;
         d.increment(ec))
      names.push_back(d->path().filename().string());
    it = listings_.emplace(folder, std::move(names)).first;
  }
  // An exact match wins; otherwise the first that matches without case.
  const std::string want = utf8ToCp1252(nameUtf8);
  const std::string* found = nullptr;
  for (const auto& n : it->second) {
    if (n == nameUtf8) return n;
    if (!found && equalsIgnoreCase(utf8ToCp1252(n), want)) found = &n;
  }
  return found ? *found : nameUtf8;
}

std::string ContentPaths::resolveFrom(std::string base, std::string_view relative,
                                      bool allowParent) const {
  std::string path = base;
  size_t i = 0;
  while (i <= relative.size()) {
    size_t j = relative.find_first_of("\\/", i);
    if (j == std::string_view::npos) j = relative.size();
    std::string_view part = relative.substr(i, j - i);
    i = j + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!allowParent) return {};
      if (!path.empty() && path.back() != '/') path += '/';
      path += "..";
      continue;
    }
    if (!path.empty() && path.back() != '/') path += '/';
    std::string folder = path.empty() ? "." : path;
    path += matchEntry(folder, cp1252ToUtf8(part));
  }
  return path;
}

std::string ContentPaths::resolve(std::string_view relative, bool allowParent) const {
  if (root_.empty()) return {};
  return resolveFrom(root_, relative, allowParent);
}

std::string ContentPaths::resolveAnywhere(std::string_view path) const {
  if (!path.empty() && (path[0] == '/' || path[0] == '\\'))
    return resolveFrom("/", path.substr(1), true);
  return resolve(path, true);
}

std::string ContentPaths::display(std::string_view relative) const {
  std::string out = utf8ToCp1252(root_);
  for (char c : relative) out += (c == '\\') ? '/' : c;
  return out;
}

bool readWholeFile(const std::string& nativePath, std::string& out) {
  std::error_code ec;
  if (nativePath.empty() || fs::is_directory(nativePath, ec)) return false;
  std::ifstream in(nativePath, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool writeWholeFile(const std::string& nativePath, const std::string& bytes) {
  std::error_code ec;
  fs::create_directories(fs::path(nativePath).parent_path(), ec);
  std::ofstream out(nativePath, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  out.close();
  return bool(out);
}

}  // namespace vintara

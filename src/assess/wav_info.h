// What the silent player needs to know of a wave file: its duration.
#pragma once

#include <optional>
#include <string_view>

namespace vintara {

// Duration in milliseconds from a RIFF/WAVE header (byte rate of the "fmt "
// chunk and size of the "data" chunk); nothing when the data is no wave
// file. A data chunk that claims more than the file holds is cut to it.
std::optional<int> wavDurationMs(std::string_view fileData);

}  // namespace vintara

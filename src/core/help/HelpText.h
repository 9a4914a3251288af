// The text the help viewer shows for a help file.
#pragma once

#include <string>
#include <string_view>

namespace quirn {

// The file read as comma-separated fields, numbers in their ordinary text, every field
// followed by CR LF: a line with commas in it is shown as several lines.
std::string helpViewerText(std::string_view bytes);

} // namespace quirn

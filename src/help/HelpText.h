// The help viewer reads its file as comma-separated fields, one shown per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirn {

// A field ends at a comma or a line end; blanks before it are skipped; a field in
// double quotes may hold commas and loses its quotes; an unquoted number is shown as
// the number's ordinary text; an empty line is an empty field.
std::vector<std::string> readHelpFields(std::string_view bytes);

// The viewer's text: every field followed by CR LF.
std::string helpViewerText(std::string_view bytes);

} // namespace quirn

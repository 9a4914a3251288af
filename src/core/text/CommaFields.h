// Reading a text file as comma-separated fields, as the help viewer and the
// skipped-levels list do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirn {

// A field ends at a comma or a line end; blanks before it are skipped; a field in
// double quotes may hold commas and loses its quotes; an empty line is an empty
// field. With convertNumbers, an unquoted number is given as the number's ordinary
// text (leading zeros and trailing decimal zeros go).
std::vector<std::string> readCommaFields(std::string_view bytes, bool convertNumbers);

} // namespace quirn

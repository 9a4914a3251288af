#include "core/help/HelpText.h"

#include "core/text/CommaFields.h"

namespace quirn {

std::string helpViewerText(std::string_view bytes) {
    std::string text;
    for (const std::string& field : readCommaFields(bytes, true)) text += field + "\r\n";
    return text;
}

} // namespace quirn

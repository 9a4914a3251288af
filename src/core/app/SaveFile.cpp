#include "core/app/Form1.h"
#include "core/text/TextCodec.h"

namespace quirn {

void Form1::save(const std::string& relative, const std::string& bytes, const std::string& what) {
    const WriteResult result = folder_.writeFile(relative, bytes);
    // Once a run: a full disk would otherwise stop every move that saves with a box.
    if (!result.written() && !saveFailureTold_) {
        saveFailureTold_ = true;
        message(what + " could not be saved to " + utf8ToCp1252(result.target.string()) + ": " +
                utf8ToCp1252(result.error) + ". Play goes on; this message is shown once.");
    }
}

} // namespace quirn

#include "utf8.h"

#include "model/message_text.h"

namespace vantrel {

bool IsWellFormedUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace vantrel

#include "worker/page_words.h"

namespace corvander::protocol {

bool pageHasWords(std::string_view text) {
    for (const char c : text) {
        if (c != ' ' && c != '\r' && c != '\n' && c != '\f')
            return true;
    }
    return false;
}

} // namespace corvander::protocol

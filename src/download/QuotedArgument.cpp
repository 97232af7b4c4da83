#include "download/QuotedArgument.h"

std::string UnquotedArgument(const std::string& tail, IsLeadByteFn isLeadByte) {
    if (tail.size() < 2 || tail.front() != '"') return tail;

    std::string::size_type i = 1;
    while (i < tail.size() && tail[i] != '"') {
        i += (isLeadByte(static_cast<unsigned char>(tail[i])) && i + 1 < tail.size()) ? 2 : 1;
    }
    // Only a closing quote that ends the tail makes one quoted text.
    if (i != tail.size() - 1) return tail;
    return tail.substr(1, tail.size() - 2);
}

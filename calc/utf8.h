#pragma once

#include <cstddef>
#include <string_view>

// Reading UTF-8 text one character at a time, as every face reads what it is given.
namespace calc {

// Decodes one UTF-8 sequence at text[i] (i < text.size()); returns its code point and advances i
// past it. A malformed byte comes back as U+FFFD and i moves by that one byte, so reading never
// runs past the text and resumes at the next byte.
char32_t nextCodePoint(std::string_view text, std::size_t& i);

}  // namespace calc

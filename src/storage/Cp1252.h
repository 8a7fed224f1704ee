#pragma once

#include <string>
#include <string_view>

namespace courtlog {

// Match files keep texts in Windows-1252, one byte per character. Names are kept as typed and
// folded into that code page only when a match file is written.

// The UTF-8 text with every character that Windows-1252 cannot hold replaced by its base
// letter (ć becomes c) or, when there is none, by "?".
std::string foldToCp1252(std::string_view utf8);

// Windows-1252 bytes of a UTF-8 text, folded as above.
std::string utf8ToCp1252(std::string_view utf8);

// UTF-8 text of Windows-1252 bytes. The five bytes the code page leaves undefined read as the
// control characters of the same number, as Windows reads them.
std::string cp1252ToUtf8(std::string_view bytes);

// The text with every malformed UTF-8 sequence replaced by U+FFFD, so that it can go anywhere
// a text goes.
std::string wellFormedUtf8(std::string_view text);

}  // namespace courtlog

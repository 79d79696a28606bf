#pragma once
#include <string>
#include <string_view>

namespace sorvat {

// Code page 932 (Shift-JIS) conversion. Characters without a code page 932
// form become '?'; invalid input bytes become U+FFFD.
std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);

} // namespace sorvat

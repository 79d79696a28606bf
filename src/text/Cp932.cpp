#include "text/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace sorvat {

namespace {

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; an input sequence that cannot be converted is skipped and
    // `replacement` is written instead.
    std::string Run(std::string_view in, std::string_view replacement, bool utf8Input) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (truncated sequence at the end).
            std::size_t bad = utf8Input ? Utf8SequenceLength(static_cast<unsigned char>(*src)) : 1;
            std::size_t skip = std::min(srcLeft, errno == EINVAL ? srcLeft : bad);
            if (skip == 0) break;
            out.append(replacement);
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

std::string Utf8ToCp932(std::string_view utf8) {
    Converter c("CP932", "UTF-8");
    return c.Run(utf8, "?", true);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    Converter c("UTF-8", "CP932");
    return c.Run(cp932, "\xEF\xBF\xBD", false);
}

} // namespace sorvat

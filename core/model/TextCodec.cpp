#include "core/model/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace fundis {

namespace {

// iconv with "?" for what the target cannot hold or the source does not contain
std::string convert(std::string_view input, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::string(input);
    }
    std::string out;
    std::vector<char> buffer(4 * input.size() + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), outPtr);
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: skip one input byte (and, from UTF-8, the rest of its sequence)
            out.push_back('?');
            ++in;
            --inLeft;
            while (inLeft > 0 && std::string_view(from) == "UTF-8" &&
                   (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                ++in;
                --inLeft;
            }
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) { return convert(bytes, "UTF-8", "CP1251"); }

std::string utf8ToCp1251(std::string_view text) { return convert(text, "CP1251", "UTF-8"); }

}  // namespace fundis

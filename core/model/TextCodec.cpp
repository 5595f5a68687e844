// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/TextCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace fundis {

namespace {

// One conversion descriptor a direction and thread, opened once: opening one costs far more than
// converting a word, and a .dan file has some fifty of them.
class Converter {
  public:
    Converter(const char* to, const char* from)
        : cd_(iconv_open(to, from)), fromUtf8_(std::string_view(from) == "UTF-8") {}
    ~Converter() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv_open reports its failure as (iconv_t)-1, so the comparison has to make that pointer
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }  // NOLINT(performance-no-int-to-ptr)

    // iconv with "?" for what the target cannot hold or the source does not contain
    std::string convert(std::string_view input) {
        // ASCII is the same in both code pages: most words of a file are numbers
        if (std::all_of(input.begin(), input.end(),
                        [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }) ||
            !ok()) {
            return std::string(input);
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        std::string out;
        std::vector<char> buffer(4 * input.size() + 16);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), outPtr);
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) {
                    continue;
                }
                // EILSEQ or EINVAL: skip one input byte (and, from UTF-8, the rest of its sequence)
                out.push_back('?');
                ++in;
                --inLeft;
                while (inLeft > 0 && fromUtf8_ && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                    ++in;
                    --inLeft;
                }
            }
        }
        return out;
    }

  private:
    iconv_t cd_;
    bool fromUtf8_;
};

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) {
    thread_local Converter toUtf8("UTF-8", "CP1251");
    return toUtf8.convert(bytes);
}

std::string utf8ToCp1251(std::string_view text) {
    thread_local Converter toCp1251("CP1251", "UTF-8");
    return toCp1251.convert(text);
}

}  // namespace fundis

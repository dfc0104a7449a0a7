#pragma once
#include <QByteArrayView>

#include <algorithm>
#include <cstring>
#include <vector>

namespace Bant {

// A page's content stream, appended through a plain pointer and kept from
// page to page. QByteArray's append checked sharing and aliasing on every
// token, a fifth of the PDF writer's instructions.
class IcerikTamponu {
public:
    void bosalt() { n_ = 0; }
    void ekle(const char* s, size_t n) {
        std::memcpy(yer(n), s, n);
        n_ += n;
    }
    template <size_t N> void ekle(const char (&s)[N]) { ekle(s, N - 1); } // a literal, without its terminating zero
    void ekle(QByteArrayView s) { ekle(s.data(), static_cast<size_t>(s.size())); }
    void ekle(char c) {
        *yer(1) = c;
        ++n_;
    }
    // Room for at most `n` bytes at the end; `ilerle` then counts those written.
    char* yer(size_t n) {
        if (n_ + n > b_.size()) [[unlikely]]
            buyut(n);
        return b_.data() + n_;
    }
    void ilerle(size_t n) { n_ += n; }
    QByteArrayView veri() const { return {b_.data(), static_cast<qsizetype>(n_)}; }

private:
    // Out of line: the check above is on every token and must stay small.
    [[gnu::noinline]] void buyut(size_t n) { b_.resize(std::max(2 * b_.size(), n_ + n)); }

    std::vector<char> b_ = std::vector<char>(32 * 1024);
    size_t n_ = 0;
};

} // namespace Bant

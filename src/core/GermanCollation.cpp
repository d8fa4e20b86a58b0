#include "core/GermanCollation.h"

#include <algorithm>
#include <optional>
#include <sqlite3.h>

namespace korbelant {

namespace {

// Decodes one UTF-8 code point; invalid bytes are taken as Latin-1.
char32_t nextCodePoint(std::string_view s, std::size_t& pos)
{
    const auto b0 = static_cast<unsigned char>(s[pos]);
    auto cont = [&](std::size_t i) {
        return pos + i < s.size() && (static_cast<unsigned char>(s[pos + i]) & 0xC0) == 0x80;
    };
    if (b0 < 0x80) {
        pos += 1;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0 && cont(1)) {
        char32_t c = ((b0 & 0x1F) << 6) | (static_cast<unsigned char>(s[pos + 1]) & 0x3F);
        pos += 2;
        return c;
    }
    if ((b0 & 0xF0) == 0xE0 && cont(1) && cont(2)) {
        char32_t c = ((b0 & 0x0F) << 12) | ((static_cast<unsigned char>(s[pos + 1]) & 0x3F) << 6) |
                     (static_cast<unsigned char>(s[pos + 2]) & 0x3F);
        pos += 3;
        return c;
    }
    if ((b0 & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
        char32_t c = ((b0 & 0x07) << 18) | ((static_cast<unsigned char>(s[pos + 1]) & 0x3F) << 12) |
                     ((static_cast<unsigned char>(s[pos + 2]) & 0x3F) << 6) |
                     (static_cast<unsigned char>(s[pos + 3]) & 0x3F);
        pos += 4;
        return c;
    }
    pos += 1;
    return b0;
}

struct Folded
{
    char32_t base;
    char32_t second; // 0 unless the letter expands to two (ß -> ss)
    int accent;      // 0 for a plain letter
};

Folded fold(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return {c + 32, 0, 0};
    if (c < 0xC0)
        return {c, 0, 0};
    if (c == 0xDF)
        return {'s', 's', 1};
    if (c >= 0x100)
        return {c, 0, 0};
    // Latin-1 letters: fold case, then map to the base letter.
    char32_t lower = (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 32 : c;
    static const char* const bases = "aaaaaaaceeeeiiii"   // e0..ef
                                     "dnooooo\0ouuuuyty"; // f0..ff
    if (lower >= 0xE0 && lower <= 0xFF && lower != 0xF7) {
        const char base = bases[lower - 0xE0];
        const int accent = static_cast<int>(lower - 0xDF);
        if (lower == 0xE6)
            return {'a', 'e', accent};
        return {static_cast<char32_t>(base), 0, accent};
    }
    return {lower, 0, 0};
}

class FoldedReader
{
public:
    explicit FoldedReader(std::string_view s) : m_s(s) {}
    bool atEnd() const { return m_pending == 0 && m_pos >= m_s.size(); }
    char32_t next()
    {
        if (m_pending) {
            char32_t c = m_pending;
            m_pending = 0;
            return c;
        }
        const Folded f = fold(nextCodePoint(m_s, m_pos));
        m_pending = f.second;
        return f.base;
    }

private:
    std::string_view m_s;
    std::size_t m_pos = 0;
    char32_t m_pending = 0;
};

int comparePrimary(std::string_view a, std::string_view b)
{
    FoldedReader ra(a), rb(b);
    while (!ra.atEnd() && !rb.atEnd()) {
        const char32_t ca = ra.next(), cb = rb.next();
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (ra.atEnd() && rb.atEnd())
        return 0;
    return ra.atEnd() ? -1 : 1;
}

int compareAccents(std::string_view a, std::string_view b)
{
    std::size_t pa = 0, pb = 0;
    while (pa < a.size() && pb < b.size()) {
        const int ca = fold(nextCodePoint(a, pa)).accent, cb = fold(nextCodePoint(b, pb)).accent;
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return 0;
}

// Texts of plain ASCII, the most of them (numbers, codes, keys), compare as their lower case;
// nullopt as soon as the texts differ in another character than ASCII.
std::optional<int> compareAscii(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80)
            return std::nullopt;
        const int la = (ca >= 'A' && ca <= 'Z') ? ca + 32 : ca;
        const int lb = (cb >= 'A' && cb <= 'Z') ? cb + 32 : cb;
        if (la != lb)
            return la < lb ? -1 : 1;
    }
    // Equal so far: the shorter text comes first, whatever follows in the longer one.
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int collate(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return GermanCollation::compare(std::string_view(static_cast<const char*>(a), lengthA),
                                    std::string_view(static_cast<const char*>(b), lengthB));
}

} // namespace

int GermanCollation::compare(std::string_view a, std::string_view b)
{
    if (const auto ascii = compareAscii(a, b))
        return *ascii;
    const int primary = comparePrimary(a, b);
    return primary != 0 ? primary : compareAccents(a, b);
}

int GermanCollation::registerWith(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, "GERMAN", SQLITE_UTF8, nullptr, &collate, nullptr);
}

} // namespace korbelant

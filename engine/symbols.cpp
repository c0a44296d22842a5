#include "engine/symbols.h"

#include <algorithm>
#include <array>

#include "engine/text.h"

namespace bandalyx {

namespace {

constexpr std::string_view Ohm {&symbol::Ohm, 1};

struct SymbolRange
{
    char32_t first;
    char32_t last;
    std::string_view symbols;
};

// What is read besides printable ASCII and its fullwidth forms (U+FF01–U+FF5E).
// clang-format off
constexpr std::array<SymbolRange, 18> OtherSymbols {{
    {U'\t', U'\t', " "},          // tab
    {U'\n', U'\r', "\n"},         // line ends: around a value, never inside it
    {0x0085, 0x0085, "\n"},        // next line
    {0x2028, 0x2029, "\n"},        // line and paragraph separators
    {0x00B1, 0x00B1, "\x03"},      // plus-minus sign
    {0x00B0, 0x00B0, "\x04"},      // degree sign
    {0x2103, 0x2103, "\x04" "C"}, // degree Celsius
    {0x00A0, 0x00A0, " "},        // no-break space
    {0x2000, 0x200A, " "},        // en quad to hair space, thin space among them
    {0x202F, 0x202F, " "},        // narrow no-break space
    {0x3000, 0x3000, " "},        // ideographic space
    {0x2212, 0x2212, "-"},        // minus sign
    {0x2126, 0x2126, Ohm},        // ohm sign
    {0x03A9, 0x03A9, Ohm},        // Greek capital omega
    {0x33C0, 0x33C0, "k\x01"},    // square k ohm (\x01: symbol::Ohm)
    {0x33C1, 0x33C1, "M\x01"},    // square m ohm
    {0x00B5, 0x00B5, "u"},        // micro sign
    {0x03BC, 0x03BC, "u"},        // Greek small mu
}};
// clang-format on

constexpr char32_t FullwidthFirst = 0xFF01;
constexpr char32_t FullwidthLast = 0xFF5E;
constexpr char32_t FullwidthOffset = 0xFEE0;

void appendSymbols(std::string &out, char32_t cp)
{
    if (cp >= 0x20 && cp <= 0x7E) {
        out += static_cast<char>(cp);
        return;
    }
    if (cp >= FullwidthFirst && cp <= FullwidthLast) {
        out += static_cast<char>(cp - FullwidthOffset);
        return;
    }
    for (const SymbolRange &r : OtherSymbols) {
        if (cp >= r.first && cp <= r.last) {
            out += r.symbols;
            return;
        }
    }
    out += symbol::Unknown;
}

struct Word
{
    std::string_view text;
    std::string_view symbols;
};

// Korean unit words, each before the shorter ones it begins with.
// clang-format off
constexpr std::array<Word, 7> Words {{
    {"킬로옴", "\x05\x01"}, // symbol::Kilo, symbol::Ohm
    {"메가옴", "\x06\x01"}, // symbol::Mega
    {"기가옴", "\x07\x01"}, // symbol::Giga
    {"킬로", "\x05"},
    {"메가", "\x06"},
    {"기가", "\x07"},
    {"옴", "\x01"},
}};
// clang-format on

const Word *wordAt(std::string_view text, std::size_t pos)
{
    for (const Word &w : Words)
        if (text.substr(pos).starts_with(w.text))
            return &w;
    return nullptr;
}

} // namespace

std::string symbolsOf(std::string_view text)
{
    std::string symbols;
    for (std::size_t pos = 0; pos < text.size();) {
        if (const Word *w = wordAt(text, pos)) {
            symbols += w->symbols;
            pos += w->text.size();
        } else {
            appendSymbols(symbols, nextCodePoint(text, pos));
        }
    }
    return symbols;
}

std::string_view trimmed(std::string_view s)
{
    constexpr std::string_view Around = " \n";
    s.remove_prefix(std::min(s.find_first_not_of(Around), s.size()));
    s.remove_suffix(s.size() - std::min(s.find_last_not_of(Around) + 1, s.size()));
    return s;
}

std::string_view takeDigits(std::string_view &s)
{
    const std::size_t n = std::min(s.find_first_not_of("0123456789"), s.size());
    const std::string_view digits = s.substr(0, n);
    s.remove_prefix(n);
    return digits;
}

void skipBlanks(std::string_view &s)
{
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
}

} // namespace bandalyx

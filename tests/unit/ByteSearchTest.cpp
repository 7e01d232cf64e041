#include "core/ByteSearch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using kvf::FindByte;

namespace {

// Where memchr finds the byte, as an offset, or -1.
long Expected(const std::string& text, std::size_t from, std::size_t size, int byte) {
    const void* hit = std::memchr(text.data() + from, byte, size);
    return hit ? static_cast<const char*>(hit) - text.data() : -1;
}

long Found(const std::string& text, std::size_t from, std::size_t size, int byte) {
    const void* hit = FindByte(text.data() + from, byte, size);
    return hit ? static_cast<const char*>(hit) - text.data() : -1;
}

} // namespace

// Every text of up to six bytes over the wanted byte, its neighbours and its twin with the
// top bit flipped (where a borrow of the word-wise test could flag a byte falsely), from
// every start and for every length: the same place as memchr, bytes above 0x7F and zero
// wanted as well.
TEST(ByteSearch, FindsWhatMemchrFindsInEveryShortText) {
    int mismatches = 0;
    for (int byte : {int{'\n'}, 0, 0x80, 0xFF, 0x01}) {
        const auto b = static_cast<unsigned char>(byte);
        const std::string alphabet = {static_cast<char>(b), static_cast<char>(b ^ 0x80),
                                      static_cast<char>(b + 1), static_cast<char>(b - 1)};
        std::vector<std::string> texts = {""};
        for (std::size_t at = 0; at < texts.size() && texts[at].size() < 6; ++at)
            for (char c : alphabet)
                texts.push_back(texts[at] + c);
        for (const std::string& text : texts)
            for (std::size_t from = 0; from <= text.size(); ++from)
                for (std::size_t size = 0; from + size <= text.size(); ++size)
                    if (Found(text, from, size, byte) != Expected(text, from, size, byte) &&
                        ++mismatches <= 10)
                        ADD_FAILURE() << "byte " << byte << " in a text of " << text.size()
                                      << " from " << from << " for " << size;
    }
    EXPECT_EQ(mismatches, 0);
}

// Longer texts, read a word at a time: one hit at every place, the first of two, none, and
// a hit just past the end, which must not be found.
TEST(ByteSearch, FindsTheFirstHitOfALongTextAndNothingPastItsEnd) {
    struct Case {
        std::size_t length;
        std::vector<std::size_t> hits;
        std::size_t size; // how many bytes are searched
    };
    std::vector<Case> cases;
    for (std::size_t length = 7; length <= 40; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            cases.push_back({length, {at}, length});
            if (at + 9 < length)
                cases.push_back({length, {at, at + 9}, length});
        }
        cases.push_back({length, {}, length});
        cases.push_back({length, {length - 1}, length - 1});
    }
    for (const Case& c : cases) {
        for (std::size_t offset = 0; offset < 8; ++offset) { // every alignment of the start
            // Near misses of a LF around the hits: its twin with the top bit set, its
            // complement, its neighbours.
            const std::string nearMisses = "\x8A\xF5\x0B\x09\x8B";
            std::string text(offset, '\n');
            for (std::size_t i = 0; i < c.length; ++i)
                text += nearMisses[i % nearMisses.size()];
            for (std::size_t hit : c.hits)
                text[offset + hit] = '\n';
            EXPECT_EQ(Found(text, offset, c.size, '\n'), Expected(text, offset, c.size, '\n'))
                << "length " << c.length << " size " << c.size << " offset " << offset;
        }
    }
}

// The byte is taken as an unsigned char, as memchr takes it: -1 finds 0xFF, 256 + 10 a LF.
TEST(ByteSearch, TakesTheByteAsAnUnsignedChar) {
    const std::string text = "ab\xFF\ncd";
    EXPECT_EQ(Found(text, 0, text.size(), -1), 2);
    EXPECT_EQ(Found(text, 0, text.size(), 256 + '\n'), 3);
}

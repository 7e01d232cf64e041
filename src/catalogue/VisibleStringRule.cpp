// The Visible-String rule and the file-name rule.

#include "catalogue/RowCheckContext.h"
#include "catalogue/ValueChecks.h"
#include "core/AsciiText.h"
#include "core/MessageIds.h"

#include <string>
#include <string_view>

namespace kvf {

namespace {

constexpr auto npos = std::string_view::npos;

// Printable characters besides letters, digits and the blank; 0xB4 is the acute accent.
constexpr std::string_view kAllowedSigns = "_.-\\+*/<>()[]{}!$%&?\xB4^|=#;,:`";

// Characters that are accepted but counted, as single Windows-1252 bytes: the German and
// Romance letters, the apostrophe, the commercial at, the tilde and the signs of the upper
// half (euro, pound, copyright, registered, trade mark, ...).
constexpr std::string_view kUnspecified =
    "\xE4\xC4\xF6\xD6\xFC\xDC\xDF\xE9\xE8\xE0\xE1\xEC\xED\xF3\xF2\xFA\xF9" // ä Ä ö Ö ü Ü ß é è à á
                                                                           // ì í ó ò ú ù
    "'\xBA\xB5@~\x80\xA3\xA9\xAE\x99"                          // ' º µ @ ~ € £ © ® ™
    "\xA1\xA2\xA4\xA5\xA6\xAD"                                 // ¡ ¢ ¤ ¥ ¦ soft hyphen
    "\xAA\xAB\xAC\xAF\xB0\xB1\xB9\xB2\xB3\xBB\xBC\xBD\xBE\xBF" // ª « ¬ ¯ ° ± ¹ ² ³ » ¼ ½ ¾ ¿
    "\xC0\xC1\xC2\xC3\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF" // À Á Â Ã Å Æ Ç È É Ê Ë Ì Í Î Ï
    "\xD0\xD1\xD2\xD3\xD4\xD5\xD7\xD8\xD9\xDA\xDB\xDD\xDE" // Ð Ñ Ò Ó Ô Õ × Ø Ù Ú Û Ý Þ
    "\xE2\xE3\xE5\xE6\xE7\xEA\xEB\xEE\xEF\xF0\xF1\xF4\xF5\xF7\xF8\xFB\xFD\xFE\xFF";
// â ã å æ ç ê ë î ï ð ñ ô õ ÷ ø û ý þ ÿ

constexpr std::string_view kFileNameForbidden = ".+[]?/<>,;:";

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

// Only the appended line can hold the closing quote, so only that is searched: a string
// continued over many lines costs its length, not its length times its lines.
bool FindQuotedString(const CDbEntry& entry, const TextLines& lines, QuotedString& found) {
    const std::string_view line = lines.LineView(entry.LongLine, found.LineScratch);
    std::size_t open = line.find('"');
    if (open == npos)
        return false;
    std::string_view rest = line.substr(open + 1);
    std::size_t close = rest.find('"');
    if (close == npos) {
        std::string& part = found.Joined;
        part.assign(rest);
        std::string scratch;
        int next = entry.LongLine + 1;
        std::size_t appendedAt = 0; // the part before holds no quote
        while ((close = part.find('"', appendedAt)) == npos) {
            std::string_view code = TrimRight(part);
            if (code.empty() || code.back() != '\\' || next >= lines.LineCount())
                return false;
            part.resize(code.size() - 1);
            appendedAt = part.size();
            part += lines.LineView(next++, scratch);
        }
        rest = part;
    }
    found.String = rest.substr(0, close);
    found.After = rest.substr(close + 1);
    return true;
}

int VisibleStringCharacterClass(char c) {
    if (IsAsciiLetterOrDigit(c) || c == ' ' || kAllowedSigns.find(c) != npos)
        return 1;
    if (kUnspecified.find(c) != npos)
        return 2;
    return 0;
}

int CheckVisibleString(const CDbEntry& entry, std::string_view text, int maxLength,
                       const TextLines& lines, int& unspecifiedCount) {
    unspecifiedCount = 0;
    for (char c : text) {
        int kind = VisibleStringCharacterClass(c);
        if (kind == 0)
            return 0;
        if (kind == 2)
            ++unspecifiedCount;
    }

    QuotedString quoted;
    if (!FindQuotedString(entry, lines, quoted))
        return 0;
    if (maxLength < 0 || quoted.String.size() > static_cast<std::size_t>(maxLength))
        return 0;

    std::size_t furtherQuote = quoted.After.find('"');
    if (furtherQuote == npos)
        return EqualsNoCase(Trim(quoted.String), Trim(text)) ? 1 : 0;
    // A further quoted text may only stand in the comment.
    std::size_t comment = quoted.After.find(';');
    return (comment != npos && comment < furtherQuote) ? 1 : 0;
}

int CheckFileNameCharacters(std::string_view name) {
    return name.find_first_of(kFileNameForbidden) == npos ? 1 : 0;
}

int CheckStringValue(RowCheck& check, std::string_view text, int maxLength) {
    int unspecified = 0;
    if (!CheckVisibleString(check.Entry, text, maxLength, check.Lines, unspecified)) {
        check.Error(msg::VisibleStringInvalid, maxLength);
        return 0;
    }
    if (unspecified > 0)
        check.Report(LEVEL_WARNING, msg::UnspecifiedCharacters, unspecified);
    return 1;
}

int CheckFileNameValue(RowCheck& check) {
    const std::string_view name = check.Entry.m_Ready[0];
    if (!CheckStringValue(check, name, check.Keyword.MaxLength))
        return 0;
    if (!CheckFileNameCharacters(name)) {
        check.Error(msg::FileNameCharacters);
        return 0;
    }
    return 1;
}

} // namespace kvf

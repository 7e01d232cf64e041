#include "document/FileReader.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/AsciiText.h"
#include "core/CKeyDatabase.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "core/TextLines.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <span>
#include <unordered_map>

namespace kvf {
namespace {

constexpr std::size_t npos = std::string::npos;

// Some editors save UTF-8 text with a byte order mark; it is no part of the first line.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Parentheses before the line's first double quote and first ';': an opening one becomes
// a blank, a closing one the value mark.
void MarkParentheses(std::string& line) {
    for (std::size_t at = 0; (at = FindFirstOf<'"', ';', '(', ')'>(line, at)) != npos; ++at) {
        if (line[at] == '"' || line[at] == ';')
            return;
        line[at] = line[at] == '(' ? ' ' : kValueMark;
    }
}

// The key ends at the first '=' or blank.
std::size_t FirstEqualSignOrBlank(std::string_view line) {
    return FindFirstOf<'=', ' '>(line);
}

// Equal signs before the value's first double quote become blanks.
void BlankEqualSigns(std::span<char> value) {
    const std::string_view text(value.data(), value.size());
    for (std::size_t at = 0; (at = FindFirstOf<'"', '='>(text, at)) != npos; ++at) {
        if (value[at] == '"')
            return;
        value[at] = ' ';
    }
}

// Where a comment starts: the first ';' outside double quotes. A ';' inside a quoted text
// is part of the text, also on index lines, whose ')' mark stands before the quotes, and in
// strings continued over lines. While lines are joined, a quote still open protects what
// follows (the string goes on in the next line); in a whole value only a closed pair of
// quotes does, so a stray quote does not swallow the comment. One scan serves both: they
// differ only for a value that ends inside a quote.
struct CommentScan {
    std::string_view Value;
    std::size_t OutsideQuotes = npos; // the first ';' outside quotes
    std::size_t OpenQuote = npos;     // the quote left open at the end; npos if none

    explicit CommentScan(std::string_view value) : Value(value) {
        bool inQuote = false;
        std::size_t quoteStart = npos;
        for (std::size_t i = 0; (i = FindFirstOf<'"', ';'>(value, i)) != npos; ++i) {
            if (value[i] == '"') {
                inQuote = !inQuote;
                quoteStart = i;
            } else if (!inQuote) {
                OutsideQuotes = i;
                return;
            }
        }
        if (inQuote)
            OpenQuote = quoteStart;
    }

    std::size_t Start(bool openQuoteProtects) const {
        if (OpenQuote == npos || openQuoteProtects)
            return OutsideQuotes;
        return Value.find(';', OpenQuote);
    }
};

std::size_t CommentStart(std::string_view value, bool openQuoteProtects) {
    return CommentScan(value).Start(openQuoteProtects);
}

// The backslash that continues a value on the next line: one followed by nothing but
// white space up to the end or to a comment. A backslash inside a text ("C:\\TEMP") is a
// character of it and joins nothing, so no following keyword line is swallowed.
std::size_t ContinuationBackslash(std::string_view value, std::size_t comment) {
    std::string_view code = TrimRight(value.substr(0, comment));
    return !code.empty() && code.back() == '\\' ? code.size() - 1 : npos;
}

std::size_t ContinuationBackslash(std::string_view value) {
    return ContinuationBackslash(value, CommentStart(value, true));
}

// Opening quotes become blanks and closing quotes value marks, alternating, as long as no
// comment starts before an opening quote.
void MarkQuotes(std::span<char> value, std::size_t comment) {
    bool opening = true;
    const std::string_view text(value.data(), value.size());
    for (std::size_t pos = text.find('"'); pos != npos; pos = text.find('"', pos + 1)) {
        if (opening && comment != npos && comment < pos)
            break;
        value[pos] = opening ? ' ' : kValueMark;
        opening = !opening;
    }
}

class Reader {
  public:
    Reader(RunContext& run, CKeyDatabase& database, const TextLines& lines,
           std::vector<std::uint16_t>* nameCodes)
        : run_(run), database_(database), lines_(lines), count_(lines.LineCount()),
          nameCodes_(nameCodes) {}

    void Run() {
        // The classification keeps the texts it makes in the database's store, and asks
        // the settings about each distinct key once.
        run_.EntryTexts = &database_.Texts();
        KeyAnswers::Run userKeys(run_.UserKeyAnswers);
        // Keys and values that stand in the file as they are read are views of its bytes,
        // where the lines hold them for good.
        if (std::shared_ptr<const void> bytes = lines_.SharedBytes()) {
            database_.Texts().KeepAlive(std::move(bytes));
            viewLines_ = true;
        }
        ProgressSink& progress = run_.Progress();
        progress.Begin(std::string(MessageText(msg::BuildingDatabase)));
        // The percentages need the length of the whole text first: a pass over every line,
        // spared where the progress is shown nowhere (kvfcheck).
        long long length = 0;
        if (!dynamic_cast<NullProgress*>(&progress))
            for (int i = 0; i < count_; ++i)
                length += lines_.LineLength(i) + 1;
        try {
            while (next_ < count_) {
                std::string_view line = lines_.LineView(next_++, scratch_);
                consumed_ += static_cast<long long>(line.size()) + 1;
                ShowProgress(progress, length);
                ++lineIndex_;
                if (lineIndex_ == 0 && line.starts_with(kUtf8ByteOrderMark))
                    line.remove_prefix(kUtf8ByteOrderMark.size());
                ProcessPhysicalLine(Trim(line));
            }
        } catch (const std::bad_alloc&) {
            run_.Alert(std::string(MessageText(msg::OutOfMemoryEntry)));
        } catch (const std::exception&) {
            run_.Alert(std::string(MessageText(msg::BuildDatabaseFailed)));
        }
        progress.End();
        run_.OpenBlockEntry = nullptr;
        run_.EntryTexts = nullptr;
    }

  private:
    void ShowProgress(ProgressSink& progress, long long length) {
        int percent = length > 0 ? static_cast<int>(consumed_ * 100 / length) : 0;
        for (; lastPercent_ < percent; ++lastPercent_)
            progress.Step();
    }

    void ProcessPhysicalLine(std::string_view line) {
        if (!headerFound_) {
            // Nothing before the header line counts, and the header line itself is no entry.
            std::string_view beforeComment = Trim(line.substr(0, line.find(';')));
            headerFound_ = EqualsNoCase(beforeComment, "#TALVERON_DP");
            return;
        }
        if (line.empty() || line[0] == ';')
            return;
        ProcessKeywordLine(line);
    }

    // The line is marked in a buffer kept from line to line, so that reading costs no
    // allocation beyond the entry's own strings.
    void ProcessKeywordLine(std::string_view physical) {
        std::string& line = line_;
        line.assign(physical);
        MarkParentheses(line);

        std::string_view key;
        std::string_view value;
        int firstLine = -1;
        std::size_t separator = FirstEqualSignOrBlank(line);
        if (separator == npos) {
            key = TrimRight(std::string_view(line).substr(0, line.find(';')));
        } else {
            key = TrimRight(std::string_view(line).substr(0, separator));
            std::span<char> rest(line.data() + separator + 1, line.size() - separator - 1);
            BlankEqualSigns(rest);
            value = std::string_view(rest.data(), rest.size());
            const CommentScan scan(value);
            std::size_t comment = scan.Start(false);
            if (ContinuationBackslash(value, scan.Start(true)) != npos) {
                firstLine = lineIndex_;
                joined_.assign(value);
                JoinContinuation(joined_);
                rest = std::span<char>(joined_.data(), joined_.size());
                value = joined_;
                comment = CommentStart(value, false);
            }
            MarkQuotes(rest, comment);
            value = Trim(value.substr(0, comment));
        }

        if (run_.Progress().ShowsStatus())
            run_.Progress().Status(FormatMessage(msg::KeywordFound, key));
        int first = firstLine >= 0 ? firstLine : lineIndex_;
        // Added before it is classified, so that the database owns it while the
        // dispatcher links it into the run's block state.
        EntryText keptKey = ViewOfLine(physical, key);
        if (keptKey.empty())
            keptKey = KeptKey(key);
        EntryText keptValue = firstLine >= 0 ? EntryText() : ViewOfLine(physical, value);
        if (keptValue.empty())
            keptValue = database_.Texts().Keep(value);
        CDbEntry& entry =
            database_.Emplace(std::move(keptKey), std::move(keptValue), lineIndex_, first);
        run_.Focus.CurrentEntry = &entry;
        const KeywordCatalogue& catalogue = KeywordCatalogue::Instance();
        const std::uint16_t nameCode = catalogue.NameCode(entry.Key);
        const std::string_view keyBefore = entry.Key;
        Dispatch(run_, run_.Focus, entry.Key, ACTION_CLASSIFY, entry.Value,
                 catalogue.EntryOf(nameCode));
        // A text of the store stays where it is, so a key that still stands at the same
        // place with the same length is the one looked up.
        const std::string_view keyAfter = entry.Key;
        KeepNameCode(keyAfter.data() == keyBefore.data() && keyAfter.size() == keyBefore.size()
                         ? nameCode
                         : kKeyRewritten);
    }

    void KeepNameCode(std::uint16_t code) {
        if (!nameCodes_)
            return;
        try {
            nameCodes_->push_back(code);
        } catch (const std::bad_alloc&) {
            nameCodes_->clear();
            nameCodes_ = nullptr;
        }
    }

    // A text cut from the marked copy of a line as a view of the line itself, where the
    // marking left it as it stands there; empty otherwise.
    EntryText ViewOfLine(std::string_view physical, std::string_view text) {
        if (!viewLines_ || text.empty())
            return {};
        std::size_t offset = static_cast<std::size_t>(text.data() - line_.data());
        if (offset > physical.size() || text.size() > physical.size() - offset ||
            physical.substr(offset, text.size()) != text)
            return {};
        return database_.Texts().View(physical.substr(offset, text.size()));
    }

    // A file has a few dozen distinct keys over all its lines: each spelling is kept once
    // and shared by the entries that have it.
    EntryText KeptKey(std::string_view key) {
        EntryTextStore& texts = database_.Texts();
        if (key.size() > kMaxSharedKeyLength || keys_.size() >= kMaxSharedKeys)
            return texts.Keep(key);
        auto it = keys_.find(key);
        if (it == keys_.end()) {
            EntryText kept = texts.Keep(key);
            it = keys_.emplace(kept.View(), std::move(kept)).first;
        }
        return texts.Share(it->second);
    }

    // Joins the following physical lines while the value ends in a backslash: the
    // backslash, what follows it and a comment go; the next line is appended as it is.
    // What is kept of the value so far has no comment and no line break, so only the
    // appended line is scanned: its quotes continue the parity of the kept text, and when
    // it holds no code the last code character of the kept text decides. The join stays
    // linear in the length of the chain.
    void JoinContinuation(std::string& value) {
        std::size_t backslash = ContinuationBackslash(value);
        bool inQuote = false;        // quote parity of the kept text
        std::size_t lastCode = npos; // last non-blank character of the kept text
        std::size_t keptFrom = 0;    // start of the text not yet folded into that state
        while (backslash != npos) {
            value.erase(backslash);
            std::size_t lineBreak = value.find_first_of("\r\n", keptFrom);
            if (lineBreak != npos)
                value.erase(lineBreak);
            if (backslash < keptFrom) {
                // The backslash stood in the kept text; what it cut off is blanks.
                lastCode = LastNonSpace(value, 0, value.size(), npos);
            } else {
                for (std::size_t i = keptFrom; i < value.size(); ++i)
                    if (value[i] == '"')
                        inQuote = !inQuote;
                lastCode = LastNonSpace(value, keptFrom, value.size(), lastCode);
            }
            if (next_ >= count_)
                break;
            keptFrom = value.size();
            value += lines_.LineView(next_++, scratch_);
            ++lineIndex_;
            backslash = AppendedContinuation(value, keptFrom, inQuote, lastCode);
        }
    }

    // The last character in [from, to) that is no blank, or `otherwise`.
    static std::size_t LastNonSpace(const std::string& text, std::size_t from, std::size_t to,
                                    std::size_t otherwise) {
        for (std::size_t i = to; i > from; --i)
            if (!IsSpace(text[i - 1]))
                return i - 1;
        return otherwise;
    }

    // The continuing backslash of a value whose text before `appended` is known: no
    // comment in it, quote parity `inQuote`, last code character `lastCode`.
    static std::size_t AppendedContinuation(const std::string& value, std::size_t appended,
                                            bool inQuote, std::size_t lastCode) {
        std::size_t comment = value.size();
        for (std::size_t i = appended; i < value.size(); ++i) {
            if (value[i] == '"') {
                inQuote = !inQuote;
            } else if (value[i] == ';' && !inQuote) {
                comment = i;
                break;
            }
        }
        std::size_t last = LastNonSpace(value, appended, comment, lastCode);
        return last != npos && value[last] == '\\' ? last : npos;
    }

    RunContext& run_;
    CKeyDatabase& database_;
    const TextLines& lines_;
    const int count_;
    std::vector<std::uint16_t>* nameCodes_; // null where nobody keeps them
    int next_ = 0;
    int lineIndex_ = -1;
    bool headerFound_ = false;
    long long consumed_ = 0;
    std::string scratch_; // a line of lines that are not held as bytes
    std::string line_;    // the keyword line being marked
    std::string joined_;  // a value joined from continuation lines
    // Keys kept so far, by spelling; bounded, so a file of random keys costs no more than
    // one copy of each.
    static constexpr std::size_t kMaxSharedKeyLength = 64;
    static constexpr std::size_t kMaxSharedKeys = 4096;
    std::unordered_map<std::string_view, EntryText> keys_;
    bool viewLines_ = false; // the lines' bytes can be viewed (SharedBytes)
    int lastPercent_ = 0;
};

} // namespace

namespace {
std::atomic<std::uint64_t> databaseBuilds{0};
} // namespace

std::uint64_t DatabaseBuilds() {
    return databaseBuilds.load(std::memory_order_relaxed);
}

void BuildDatabase(RunContext& run, CKeyDatabase& database, const TextLines& lines) {
    databaseBuilds.fetch_add(1, std::memory_order_relaxed);
    Reader(run, database, lines, nullptr).Run();
}

void BuildDatabase(RunContext& run, CKeyDatabase& database, const TextLines& lines,
                   std::vector<std::uint16_t>& nameCodes) {
    databaseBuilds.fetch_add(1, std::memory_order_relaxed);
    nameCodes.clear();
    Reader(run, database, lines, &nameCodes).Run();
}

} // namespace kvf

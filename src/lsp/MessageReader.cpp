#include "lsp/MessageReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace kvf::lsp {
namespace {

constexpr std::string_view kLengthName = "content-length:";

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The Content-Length of a header block, found on any of its lines (so that a header whose
// line starts with the remains of a broken message is still read). False when there is none
// or it is not a decimal number.
bool FindLength(std::string_view header, std::size_t& length) {
    std::string lower = Lower(header);
    std::size_t at = lower.rfind(kLengthName);
    if (at == std::string::npos)
        return false;
    std::string_view rest = std::string_view(header).substr(at + kLengthName.size());
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    std::size_t end = 0;
    while (end < rest.size() && std::isdigit(static_cast<unsigned char>(rest[end])))
        ++end;
    if (end == 0 || end > 18)
        return false;
    std::string_view tail = rest.substr(end);
    std::size_t lineEnd = tail.find('\n');
    std::string_view afterNumber = tail.substr(0, lineEnd);
    for (char c : afterNumber)
        if (c != ' ' && c != '\t' && c != '\r')
            return false;
    std::from_chars(rest.data(), rest.data() + end, length);
    return true;
}

} // namespace

void MessageReader::Feed(std::string_view bytes) {
    if (skipping_ > 0) {
        std::size_t dropped = std::min(skipping_, bytes.size());
        skipping_ -= dropped;
        bytes.remove_prefix(dropped);
    }
    // Drop what was taken before the buffer grows again.
    if (start_ > 0 && (start_ == buffer_.size() || start_ > 4096)) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    buffer_.append(bytes);
}

bool MessageReader::ReadHeader(Result& result) {
    std::string_view pending = std::string_view(buffer_).substr(start_);
    std::size_t end = pending.find("\r\n\r\n");
    std::size_t separator = 4;
    if (end == std::string_view::npos) {
        if (pending.size() > kMaxHeader) {
            result.Kind = Status::FramingError;
            result.Error = "header too long";
            start_ = buffer_.size();
        }
        return false;
    }
    std::string_view header = pending.substr(0, end);
    start_ += end + separator;
    std::size_t length = 0;
    if (!FindLength(header, length)) {
        result.Kind = Status::FramingError;
        result.Error = "header without a valid Content-Length";
        return false;
    }
    if (length > maxBody_) {
        result.Kind = Status::FramingError;
        result.Error = "message body of " + std::to_string(length) +
                       " bytes exceeds the limit of " + std::to_string(maxBody_) + " bytes";
        std::size_t available = buffer_.size() - start_;
        std::size_t dropped = std::min(available, length);
        start_ += dropped;
        skipping_ = length - dropped;
        return false;
    }
    bodyLength_ = length;
    haveHeader_ = true;
    return true;
}

MessageReader::Result MessageReader::Next() {
    Result result;
    if (skipping_ > 0)
        return result;
    if (!haveHeader_ && !ReadHeader(result))
        return result;
    if (buffer_.size() - start_ < bodyLength_)
        return result;
    result.Kind = Status::Message;
    result.Body = buffer_.substr(start_, bodyLength_);
    start_ += bodyLength_;
    haveHeader_ = false;
    return result;
}

} // namespace kvf::lsp

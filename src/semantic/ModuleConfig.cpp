#include "semantic/ModuleConfig.h"

#include "catalogue/NumberReader.h"

namespace kvf {
namespace {

constexpr std::uint8_t kConsistencyBit = 0x80; // normal format; output length byte follows
constexpr std::uint8_t kWordUnitBit = 0x40;    // normal format; input length byte follows
constexpr std::uint8_t kOutputBit = 0x20;
constexpr std::uint8_t kInputBit = 0x10;
constexpr std::uint8_t kOutputLengthFollows = kConsistencyBit;
constexpr std::uint8_t kInputLengthFollows = kWordUnitBit;

std::string_view WithoutLeadingBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view Trimmed(std::string_view text) {
    text = WithoutLeadingBlanks(text);
    std::size_t last = text.find_last_not_of(" \t");
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// Splits the configuration text into its comma-separated items; Next() gives the items in
// order and false after the last. The rest after a comma loses its leading blanks, and an
// empty rest ends the list.
class ConfigItems {
  public:
    explicit ConfigItems(std::string_view text) : rest_(text) {}

    bool Next(std::string_view& item) {
        if (done_)
            return false;
        std::size_t comma = rest_.find(',');
        item = rest_.substr(0, comma);
        if (comma == std::string_view::npos) {
            done_ = true;
        } else {
            rest_ = WithoutLeadingBlanks(rest_.substr(comma + 1));
            done_ = rest_.empty();
        }
        return true;
    }

  private:
    std::string_view rest_;
    bool done_ = false;
};

// The vendor-specific bytes a special identifier announces. The count 15 stands for none,
// as the syntax check of the configuration reads it; both walks read it so, or a list the
// syntax check accepts would hide up to 15 identifiers from the length sums.
int VendorByteCount(std::uint8_t byte) {
    int count = byte & 0x0F;
    return count == 0x0F ? 0 : count;
}

CfgPart PartOf(std::uint8_t byte, std::uint32_t length) {
    return CfgPart{CfgFormat(byte), length};
}

} // namespace

std::uint32_t CfgIdentifierLength(std::uint8_t byte) {
    std::uint32_t units = (byte & 0x0Fu) + 1;
    return byte & kWordUnitBit ? units * 2 : units;
}

std::uint32_t CfgLengthByteLength(std::uint8_t byte) {
    std::uint32_t units = (byte & 0x3Fu) + 1;
    return byte & kWordUnitBit ? units * 2 : units;
}

DecodedModuleConfig DecodeCfgIdentifiers(std::string_view configText) {
    DecodedModuleConfig decoded;
    ConfigItems items(configText);
    std::string_view item;
    int pending = 0; // length and vendor bytes still owed to the last identifier
    bool outputLengthDue = false;
    bool inputLengthDue = false;
    bool full = false;
    while (items.Next(item)) {
        auto byte = static_cast<std::uint8_t>(ValueNumber(item) & 0xFF);
        decoded.Bytes.push_back(byte);
        if (full) {
            ++decoded.IgnoredBytes;
            continue;
        }
        if (pending > 0) {
            CfgIdentifier& owner = decoded.Identifiers.back();
            --pending;
            ++owner.ByteCount;
            if (outputLengthDue) {
                outputLengthDue = false;
                owner.Out = PartOf(byte, CfgLengthByteLength(byte));
                ++owner.LengthBytes;
            } else if (inputLengthDue) {
                inputLengthDue = false;
                owner.In = PartOf(byte, CfgLengthByteLength(byte));
                ++owner.LengthBytes;
            }
            continue; // otherwise a vendor-specific byte
        }
        if (decoded.Identifiers.size() == kMaxCfgIdentifiers) {
            full = true;
            ++decoded.IgnoredBytes;
            continue;
        }
        CfgIdentifier& ident = decoded.Identifiers.emplace_back();
        ident.FirstByte = decoded.Bytes.size() - 1;
        if (!IsSpecialCfgIdentifier(byte)) {
            if (byte & kOutputBit)
                ident.Out = PartOf(byte, CfgIdentifierLength(byte));
            if (byte & kInputBit)
                ident.In = PartOf(byte, CfgIdentifierLength(byte));
            continue;
        }
        ident.Special = true;
        ident.VendorBytes = VendorByteCount(byte);
        pending = ident.VendorBytes;
        outputLengthDue = (byte & kOutputLengthFollows) != 0;
        inputLengthDue = (byte & kInputLengthFollows) != 0;
        pending += outputLengthDue + inputLengthDue;
    }
    if (pending > 0)
        decoded.Identifiers.back().MissingBytes = pending;
    return decoded;
}

std::optional<ModuleIoSums> SumModuleIoLengths(std::string_view configText) {
    ModuleIoSums sums;
    ConfigItems items(WithoutLeadingBlanks(configText));
    std::string_view item;
    int vendorBytes = 0;
    bool outputLengthDue = false;
    bool inputLengthDue = false;
    while (items.Next(item)) {
        std::uint8_t byte = 0;
        if (!CheckNumber(Trimmed(item), kUnsigned8, &byte))
            return std::nullopt;
        if (outputLengthDue) {
            sums.Output += CfgLengthByteLength(byte);
            outputLengthDue = false;
        } else if (inputLengthDue) {
            sums.Input += CfgLengthByteLength(byte);
            inputLengthDue = false;
        } else if (vendorBytes > 0) {
            --vendorBytes;
        } else {
            if (byte & kInputBit)
                sums.Input += CfgIdentifierLength(byte);
            if (byte & kOutputBit)
                sums.Output += CfgIdentifierLength(byte);
            if (IsSpecialCfgIdentifier(byte)) {
                outputLengthDue = (byte & kOutputLengthFollows) != 0;
                inputLengthDue = (byte & kInputLengthFollows) != 0;
                vendorBytes = VendorByteCount(byte);
            }
        }
    }
    return sums;
}

} // namespace kvf

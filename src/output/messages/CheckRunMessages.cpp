#include "output/MessageParts.h"

namespace kvf::messages {
namespace {

constexpr MessageDef kMessages[] = {
    {0, ""},
};

} // namespace

std::span<const MessageDef> CheckRunMessages() { return std::span(kMessages).subspan(1); }

} // namespace kvf::messages

#include "output/MessageParts.h"

namespace kvf::messages {
namespace {

constexpr MessageDef kMessages[] = {
    {65109, "Info"},
    {65110, "Warning"},
    {65111, "Fatal Error"},
    {65112, "Error"},
};

} // namespace

std::span<const MessageDef> InterfaceMessages() { return kMessages; }

} // namespace kvf::messages

#pragma once

#include "core/MessageTable.h"

#include <span>

namespace kvf::messages {

// The string table is kept in parts, one per subsystem; MessageTable joins them.
std::span<const MessageDef> ValueCheckMessages(); // dispatcher, value checks, user keys
std::span<const MessageDef> CheckRunMessages();   // document, reader and check run texts
std::span<const MessageDef> InterfaceMessages();  // output window, views, application
std::span<const MessageDef> SemanticMessages();   // the semantic checker
std::span<const MessageDef> CatalogueMessages();  // help texts and captions of the catalogue

} // namespace kvf::messages

#pragma once

// Named ids of the string table. Each text is declared once, in the .def files of
// core/messages/, by one of four lines:
//
//   KVF_MESSAGE(Name, Id, Text)  a text, named kvf::msg::Name
//   KVF_FINDING(Name, Id, Level, Text)
//                                a text the checks report as a finding, named kvf::msg::Name,
//                                with the level it is reported with (the highest, where a
//                                rule reports it at two levels)
//   KVF_CAPTION(Name, Id, Text)  a caption the catalogue loads into the input form, named
//                                kvf::caption::Name
//   KVF_KEYWORD_HELP(Id, Text)   the help text of a keyword; the catalogue rows name its id
//
// This header makes the names from them, core/MessageTable.cpp the table of texts and
// core/FindingMessages.cpp the list of findings with their levels. Code
// refers to the names, never to prose.

namespace kvf::msg {
#define KVF_MESSAGE(Name, Id, Text) inline constexpr int Name = Id;
#define KVF_FINDING(Name, Id, Level, Text) inline constexpr int Name = Id;
#define KVF_CAPTION(Name, Id, Text)
#define KVF_KEYWORD_HELP(Id, Text)
#include "core/messages/AllMessages.def"
#undef KVF_MESSAGE
#undef KVF_FINDING
#undef KVF_CAPTION
#undef KVF_KEYWORD_HELP
} // namespace kvf::msg

namespace kvf::caption {
#define KVF_MESSAGE(Name, Id, Text)
#define KVF_FINDING(Name, Id, Level, Text)
#define KVF_CAPTION(Name, Id, Text) inline constexpr int Name = Id;
#define KVF_KEYWORD_HELP(Id, Text)
#include "core/messages/AllMessages.def"
#undef KVF_MESSAGE
#undef KVF_FINDING
#undef KVF_CAPTION
#undef KVF_KEYWORD_HELP
} // namespace kvf::caption

#include "cli/MessageList.h"

#include "core/FindingMessages.h"
#include "core/Windows1252.h"
#include "output/OutputRows.h"

namespace kvf::cli {

void PrintMessageList(std::ostream& out) {
    for (const FindingMessage& message : FindingMessages()) {
        std::string text = Windows1252ToUtf8(message.Text);
        for (char& c : text)
            if (c == '\n' || c == '\t')
                c = ' '; // one message, one line
        out << message.Id << '\t' << LevelText(message.Level) << '\t' << text << '\n';
    }
}

} // namespace kvf::cli

#include "app/QtTextLines.h"

#include "views/UiText.h"

#include <QTextBlock>
#include <QTextDocument>

namespace kvf {

int QtTextLines::LineCount() const {
    return text_->blockCount();
}

std::string QtTextLines::Line(int index) const {
    if (index < 0 || index >= text_->blockCount())
        return {};
    return ToBytes(text_->findBlockByNumber(index).text());
}

} // namespace kvf

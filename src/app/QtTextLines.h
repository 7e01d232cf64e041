#pragma once

#include "core/TextLines.h"

class QTextDocument;

namespace kvf {

// The engine's view of the editor's text: line i is block i of the text document, as
// Windows-1252 bytes. The text in the editor stays the one master copy.
class QtTextLines : public TextLines {
  public:
    explicit QtTextLines(const QTextDocument& text) : text_(&text) {}

    int LineCount() const override;
    std::string Line(int index) const override;

  private:
    const QTextDocument* text_;
};

} // namespace kvf

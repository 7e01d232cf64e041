#include "views/EntryTextMatch.h"

#include <QString>
#include <QTextBlock>
#include <QTextDocument>

namespace kvf::views {
namespace {

// The part of a line the check reads.
constexpr int kCheckedLineLength = 255;

} // namespace

bool LineHoldsKey(const QTextDocument& text, int line, const QString& key) {
    QTextBlock block = text.findBlockByNumber(line);
    if (!block.isValid())
        return false;
    QString content = block.text().left(kCheckedLineLength).trimmed();
    if (content.startsWith(u';'))
        return false;
    return content.contains(key) || key == QStringLiteral("Module_Reference");
}

} // namespace kvf::views

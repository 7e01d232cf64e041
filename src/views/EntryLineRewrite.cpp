#include "views/EntryLineRewrite.h"

#include <QRegularExpression>

namespace kvf::views {
namespace {

QString WithoutTrailingSpace(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    text.truncate(end);
    return text;
}

// Column of the comment of each old line, or -1: the first ';' outside double quotes. A
// string continued over a line break stays open on the next line.
QList<int> CommentColumns(const QStringList& lines) {
    QList<int> columns;
    bool inString = false;
    for (const QString& line : lines) {
        int column = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == u'"')
                inString = !inString;
            else if (line[i] == u';' && !inString) {
                column = static_cast<int>(i);
                break;
            }
        }
        columns << column;
    }
    return columns;
}

// A line keeps its old comment at the comment's column; a line already reaching that column
// keeps one blank before it.
QString WithComment(const QString& content, const QString& comment, int column) {
    QString line = content;
    if (line.size() < column)
        line += QString(column - line.size(), u' ');
    else if (!line.isEmpty())
        line += u' ';
    return line + comment;
}

} // namespace

std::optional<RewrittenEntry> RewriteEntryLines(const QStringList& oldLines, const QString& key,
                                                const QString& value, bool moduleReference) {
    for (const QString& line : oldLines) {
        if (line.size() > kMaxRewriteLineLength)
            return std::nullopt;
    }

    QString text = key + value;
    if (moduleReference) {
        const qsizetype equals = text.indexOf(u'=');
        if (equals >= 0)
            text = text.mid(equals + 1);
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList newLines = text.split(lineBreak);
    const QList<int> commentColumns = CommentColumns(oldLines);

    RewrittenEntry result;
    const qsizetype count = std::max(newLines.size(), oldLines.size());
    const qsizetype last = newLines.size() - 1;
    bool lastContinues = false;
    for (qsizetype i = 0; i < count; ++i) {
        const bool hasComment = i < oldLines.size() && commentColumns[i] >= 0;
        if (i > last && !hasComment)
            continue; // the value got shorter: its surplus lines go
        QString content;
        if (i <= last) {
            content = WithoutTrailingSpace(newLines[i]);
            if (i < last)
                content += u'\\';
            else
                lastContinues = content.endsWith(u'\\');
        }
        if (hasComment) {
            const int column = commentColumns[i];
            content = WithComment(content, oldLines[i].mid(column), column);
        }
        result.Lines << WithoutTrailingSpace(content);
        if (i == last) {
            result.LastLineOffset = static_cast<int>(result.Lines.size()) - 1;
            // A value that itself ends in a backslash would continue into the line below.
            if (lastContinues) {
                result.Lines << QString();
                ++result.LastLineOffset;
            }
        }
    }
    return result;
}

} // namespace kvf::views

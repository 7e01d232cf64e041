#include "language/Outline.h"

#include "language/LineLayout.h"
#include "language/SnapshotDatabase.h"

#include <algorithm>
#include <unordered_map>

namespace kvf::language {
namespace {

int LineEnd(const BufferTextLines& lines, int line) {
    return line < lines.LineCount() ? LayOut(lines.View(line)).ContentEnd : 0;
}

OutlineSymbol SymbolOf(const CDbEntry& entry, const BufferTextLines& lines) {
    OutlineSymbol symbol;
    symbol.IsBlock = entry.ModuleFlag == TYPE_MODULE_BEGIN;
    std::string key(entry.Key);
    std::string first(entry.m_Ready[0]);
    // A module is known by its name; other blocks and entries by their keyword.
    if (symbol.IsBlock && key.size() == 6 && (key[0] == 'M' || key[0] == 'm') && !first.empty())
        symbol.Name = key + " \"" + first + '"';
    else
        symbol.Name = key;
    symbol.Detail = std::string(entry.Value);
    for (char& c : symbol.Detail)
        if (c == kValueMark)
            c = ' ';
    while (!symbol.Detail.empty() && symbol.Detail.back() == ' ')
        symbol.Detail.pop_back();
    while (!symbol.Detail.empty() && symbol.Detail.front() == ' ')
        symbol.Detail.erase(0, 1);
    int line = entry.LongLine;
    LineLayout layout = line < lines.LineCount() ? LayOut(lines.View(line)) : LineLayout{};
    symbol.KeyRange = {{line, layout.KeyBegin}, {line, layout.KeyEnd}};
    symbol.Range = {{line, 0}, {entry.Line, LineEnd(lines, entry.Line)}};
    return symbol;
}

} // namespace

Outline BuildOutline(const Snapshot& snapshot, const CheckSettings& settings) {
    SnapshotDatabase read(snapshot, settings);
    return BuildOutline(read);
}

Outline BuildOutline(const SnapshotDatabase& read) {
    const BufferTextLines& lines = read.Lines();
    const CKeyDatabase& database = read.Database();

    // Each entry's parent by index. Blocks nest as deep as a file opens them; deeper than
    // kMaxDepth, entries are hung under the block at that depth, so no client (nor the JSON
    // writer) walks an outline of unbounded depth.
    constexpr int kMaxDepth = 32;
    const std::size_t count = database.Count();
    std::vector<long> parent(count, -1);
    std::vector<int> depth(count, 0);
    std::unordered_map<const CDbEntry*, long> index;
    std::vector<OutlineSymbol> built;
    built.reserve(count);
    std::size_t n = 0;
    for (const CDbEntry& entry : database) {
        if (entry.hParent) {
            if (auto it = index.find(entry.hParent); it != index.end()) {
                long p = it->second;
                if (depth[p] >= kMaxDepth)
                    p = parent[p];
                parent[n] = p;
                depth[n] = depth[p] + 1;
            }
        }
        if (entry.ModuleFlag == TYPE_MODULE_BEGIN)
            index[&entry] = static_cast<long>(n);
        built.push_back(SymbolOf(entry, lines));
        ++n;
    }

    // From the last entry to the first: a symbol's children are complete when it is reached
    // (they follow it), so it takes in their ends and moves under its own parent.
    Outline outline;
    for (std::size_t i = count; i-- > 0;) {
        OutlineSymbol& symbol = built[i];
        std::reverse(symbol.Children.begin(), symbol.Children.end());
        for (const OutlineSymbol& child : symbol.Children) {
            const TextPosition& end = child.Range.End;
            if (end.Line > symbol.Range.End.Line ||
                (end.Line == symbol.Range.End.Line && end.Column > symbol.Range.End.Column))
                symbol.Range.End = end;
        }
        if (symbol.IsBlock && symbol.Range.End.Line > symbol.Range.Start.Line)
            outline.Folds.push_back({symbol.Range.Start.Line, symbol.Range.End.Line});
        if (parent[i] >= 0)
            built[static_cast<std::size_t>(parent[i])].Children.push_back(std::move(symbol));
        else
            outline.Symbols.push_back(std::move(symbol));
    }
    std::reverse(outline.Symbols.begin(), outline.Symbols.end());
    std::sort(
        outline.Folds.begin(), outline.Folds.end(),
        [](const FoldingRange& a, const FoldingRange& b) { return a.StartLine < b.StartLine; });
    return outline;
}

} // namespace kvf::language

// Writes the glossary help pages from the keyword catalogue: one page per glossary page the
// catalogue names, with one anchor per keyword topic and the keyword's help text under it,
// plus the keyword overview. Run at build time, so the pages always match the catalogue.
//
//   MakeGlossaryPages OUTPUT_FOLDER PAGE...
//
// The PAGE arguments are the pages the build expects; a catalogue that names another page
// (or misses one) fails the build instead of shipping a page nobody packs.

#include "catalogue/KeywordCatalogue.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/Windows1252.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using kvf::CatalogueKeyword;

constexpr std::string_view kOverviewPage = "glossary_keywords.htm";

// Titles of the pages no tree group names.
const std::map<std::string, std::string, std::less<>> kExtraTitles = {
    {"glossary_keys_slave_dxb.htm", "Slave Keys: Data Exchange between Slaves"},
    {"glossary_keys_slave_isom.htm", "Slave Keys: Isochronous Mode"},
    {"glossary_keys_slave_safe.htm", "Slave Keys: Fail-Safe Parameters"},
    {"glossary_keys_slave_xprm.htm", "Slave Keys: Extended Parameter Access"},
    {"glossary_keys_slave_subsys.htm", "Slave Keys: Subsystems"},
    {"glossary_keys_master_dpv2.htm", "Master DP-Extension: Isochronous Mode and Data Exchange"},
};

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A string-table text as HTML paragraphs; the leading "Help:" line is the input view's
// caption, not part of the text.
std::string HelpParagraphs(int helpId) {
    std::istringstream lines(kvf::Windows1252ToUtf8(kvf::MessageText(helpId)));
    std::string html;
    std::string line;
    bool first = true;
    while (std::getline(lines, line)) {
        if (first && line == "Help:") {
            first = false;
            continue;
        }
        first = false;
        if (!line.empty())
            html += "<p>" + Escape(line) + "</p>\n";
    }
    return html;
}

struct Section {
    std::string Anchor;
    std::vector<const CatalogueKeyword*> Keywords;
};

struct Page {
    std::string Title;
    std::vector<Section> Sections;
};

std::string Head(const std::string& title) {
    return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + Escape(title) +
           "</title>\n<link rel=\"stylesheet\" href=\"help.css\">\n</head>\n<body>\n<h1>" +
           Escape(title) + "</h1>\n";
}

const std::string kFoot = "<p class=\"nav\"><a href=\"glossary_keywords.htm\">All keywords</a> | "
                          "<a href=\"default.htm\">Contents</a></p>\n</body>\n</html>\n";

std::string KeywordPage(const Page& page) {
    std::string html = Head(page.Title);
    html += "<p>The keywords of this group, each with what its value means and its type.</p>\n";
    for (const Section& section : page.Sections) {
        std::string names;
        for (const CatalogueKeyword* keyword : section.Keywords)
            names += (names.empty() ? "" : ", ") + Escape(keyword->Name);
        html += "<h2><a name=\"" + Escape(section.Anchor) + "\"></a>" + names + "</h2>\n";
        std::set<int> shown;
        for (const CatalogueKeyword* keyword : section.Keywords) {
            if (shown.insert(keyword->HelpId).second)
                html += HelpParagraphs(keyword->HelpId);
        }
    }
    return html + kFoot;
}

std::string OverviewPage(const std::map<std::string, Page>& pages,
                         const std::vector<std::pair<std::string, std::string>>& index) {
    std::string html = Head("Keywords of a KVF file");
    html += "<p>A KVF file states, line by line as <code>Keyword = Value</code>, what a device "
            "supports. The editor files each keyword under a group of the keyword tree; the "
            "pages below describe the keywords of each group.</p>\n<ul>\n";
    for (const auto& [name, page] : pages) {
        if (name != kOverviewPage)
            html += "<li><a href=\"" + Escape(name) + "\">" + Escape(page.Title) + "</a></li>\n";
    }
    html += "</ul>\n<h2><a name=\"User_defined_Keys\"></a>User-defined Keys</h2>\n";
    html += HelpParagraphs(kvf::msg::UserKeyHelp);
    html += "<p>A key the catalogue does not know can be registered with a data type, a tree "
            "group and a range from the keyword tree's context menu; it is then classified and "
            "checked accordingly.</p>\n<h2>All keywords</h2>\n<p>\n";
    for (const auto& [name, topic] : index)
        html += "<a href=\"" + Escape(topic) + "\">" + Escape(name) + "</a><br>\n";
    return html + "</p>\n" + kFoot;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: MakeGlossaryPages OUTPUT_FOLDER PAGE...\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::set<std::string> expected(argv + 2, argv + argc);

    const kvf::KeywordCatalogue& catalogue = kvf::KeywordCatalogue::Instance();
    std::map<std::string, Page> pages;
    for (const kvf::GroupName& group : catalogue.GroupNames()) {
        Page& page = pages[std::string(group.Page)];
        if (page.Title.empty())
            page.Title = std::string(group.Name);
    }
    pages[std::string(kOverviewPage)].Title = "Keywords of a KVF file";

    std::vector<std::pair<std::string, std::string>> index;
    for (const kvf::CatalogueRow& row : catalogue.Rows()) {
        for (const CatalogueKeyword& keyword : row.Keywords) {
            const std::string topic(keyword.Topic);
            const std::string pageName = topic.substr(0, topic.find('#'));
            const std::string anchor =
                topic.find('#') == std::string::npos ? "" : topic.substr(topic.find('#') + 1);
            Page& page = pages[pageName];
            if (page.Title.empty()) {
                const auto title = kExtraTitles.find(pageName);
                page.Title = title != kExtraTitles.end() ? title->second : pageName;
            }
            const std::string sectionAnchor = anchor.empty() ? std::string(keyword.Name) : anchor;
            auto section =
                std::find_if(page.Sections.begin(), page.Sections.end(),
                             [&](const Section& s) { return s.Anchor == sectionAnchor; });
            if (section == page.Sections.end())
                page.Sections.push_back({sectionAnchor, {&keyword}});
            else
                section->Keywords.push_back(&keyword);
            index.emplace_back(std::string(keyword.Name), pageName + "#" + sectionAnchor);
        }
    }
    std::sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
        std::string x = a.first, y = b.first;
        std::transform(x.begin(), x.end(), x.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        std::transform(y.begin(), y.end(), y.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return x < y;
    });

    std::set<std::string> produced;
    for (const auto& [name, page] : pages)
        produced.insert(name);
    if (produced != expected) {
        std::cerr << "MakeGlossaryPages: the catalogue's glossary pages differ from the build's "
                     "list.\n  catalogue:";
        for (const std::string& name : produced)
            std::cerr << ' ' << name;
        std::cerr << "\n  build:";
        for (const std::string& name : expected)
            std::cerr << ' ' << name;
        std::cerr << '\n';
        return 1;
    }

    for (const auto& [name, page] : pages) {
        std::ofstream out(folder + "/" + name, std::ios::binary);
        out << (name == kOverviewPage ? OverviewPage(pages, index) : KeywordPage(page));
        if (!out) {
            std::cerr << "MakeGlossaryPages: cannot write " << folder << '/' << name << '\n';
            return 1;
        }
    }
    return 0;
}

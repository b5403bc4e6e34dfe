#pragma once

// The poppler command-line tools, to look into PDF files the way a reader
// does: the text a viewer would let you select, the document information
// and a rendered page.

#include <algorithm>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace zephra::test {

// Standard output of a shell command ("" when it cannot be started).
inline std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            out.append(buffer, n);
        }
        ::pclose(pipe);
    }
    return out;
}

inline std::string Quoted(const std::string& path) {
    std::string quoted = "'";
    for (const char c : path) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// The text of every page in reading order, laid out as on the page.
inline std::string PdfText(const std::string& pdf) {
    return CommandOutput("pdftotext -layout -enc UTF-8 " + Quoted(pdf) + " - 2>/dev/null");
}

// The document information (pdfinfo), and with `meta` the XMP metadata.
inline std::string PdfInfo(const std::string& pdf, bool meta = false) {
    return CommandOutput(std::string("pdfinfo ") + (meta ? "-meta " : "") + Quoted(pdf) +
                         " 2>/dev/null");
}

// Renders page `page` at `dpi` to "<prefix>.png"; returns that path.
inline std::string RenderPdfPage(const std::string& pdf, int page, int dpi,
                                 const std::string& prefix) {
    CommandOutput("pdftoppm -png -singlefile -f " + std::to_string(page) + " -l " +
                  std::to_string(page) + " -r " + std::to_string(dpi) + " " + Quoted(pdf) + " " +
                  Quoted(prefix) + " 2>/dev/null");
    return prefix + ".png";
}

// A word as pdftotext places it: its box in points from the page's top left
// corner. The box is as tall as the font's ascent and descent, a little
// more than the font size.
struct PdfWord {
    double XMin = 0, YMin = 0, XMax = 0, YMax = 0;
    std::string Text;
};

struct PdfPage {
    double Width = 0;
    double Height = 0;
    std::vector<PdfWord> Words;
};

// Every page with its words (pdftotext -bbox).
inline std::vector<PdfPage> PdfWords(const std::string& pdf) {
    const std::string html =
        CommandOutput("pdftotext -bbox -enc UTF-8 " + Quoted(pdf) + " - 2>/dev/null");
    const std::regex tag("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"|"
                         "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" "
                         "yMax=\"([-0-9.]+)\">([^<]*)</word>");
    std::vector<PdfPage> pages;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            pages.push_back({std::stod(m[1]), std::stod(m[2]), {}});
        } else if (!pages.empty()) {
            pages.back().Words.push_back(
                {std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), std::stod(m[6]), m[7]});
        }
    }
    return pages;
}

// What is wrong with the layout of a page: words set smaller than
// `minPoints` (a box less than 1.1 times that tall), reaching into the
// margin of `margin` points, or overlapping another word (by more than a
// tenth of a point, as lines set at their font's own spacing touch).
inline std::vector<std::string> PdfLayoutFaults(const PdfPage& page, double margin,
                                                double minPoints) {
    constexpr double Slack = 0.1;
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < page.Words.size(); ++i) {
        const PdfWord& w = page.Words[i];
        if (w.YMax - w.YMin < 1.1 * minPoints) {
            faults.push_back("small: " + w.Text);
        }
        if (w.XMin < margin - Slack || w.YMin < margin - Slack ||
            w.XMax > page.Width - margin + Slack || w.YMax > page.Height - margin + Slack) {
            faults.push_back("in the margin: " + w.Text);
        }
        for (std::size_t j = 0; j < i; ++j) {
            const PdfWord& o = page.Words[j];
            const double across = std::min(w.XMax, o.XMax) - std::max(w.XMin, o.XMin);
            const double down = std::min(w.YMax, o.YMax) - std::max(w.YMin, o.YMin);
            if (across > Slack && down > Slack) {
                faults.push_back("overlap: " + w.Text + " / " + o.Text);
            }
        }
    }
    return faults;
}

} // namespace zephra::test

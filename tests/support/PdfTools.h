#pragma once

// The poppler command-line tools, to look into PDF files the way a reader
// does: the text a viewer would let you select, the document information
// and a rendered page.

#include <cstdio>
#include <string>

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

} // namespace zephra::test

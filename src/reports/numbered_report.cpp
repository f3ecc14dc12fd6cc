#include "reports/numbered_report.h"

#include "model/list_row.h"
#include "model/text_lines.h"

namespace orv {
namespace {

constexpr std::size_t kFileFooterIndent = 24;
constexpr std::size_t kPrintFooterIndent = 21;
constexpr std::string_view kPrintRowIndent = "    ";

// The heading lines, then one line per row: indent, number piece, a blank, the row.
std::vector<std::string> headedRows(const ReportHeadings& headings,
                                    const std::vector<std::string>& rows,
                                    std::string_view rowIndent) {
    std::vector<std::string> lines;
    lines.reserve(rows.size() + 8);
    lines.insert(lines.end(), {headings.heading, "", headings.columnHeader, ""});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string line(rowIndent);
        line += rowNumberPiece(i + 1);
        line += ' ';
        line += rows[i];
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string footer(std::size_t indent) {
    return std::string(indent, ' ') + std::string(kReportFooterNotice);
}

}  // namespace

std::string reportFile(std::vector<std::string> lines) {
    lines.insert(lines.end(), {"", footer(kFileFooterIndent)});
    return joinLines(lines);
}

std::vector<std::string> reportPrintout(std::vector<std::string> lines) {
    lines.insert(lines.end(), {"", "", footer(kPrintFooterIndent)});
    return lines;
}

std::string numberedReportFile(const ReportHeadings& headings,
                               const std::vector<std::string>& rows) {
    return reportFile(headedRows(headings, rows, ""));
}

std::vector<std::string> numberedPrintout(const ReportHeadings& headings,
                                          const std::vector<std::string>& rows) {
    return reportPrintout(headedRows(headings, rows, kPrintRowIndent));
}

}  // namespace orv

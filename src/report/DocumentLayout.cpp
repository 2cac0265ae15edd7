#include "report/DocumentLayout.h"

namespace {

constexpr double kMargin = 54;       // three quarters of an inch
constexpr double kHeadGap = 30;      // from the running head's rule to the first line
constexpr double kAmountWidth = 90;  // the amount column, room for "99999999.99" in bold
constexpr double kIndent = 16;
constexpr double kHeadSize = 8;

double SizeOf(CRowStyle style) {
    switch (style) {
        case CRowStyle::Title:
            return 16;
        case CRowStyle::Heading:
            return 12;
        case CRowStyle::Small:
            return 9;
        default:
            return 10;
    }
}

CFontRole RoleOf(CRowStyle style) {
    switch (style) {
        case CRowStyle::Title:
        case CRowStyle::Heading:
        case CRowStyle::Strong:
        case CRowStyle::Subtotal:
        case CRowStyle::Total:
            return CFontRole::Bold;
        default:
            return CFontRole::Regular;
    }
}

// The words of `text` in lines no wider than `width`; a word wider than that is cut where it
// must be.
std::vector<std::string> Wrap(const std::string& text, CFontRole role, double size, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find(' ', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string word = text.substr(pos, end - pos);
        pos = end + 1;
        std::string candidate = line.empty() ? word : line + ' ' + word;
        if (TextWidth(candidate, role, size) <= width || candidate.empty()) {
            line = std::move(candidate);
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
        while (word.size() > 1 && TextWidth(word, role, size) > width) {
            std::size_t cut = word.size() - 1;
            while (cut > 1 &&
                   TextWidth(std::string_view(word).substr(0, cut), role, size) > width) {
                --cut;
            }
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        line = std::move(word);
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

double CDocumentLayout::PaperWidth(CPaper paper) {
    return paper == CPaper::Letter ? 612 : 595.28;
}

double CDocumentLayout::PaperHeight(CPaper paper) {
    return paper == CPaper::Letter ? 792 : 841.89;
}

CDocumentLayout::CDocumentLayout(CPaper paper, std::string title, std::string runningHead)
    : runningHead_(std::move(runningHead)) {
    document_.width = PaperWidth(paper);
    document_.height = PaperHeight(paper);
    document_.title = std::move(title);
    left_ = kMargin;
    right_ = document_.width - kMargin;
    top_ = kMargin + kHeadGap;
    bottom_ = document_.height - kMargin;
    textRight_ = right_ - kAmountWidth - 12;
}

std::vector<CDocumentLayout::CLine> CDocumentLayout::LinesOf(const CDocumentRow& row) const {
    const double size = SizeOf(row.style);
    const double height = size * 1.35;
    if (row.style == CRowStyle::Blank) {
        return {{row, false, height * 0.8}};
    }
    const double x = left_ + (row.indented ? kIndent : 0);
    const double limit = row.amount.empty() ? right_ : textRight_;
    std::vector<CLine> lines;
    for (std::string& text : Wrap(row.text, RoleOf(row.style), size, limit - x)) {
        CLine line{row, false, height};
        line.row.text = std::move(text);
        if (!lines.empty()) {
            line.row.amount.clear();
        }
        lines.push_back(std::move(line));
    }
    const bool ruled = row.style == CRowStyle::Subtotal || row.style == CRowStyle::Total;
    lines.front().ruleAbove = ruled;
    if (ruled) {
        lines.front().height += 3;
    }
    if (row.style == CRowStyle::Heading || row.style == CRowStyle::Title) {
        lines.back().height += 2;
    }
    return lines;
}

bool CDocumentLayout::PageIsEmpty() const {
    return document_.pages.empty() || document_.pages.back().texts.empty();
}

void CDocumentLayout::NewPage() {
    if (!PageIsEmpty()) {
        document_.pages.emplace_back();
        y_ = top_;
    }
}

void CDocumentLayout::AddBlock(const std::vector<CDocumentRow>& rows, bool keepTogether) {
    if (document_.pages.empty()) {
        document_.pages.emplace_back();
        y_ = top_;
    }
    std::vector<CLine> lines;
    for (const CDocumentRow& row : rows) {
        for (CLine& line : LinesOf(row)) {
            lines.push_back(std::move(line));
        }
    }
    if (keepTogether) {
        double height = 0;
        for (const CLine& line : lines) {
            height += line.height;
        }
        if (y_ + height > bottom_ && top_ + height <= bottom_) {
            NewPage();
        }
    }
    for (const CLine& line : lines) {
        Place(line);
    }
}

void CDocumentLayout::Place(const CLine& line) {
    if (line.row.style == CRowStyle::Blank) {
        if (!PageIsEmpty()) {
            y_ += line.height;
        }
        return;
    }
    if (y_ + line.height > bottom_ && !PageIsEmpty()) {
        document_.pages.emplace_back();
        y_ = top_;
    }
    CPage& page = document_.pages.back();
    const double size = SizeOf(line.row.style);
    const CFontRole role = RoleOf(line.row.style);
    if (line.ruleAbove) {
        const double ruleY = y_ + 1;
        const double from = line.row.style == CRowStyle::Total ? left_ : right_ - kAmountWidth;
        page.rules.push_back(
            {from, ruleY, right_, ruleY, line.row.style == CRowStyle::Total ? 1.0 : 0.5});
        y_ += 3;
    }
    const double baseline = y_ + size;
    const double x = left_ + (line.row.indented ? kIndent : 0);
    page.texts.push_back({x, baseline, size, role, CTextAlign::Left, line.row.text});
    if (!line.row.amount.empty()) {
        page.texts.push_back({right_, baseline, size, role, CTextAlign::Right, line.row.amount});
    }
    y_ += line.height - (line.ruleAbove ? 3 : 0);
}

CPageDocument CDocumentLayout::Finish() {
    if (document_.pages.empty()) {
        document_.pages.emplace_back();
    }
    const std::size_t count = document_.pages.size();
    for (std::size_t k = 0; k < count; ++k) {
        CPage& page = document_.pages[k];
        const double baseline = kMargin;
        const std::string number = "Page " + std::to_string(k + 1) + " of " + std::to_string(count);
        const double numberWidth = TextWidth(number, CFontRole::Regular, kHeadSize);
        std::string head = runningHead_;
        // The head gives way to the page number rather than run into it.
        while (!head.empty() &&
               TextWidth(head, CFontRole::Regular, kHeadSize) > right_ - left_ - numberWidth - 12) {
            head.pop_back();
        }
        page.texts.push_back(
            {left_, baseline, kHeadSize, CFontRole::Regular, CTextAlign::Left, head});
        page.texts.push_back(
            {right_, baseline, kHeadSize, CFontRole::Regular, CTextAlign::Right, number});
        page.rules.push_back({left_, baseline + 4, right_, baseline + 4, 0.5});
    }
    return std::move(document_);
}

#pragma once
// Lays out the rows of a report or a statement on pages: text on the left, wrapped to its
// column, an amount right-aligned in the one column at the right margin, and a running head with
// "Page N of M" on every page. A block is kept on one page where it fits on one.
#include <string>
#include <vector>

#include "report/PaperSize.h"
#include "util/PageDocument.h"

enum class CRowStyle {
    Plain,
    Blank,     // a line's height of space; none at the top of a page
    Title,     // large and bold: the heading's first line
    Small,     // the sender's address and the like
    Heading,   // a section's name, bold
    Strong,    // bold: a couple, a column's head
    Subtotal,  // bold, a rule over the amount column
    Total,     // bold, a rule over the whole width
};

struct CDocumentRow {
    CDocumentRow(CRowStyle style, std::string text = {}, std::string amount = {},
                 bool indented = false)
        : style(style), text(std::move(text)), amount(std::move(amount)), indented(indented) {}
    CRowStyle style = CRowStyle::Plain;
    std::string text;    // Windows-1252
    std::string amount;  // empty: none
    bool indented = false;
};

class CDocumentLayout {
public:
    // `runningHead` stands at the top of every page, "Page N of M" at its right.
    CDocumentLayout(CPaper paper, std::string title, std::string runningHead);

    // The rows go on the current page, and over further pages when they do not fit; a block
    // that would be split but fits on an empty page begins on a new one instead.
    void AddBlock(const std::vector<CDocumentRow>& rows, bool keepTogether);
    void AddRow(const CDocumentRow& row) { AddBlock({row}, false); }
    // The next rows begin on a page of their own (nothing when the current page is empty).
    void NewPage();

    // The pages, each with its running head.
    CPageDocument Finish();

    // The page's size in points.
    static double PaperWidth(CPaper paper);
    static double PaperHeight(CPaper paper);

private:
    struct CLine {
        CDocumentRow row;  // the text of one wrapped line; the amount on the first
        bool ruleAbove = false;
        double height = 0;
    };
    std::vector<CLine> LinesOf(const CDocumentRow& row) const;
    void Place(const CLine& line);
    bool PageIsEmpty() const;

    CPageDocument document_;
    std::string runningHead_;
    double left_, right_, top_, bottom_;
    double textRight_;  // where the text column ends when a row has an amount
    double y_ = 0;      // the next line's top
};

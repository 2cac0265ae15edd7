#include "util/PdfWriter.h"

#include <vector>

namespace {

// Points with two decimals, "." whatever the locale: enough for print, short in the file.
std::string Number(double value) {
    const long hundredths = static_cast<long>(value * 100.0 + (value < 0 ? -0.5 : 0.5));
    const long whole = hundredths / 100;
    const long part = (hundredths < 0 ? -hundredths : hundredths) % 100;
    std::string text;
    if (hundredths < 0 && whole == 0) {
        text.push_back('-');
    }
    text += std::to_string(whole);
    if (part != 0) {
        text += '.';
        text += static_cast<char>('0' + part / 10);
        if (part % 10 != 0) {
            text += static_cast<char>('0' + part % 10);
        }
    }
    return text;
}

// A PDF string: the brackets and the backslash escaped, the bytes outside ASCII as octal, so
// that the file stays plain text whatever the names hold.
void AppendPdfString(std::string& out, std::string_view text) {
    out += '(';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            out += '\\';
            out += static_cast<char>('0' + (byte >> 6));
            out += static_cast<char>('0' + ((byte >> 3) & 7));
            out += static_cast<char>('0' + (byte & 7));
        } else {
            out += c;
        }
    }
    out += ')';
}

std::string PageContents(const CPage& page, double height) {
    std::string out;
    for (const CPageRule& rule : page.rules) {
        out += Number(rule.width) + " w " + Number(rule.x1) + ' ' + Number(height - rule.y1) +
               " m " + Number(rule.x2) + ' ' + Number(height - rule.y2) + " l S\n";
    }
    for (const CPageText& text : page.texts) {
        const double x = text.align == CTextAlign::Right
                             ? text.x - TextWidth(text.text, text.role, text.size)
                             : text.x;
        out += "BT /F";
        out += text.role == CFontRole::Bold ? '2' : '1';
        out +=
            ' ' + Number(text.size) + " Tf " + Number(x) + ' ' + Number(height - text.y) + " Td ";
        AppendPdfString(out, text.text);
        out += " Tj ET\n";
    }
    return out;
}

class CPdfObjects {
public:
    explicit CPdfObjects(std::string& out) : out_(out) {}
    // Objects are numbered from 1 in the order they are written.
    void Add(std::string_view body) {
        offsets_.push_back(out_.size());
        out_ += std::to_string(offsets_.size()) + " 0 obj\n";
        out_ += body;
        out_ += "\nendobj\n";
    }
    void Finish(int root, int info) {
        const std::size_t xref = out_.size();
        out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (const std::size_t offset : offsets_) {
            // Ten digits, zeros in front, as the cross-reference table's fixed lines want.
            std::string digits = std::to_string(offset);
            out_.append(digits.size() < 10 ? 10 - digits.size() : 0, '0');
            out_ += digits;
            out_ += " 00000 n \n";
        }
        out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
                std::to_string(root) + " 0 R /Info " + std::to_string(info) +
                " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    }

private:
    std::string& out_;
    std::vector<std::size_t> offsets_;
};

}  // namespace

std::string PdfBytes(const CPageDocument& document) {
    // 1 catalog, 2 page tree, 3 and 4 the fonts, 5 the information; then each page and its
    // contents.
    std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    CPdfObjects objects(out);
    const std::size_t pageCount = document.pages.empty() ? 1 : document.pages.size();
    objects.Add("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (std::size_t k = 0; k < pageCount; ++k) {
        kids += std::to_string(6 + 2 * k) + " 0 R ";
    }
    objects.Add("<< /Type /Pages /Count " + std::to_string(pageCount) + " /Kids [ " + kids +
                "] >>");
    objects.Add(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    objects.Add(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
    std::string info = "<< /Producer (Tavorin) /Creator (Tavorin) /Title ";
    AppendPdfString(info, document.title);
    info += " >>";
    objects.Add(info);
    const CPage blank;
    for (std::size_t k = 0; k < pageCount; ++k) {
        const CPage& page = document.pages.empty() ? blank : document.pages[k];
        objects.Add("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(document.width) + ' ' +
                    Number(document.height) +
                    "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                    std::to_string(7 + 2 * k) + " 0 R >>");
        const std::string contents = PageContents(page, document.height);
        objects.Add("<< /Length " + std::to_string(contents.size()) + " >>\nstream\n" + contents +
                    "endstream");
    }
    objects.Finish(1, 5);
    return out;
}

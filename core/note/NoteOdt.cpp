// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/note/NoteOdt.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/note/ZipArchive.h"
#include "core/reports/HtmlReport.h"

namespace fundis {

namespace {

const char* const kNamespaces = R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
                                R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
                                R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
                                R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
                                R"( xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0")"
                                R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
                                R"( xmlns:xlink="http://www.w3.org/1999/xlink")"
                                R"( xmlns:dc="http://purl.org/dc/elements/1.1/")"
                                R"( xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0")"
                                R"( xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")"
                                R"( office:version="1.3")";

const char* const kXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const char* const kSchemeFile = "Pictures/scheme.svg";

// The page: A4, margins of ГОСТ 7.32 (30 mm left, 15 mm right, 20 mm top and bottom), so the text is
// 165 mm wide.
constexpr double kTextWidth = kNoteTextWidth / 10;  // cm

std::string x(const std::string& text) { return escapedHtml(text, true); }

std::string centimetres(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3fcm", value);
    return buffer;
}

// A paragraph style.
std::string paragraphStyle(const std::string& name, const std::string& display, const std::string& parent,
                           const std::string& paragraph, const std::string& textProperties,
                           const std::string& extra = {}) {
    std::string out = R"(<style:style style:name=")" + name + R"(")";
    if (!display.empty()) {
        out += R"( style:display-name=")" + display + R"(")";
    }
    out += R"( style:family="paragraph")";
    if (!parent.empty()) {
        out += R"( style:parent-style-name=")" + parent + R"(")";
    }
    out += extra + ">";
    if (!paragraph.empty()) {
        out += "<style:paragraph-properties " + paragraph + "/>";
    }
    if (!textProperties.empty()) {
        out += "<style:text-properties " + textProperties + "/>";
    }
    return out + "</style:style>\n";
}

std::string rightTab(double position, bool dots) {
    return R"(<style:tab-stops><style:tab-stop style:position=")" + centimetres(position) +
           R"(" style:type="right")" + (dots ? R"( style:leader-style="dotted" style:leader-text=".")" : "") +
           "/></style:tab-stops>";
}

std::string stylesXml() {
    std::string out = kXml;
    out += "<office:document-styles";
    out += kNamespaces;
    out +=
        ">\n<office:font-face-decls>"
        R"(<style:font-face style:name="Liberation Serif" svg:font-family="'Liberation Serif'" )"
        R"(style:font-family-generic="roman" style:font-pitch="variable"/>)"
        R"(<style:font-face style:name="Liberation Sans" svg:font-family="'Liberation Sans'" )"
        R"(style:font-family-generic="swiss" style:font-pitch="variable"/>)"
        "</office:font-face-decls>\n<office:styles>\n";
    // Russian everywhere: the spelling and, where the office program has the dictionary, hyphenation
    out += R"(<style:default-style style:family="paragraph"><style:paragraph-properties )"
           R"(style:writing-mode="page"/><style:text-properties style:font-name="Liberation Serif" )"
           R"(fo:font-size="12pt" fo:language="ru" fo:country="RU" fo:hyphenate="false"/>)"
           "</style:default-style>\n";
    out += paragraphStyle("Standard", "", "", "", "", R"( style:class="text")");
    out += paragraphStyle("Text_20_body", "Text body", "Standard",
                          R"(fo:margin-top="0cm" fo:margin-bottom="0.15cm" fo:text-align="justify" )"
                          R"(fo:text-indent="1.25cm")",
                          R"(fo:hyphenate="true" fo:hyphenation-remain-char-count="2" )"
                          R"(fo:hyphenation-push-char-count="2")",
                          R"( style:class="text")");
    out += paragraphStyle("Heading", "", "Standard",
                          R"(fo:margin-top="0.5cm" fo:margin-bottom="0.25cm" fo:keep-with-next="always")",
                          R"(fo:font-weight="bold")",
                          R"( style:next-style-name="Text_20_body" style:class="text")");
    out += paragraphStyle("Heading_20_1", "Heading 1", "Heading", "",
                          R"(fo:font-size="14pt" fo:font-weight="bold")",
                          R"( style:next-style-name="Text_20_body" style:default-outline-level="1" )"
                          R"(style:class="text")");
    out += paragraphStyle("Heading_20_2", "Heading 2", "Heading", R"(fo:margin-top="0.35cm")",
                          R"(fo:font-size="12pt" fo:font-weight="bold")",
                          R"( style:next-style-name="Text_20_body" style:default-outline-level="2" )"
                          R"(style:class="text")");
    out += paragraphStyle("Title", "", "Standard", R"(fo:text-align="center" fo:margin-top="6cm")",
                          R"(fo:font-size="18pt" fo:font-weight="bold")", R"( style:class="chapter")");
    out += paragraphStyle("Subtitle", "", "Standard", R"(fo:text-align="center" fo:margin-top="0.4cm")",
                          R"(fo:font-size="14pt")", R"( style:class="chapter")");
    out += paragraphStyle("Field", "", "Standard", R"(fo:margin-left="8cm" fo:margin-top="0.5cm")", "",
                          R"( style:class="text")");
    out += R"(<style:style style:name="Formula" style:family="paragraph" style:parent-style-name="Standard" )"
           R"(style:class="text"><style:paragraph-properties fo:margin-left="1cm" fo:margin-top="0.05cm" )"
           R"(fo:margin-bottom="0.1cm" fo:text-align="start">)" +
           rightTab(kTextWidth - 1, false) + "</style:paragraph-properties></style:style>\n";
    out += paragraphStyle("Failure", "", "Text_20_body", "", R"(fo:color="#c00000" fo:font-weight="bold")",
                          R"( style:class="text")");
    out += paragraphStyle("Table_20_Contents", "Table Contents", "Standard", "", R"(fo:font-size="10pt")",
                          R"( style:class="extra")");
    out += paragraphStyle("Table_20_Heading", "Table Heading", "Table_20_Contents",
                          R"(fo:text-align="center")", R"(fo:font-weight="bold")", R"( style:class="extra")");
    out += paragraphStyle("Caption", "", "Standard", R"(fo:text-align="center" fo:margin-bottom="0.3cm")", "",
                          R"( style:class="extra")");
    out += paragraphStyle("Contents_20_Heading", "Contents Heading", "Heading", R"(fo:text-align="center")",
                          R"(fo:font-size="14pt" fo:font-weight="bold")", R"( style:class="index")");
    for (int level = 1; level <= 2; ++level) {
        const double indent = 0.5 * (level - 1);
        out += R"(<style:style style:name="Contents_20_)" + std::to_string(level) +
               R"(" style:display-name="Contents )" + std::to_string(level) +
               R"(" style:family="paragraph" style:parent-style-name="Standard" style:class="index">)"
               R"(<style:paragraph-properties fo:margin-left=")" +
               centimetres(indent) + R"(" fo:margin-bottom="0.1cm">)" + rightTab(kTextWidth - indent, true) +
               "</style:paragraph-properties></style:style>\n";
    }
    out +=
        paragraphStyle("Footer", "", "Standard", R"(fo:text-align="center")", "", R"( style:class="extra")");
    // the contents' entries are links to their headings, printed as plain text
    out +=
        R"(<style:style style:name="Index_20_Link" style:display-name="Index Link" style:family="text">)"
        "<style:text-properties fo:color=\"#000000\" style:text-underline-style=\"none\"/></style:style>\n";
    // the headings carry their own numbers in their text
    out += R"(<text:outline-style style:name="Outline">)";
    for (int level = 1; level <= 10; ++level) {
        out += R"(<text:outline-level-style text:level=")" + std::to_string(level) +
               R"(" style:num-format=""/>)";
    }
    out +=
        "</text:outline-style>\n</office:styles>\n<office:automatic-styles>"
        R"(<style:page-layout style:name="pm1"><style:page-layout-properties fo:page-width="21cm" )"
        R"(fo:page-height="29.7cm" style:print-orientation="portrait" fo:margin-top="2cm" )"
        R"(fo:margin-bottom="1cm" fo:margin-left="3cm" fo:margin-right="1.5cm"/><style:footer-style>)"
        R"(<style:header-footer-properties fo:min-height="0.6cm" fo:margin-top="0.4cm"/>)"
        "</style:footer-style></style:page-layout></office:automatic-styles>\n<office:master-styles>"
        // the title page counts as page 1 but shows no number (ГОСТ 7.32)
        R"(<style:master-page style:name="Standard" style:page-layout-name="pm1"><style:footer>)"
        R"(<text:p text:style-name="Footer"><text:page-number text:select-page="current">1)"
        "</text:page-number></text:p></style:footer></style:master-page>"
        R"(<style:master-page style:name="First_20_Page" style:display-name="First Page" )"
        R"(style:page-layout-name="pm1" style:next-style-name="Standard"/>)"
        "</office:master-styles>\n</office:document-styles>\n";
    return out;
}

std::string metaXml(const std::string& title) {
    return std::string(kXml) + "<office:document-meta" + kNamespaces +
           "><office:meta><meta:generator>Фундис " FUNDIS_VERSION "</meta:generator><dc:title>" + x(title) +
           "</dc:title><dc:language>ru-RU</dc:language></office:meta></office:document-meta>\n";
}

std::string manifestXml(bool scheme) {
    std::string out =
        std::string(kXml) +
        R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" )"
        "manifest:version=\"1.3\">\n"
        R"( <manifest:file-entry manifest:full-path="/" manifest:version="1.3" )"
        "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>\n";
    for (const char* file : {"content.xml", "styles.xml", "meta.xml"}) {
        out += std::string(R"( <manifest:file-entry manifest:full-path=")") + file +
               "\" manifest:media-type=\"text/xml\"/>\n";
    }
    if (scheme) {
        out += std::string(R"( <manifest:file-entry manifest:full-path=")") + kSchemeFile +
               "\" manifest:media-type=\"image/svg+xml\"/>\n";
    }
    return out + "</manifest:manifest>\n";
}

// The body of the note: the title page, the contents, the scheme, the sections.
class ContentWriter {
  public:
    ContentWriter(const CalculationNote& note, const NotePicture& scheme) : note_(note), scheme_(scheme) {}

    std::string xml() {
        std::string body = titlePage();
        body += contents();
        body += picture();
        for (std::size_t i = firstSection(); i < note_.blocks.size(); ++i) {
            body += block(note_.blocks[i]);
        }
        std::string out = kXml;
        out += "<office:document-content";
        out += kNamespaces;
        out += ">\n<office:automatic-styles>" + automaticStyles_ +
               // the first paragraph opens the title page; the contents begin the numbered pages
               R"(<style:style style:name="TitleFirst" style:family="paragraph" )"
               R"(style:parent-style-name="Title" )"
               R"(style:master-page-name="First_20_Page"/>)"
               R"(<style:style style:name="ContentsFirst" style:family="paragraph" )"
               R"(style:parent-style-name="Contents_20_Heading" style:master-page-name="Standard"/>)"
               R"(<style:style style:name="PageBreak" style:family="paragraph" )"
               R"(style:parent-style-name="Caption">)"
               R"(<style:paragraph-properties fo:break-before="page"/></style:style>)"
               R"(<style:style style:name="Red" style:family="text"><style:text-properties )"
               R"(fo:color="#c00000" )"
               R"(fo:font-weight="bold"/></style:style>)"
               R"(<style:style style:name="Cell" style:family="table-cell"><style:table-cell-properties )"
               R"(fo:padding="0.05cm" fo:border="0.5pt solid #000000"/></style:style>)"
               R"(<style:style style:name="fr1" style:family="graphic"><style:graphic-properties )"
               R"(style:wrap="none" style:vertical-pos="top" style:horizontal-pos="center" )"
               R"(style:horizontal-rel="paragraph"/></style:style>)"
               "</office:automatic-styles>\n<office:body><office:text>\n" +
               body + "</office:text></office:body></office:document-content>\n";
        return out;
    }

  private:
    // The blocks before the first section: the title, the project and the fields (and, without a
    // calculation, what the note says instead).
    std::size_t firstSection() const {
        std::size_t i = 0;
        while (i < note_.blocks.size() && note_.blocks[i].kind != NoteBlockKind::Heading) {
            ++i;
        }
        return i;
    }

    std::string titlePage() {
        std::string out;
        bool first = true;
        for (std::size_t i = 0; i < firstSection(); ++i) {
            const NoteBlock& b = note_.blocks[i];
            switch (b.kind) {
                case NoteBlockKind::Title:
                    out += paragraph(first ? "TitleFirst" : "Title", x(b.text));
                    break;
                case NoteBlockKind::Field:
                    // a line to write on or to type over, on paper as in the file
                    out += paragraph("Field", x(b.text) + ": " + kFieldBlank);
                    break;
                case NoteBlockKind::Failure:
                    out += paragraph("Failure", x(b.text));
                    break;
                default:
                    out += block(b, first ? "TitleFirst" : "Subtitle");
                    break;
            }
            first = false;
        }
        return out;
    }

    // A real index of the headings: "Update index" rebuilds it; until then its entries hold page
    // references to the headings' bookmarks, which the office program fills in when it lays out.
    std::string contents() {
        std::string entries;
        int heading = 0;
        for (std::size_t i = firstSection(); i < note_.blocks.size(); ++i) {
            const NoteBlock& b = note_.blocks[i];
            if (b.kind != NoteBlockKind::Heading && b.kind != NoteBlockKind::Subheading) {
                continue;
            }
            const std::string mark = bookmark(++heading);
            entries += R"(<text:p text:style-name="Contents_20_)";
            entries += b.kind == NoteBlockKind::Heading ? "1" : "2";
            entries += R"("><text:a xlink:type="simple" xlink:href="#)";
            entries += mark;
            entries += R"(" text:style-name="Index_20_Link" text:visited-style-name="Index_20_Link">)";
            entries += x(b.text);
            entries += R"(<text:tab/><text:bookmark-ref text:reference-format="page" text:ref-name=")";
            entries += mark;
            entries += "\">?</text:bookmark-ref></text:a></text:p>\n";
        }
        if (heading == 0) {
            return {};
        }
        std::string templates;
        for (int level = 1; level <= 2; ++level) {
            templates +=
                R"(<text:table-of-content-entry-template text:outline-level=")" + std::to_string(level) +
                R"(" text:style-name="Contents_20_)" + std::to_string(level) +
                R"("><text:index-entry-link-start )"
                R"(text:style-name="Index_20_Link"/><text:index-entry-text/><text:index-entry-tab-stop )"
                R"(style:type="right" style:leader-char="."/><text:index-entry-page-number/>)"
                "<text:index-entry-link-end/></text:table-of-content-entry-template>";
        }
        return R"(<text:table-of-content text:name="Содержание"><text:table-of-content-source )"
               R"(text:outline-level="2"><text:index-title-template text:style-name="Contents_20_Heading">)"
               "Содержание</text:index-title-template>" +
               templates +
               "</text:table-of-content-source><text:index-body><text:index-title "
               R"(text:name="Содержание_Head">)"
               "<text:p text:style-name=\"ContentsFirst\">Содержание</text:p></text:index-title>\n" +
               entries + "</text:index-body></text:table-of-content>\n";
    }

    std::string picture() const {
        if (scheme_.svg.empty()) {
            return {};
        }
        const double width = std::min(scheme_.widthMillimetres / 10.0, kTextWidth);
        const double height = scheme_.heightMillimetres / 10.0 * width / (scheme_.widthMillimetres / 10.0);
        return R"(<text:p text:style-name="PageBreak"><draw:frame draw:style-name="fr1" )"
               R"(draw:name="Схема" )"
               R"(text:anchor-type="as-char" svg:width=")" +
               centimetres(width) + R"(" svg:height=")" + centimetres(height) +
               R"(" draw:z-index="0"><draw:image xlink:href=")" + kSchemeFile +
               R"(" xlink:type="simple" xlink:show="embed" xlink:actuate="onLoad" )"
               "draw:mime-type=\"image/svg+xml\"/></draw:frame></text:p>\n"
               "<text:p text:style-name=\"Caption\">Рисунок 1 — Схема фундамента</text:p>\n";
    }

    static std::string bookmark(int n) { return "__RefHeading___Toc" + std::to_string(n); }

    static std::string paragraph(const std::string& style, const std::string& inner) {
        return R"(<text:p text:style-name=")" + style + R"(">)" + inner + "</text:p>\n";
    }

    std::string heading(const NoteBlock& b, int level) {
        const std::string mark = bookmark(++headings_);
        return R"(<text:h text:style-name="Heading_20_)" + std::to_string(level) +
               R"(" text:outline-level=")" + std::to_string(level) + R"("><text:bookmark-start text:name=")" +
               mark + R"("/>)" + x(b.text) + R"(<text:bookmark-end text:name=")" + mark + "\"/></text:h>\n";
    }

    std::string block(const NoteBlock& b, const std::string& paragraphStyle = "Text_20_body") {
        switch (b.kind) {
            case NoteBlockKind::Title:
                return paragraph("Title", x(b.text));
            case NoteBlockKind::Heading:
                return heading(b, 1);
            case NoteBlockKind::Subheading:
                return heading(b, 2);
            case NoteBlockKind::Paragraph:
                return paragraph(paragraphStyle, x(b.text));
            case NoteBlockKind::Formula:
                return paragraph(
                    "Formula", x(b.text) + (b.formula.number.empty() ? std::string()
                                                                     : "<text:tab/>" + x(b.formula.number)));
            case NoteBlockKind::Failure:
                return paragraph("Failure", x(b.text));
            case NoteBlockKind::Field:
                return paragraph("Field", x(b.text) + ": " + kFieldBlank);
            case NoteBlockKind::Table:
                return table(b);
        }
        return {};
    }

    // A table across the text, its columns as wide as their longest texts ask, within bounds.
    std::string table(const NoteBlock& b) {
        const std::size_t columns = b.header.size();
        if (columns == 0) {
            return {};
        }
        const auto length = [](const std::string& text) {
            return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            }));
        };
        std::vector<double> weights(columns, 3);
        for (std::size_t c = 0; c < columns; ++c) {
            weights[c] = std::max(weights[c], std::min(40.0, length(b.header[c]) * 0.7));
            for (const NoteTableRow& row : b.rows) {
                if (c < row.cells.size()) {
                    weights[c] = std::max(weights[c], std::min(40.0, length(row.cells[c])));
                }
            }
        }
        double sum = 0;
        for (const double weight : weights) {
            sum += weight;
        }
        const std::string name = "Table" + std::to_string(++tables_);
        automaticStyles_ += R"(<style:style style:name=")" + name +
                            R"(" style:family="table"><style:table-properties style:width=")" +
                            centimetres(kTextWidth) +
                            R"(" table:align="margins" fo:margin-top="0.15cm" fo:margin-bottom="0.25cm"/>)"
                            "</style:style>";
        std::string out = R"(<table:table table:name=")" + name + R"(" table:style-name=")" + name + R"(">)";
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string column = name + "." + std::to_string(c + 1);
            automaticStyles_ += R"(<style:style style:name=")" + column +
                                R"(" style:family="table-column"><style:table-column-properties )"
                                R"(style:column-width=")" +
                                centimetres(kTextWidth * weights[c] / sum) + R"("/></style:style>)";
            out += R"(<table:table-column table:style-name=")" + column + R"("/>)";
        }
        out += "<table:table-header-rows><table:table-row>";
        for (const std::string& cell : b.header) {
            out += R"(<table:table-cell table:style-name="Cell" office:value-type="string"><text:p )"
                   R"(text:style-name="Table_20_Heading">)" +
                   x(cell) + "</text:p></table:table-cell>";
        }
        out += "</table:table-row></table:table-header-rows>";
        for (const NoteTableRow& row : b.rows) {
            out += "<table:table-row>";
            for (std::size_t c = 0; c < columns; ++c) {
                const std::string text = c < row.cells.size() ? x(row.cells[c]) : std::string();
                out += R"(<table:table-cell table:style-name="Cell" office:value-type="string"><text:p )"
                       R"(text:style-name="Table_20_Contents">)" +
                       (row.failure ? R"(<text:span text:style-name="Red">)" + text + "</text:span>" : text) +
                       "</text:p></table:table-cell>";
            }
            out += "</table:table-row>";
        }
        return out + "</table:table>\n";
    }

    const CalculationNote& note_;
    const NotePicture& scheme_;
    std::string automaticStyles_;
    int tables_ = 0;
    int headings_ = 0;
};

}  // namespace

std::string noteOdt(const CalculationNote& note, const NotePicture& scheme) {
    std::string title = "Пояснительная записка";
    for (const NoteBlock& block : note.blocks) {
        if (block.kind == NoteBlockKind::Title) {
            title = block.text;
            break;
        }
    }
    const bool withScheme =
        !scheme.svg.empty() && scheme.widthMillimetres > 0 && scheme.heightMillimetres > 0;
    NotePicture shown = scheme;
    if (!withScheme) {
        shown.svg.clear();
    }
    ZipArchive zip;
    // first and stored, so that a program can tell the file's type from its first bytes
    zip.add("mimetype", "application/vnd.oasis.opendocument.text");
    zip.add("content.xml", ContentWriter(note, shown).xml());
    zip.add("styles.xml", stylesXml());
    zip.add("meta.xml", metaXml(title));
    if (withScheme) {
        zip.add(kSchemeFile, scheme.svg);
    }
    zip.add("META-INF/manifest.xml", manifestXml(withScheme));
    return zip.bytes();
}

std::string noteOdt(const CalculationNote& note, const ReportContext& context) {
    // a picture as wide as the text and no taller than two thirds of the page
    const NotePicture scheme = context.result != nullptr && note.calculated
                                   ? schemePicture(shownDesign(context), context.schemeScale,
                                                   context.decimalSeparator, kNoteTextWidth, 180)
                                   : NotePicture();
    return noteOdt(note, scheme);
}

}  // namespace fundis

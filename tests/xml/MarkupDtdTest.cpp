#include <gtest/gtest.h>

#include <string>

#include "DtdTestSupport.h"
#include "ZQXREG_RegistryDocument.h"

namespace {

ZQXML_DocumentTypeDefinition ResourceDtd(const char* URI) {
  return ZQXML_DocumentTypeDefinitionParser(ZQ_URI(URI)).Parse();
}

const ZQXML_DocumentTypeDefinition& DocumentDtd() {
  static const ZQXML_DocumentTypeDefinition s_dtd = ResourceDtd("intres:ZQFO_DocumentDTD");
  return s_dtd;
}

const ZQXML_DocumentTypeDefinition& ReportDtd() {
  static const ZQXML_DocumentTypeDefinition s_dtd = ResourceDtd("intres:ZQRPT_ReportDTD");
  return s_dtd;
}

long NumDeclared(const ZQXML_DocumentTypeDefinition& Dtd) {
  long count = 0;
  for (long i = 0; i < Dtd.GetBody().GetNumElements(); ++i) count += Dtd.GetBody().GetElement(i).IsDeclared;
  return count;
}

// An error document as the parse-error display writes it, for the error of
// reading Broken.
std::string ErrorDocument(const char* Broken) {
  const CaughtError error = ReadError(Broken);
  std::string text =
      "<?xml version='1.0'?>\n<zqfo_document>\n<zqfo_section>\n<zqfo_blockstream>\n"
      "<zqfo_para justification='center' block_space_before='24 pt' block_space_after='36 pt' "
      "font_height='18 pt'>\n<![CDATA[Error reading internal data]]>\n</zqfo_para>\n"
      "<zqfo_para block_space_before='24 pt' block_space_after='12 pt' font_height='14 pt'>\n"
      "Description Of Error\n</zqfo_para>\n<zqfo_para>\n<![CDATA[" + error.Description + "]]>\n</zqfo_para>\n"
      "<zqfo_para block_space_before='24 pt' block_space_after='12 pt' font_height='14 pt'>\n"
      "Location Of Error\n</zqfo_para>\n"
      "<zqfo_blockgroup line_preformatted='true' block_space_before='0 mm' block_space_after='0 mm' "
      "font_height='10 pt' font_family='monospace'>\n"
      "<zqfo_para text_color='red' font_weight='bold'>           |  Error Location  </zqfo_para>\n"
      "<zqfo_para  text_color='black' font_weight='bold' ><![CDATA[     1     " + std::string(Broken) +
      "]]></zqfo_para>\n<zqfo_para text_color='red' font_weight='bold'>           |</zqfo_para>\n"
      "<zqfo_para  text_color='dark gray' ><![CDATA[     2     ]]></zqfo_para>\n"
      "</zqfo_blockgroup>\n"
      "<zqfo_para block_space_before='24 pt' block_space_after='12 pt' font_height='14 pt'>\n"
      "Raw XML Document\n</zqfo_para>\n"
      "<zqfo_blockgroup line_preformatted='true' block_space_before='0 mm' block_space_after='0 mm' "
      "font_height='10 pt'>\n<zqfo_para><![CDATA[" + std::string(Broken) + "]]></zqfo_para>\n"
      "<zqfo_para><![CDATA[]]></zqfo_para>\n</zqfo_blockgroup>\n"
      "</zqfo_blockstream>\n</zqfo_section>\n</zqfo_document>\n";
  return text;
}

// Every element and attribute that the report stylesheet writes.
const char kStylesheetSample[] =
    "<zqfo_document><zqfo_section page_number_format='page_number_format_i'>"
    "<zqfo_pagesequencegenerator><zqfo_evenpage><zqfo_frame location='bottommargin'>"
    "<zqfo_blockstream><zqfo_para><zqfo_field name='Page'/></zqfo_para></zqfo_blockstream>"
    "</zqfo_frame></zqfo_evenpage><zqfo_oddpage/></zqfo_pagesequencegenerator>"
    "<zqfo_blockstream>"
    "<zqfo_blockgroup id='c1' toc='true' tocname='Intro' sectionname='Intro' sectiontypename='Chapter' "
    "sectionnumber='1' block_justification='center' block_left_indent='+ 5 mm' block_space_before='12 pt' "
    "block_space_after='6 pt'>"
    "<zqfo_para id='p1' pageid='pg1' justification='center' font_family='title' font_height='150 %' "
    "font_weight='bold' font_italic='true' block_keep_together='true' block_break_after='never' "
    "block_break_before='page' local_block_space_before='0 mm' local_block_space_after='0 mm' "
    "line_first_indent='- 3 mm' line_subsequent_indent='3 mm' line_preformatted='false'>"
    "Text <zqfo_flowgroup font_weight='bold' font_italic='false' font_underline='true' font_family='monospace' "
    "font_height='10 pt' text_color='standard color - hyperlink text' line_vertical_alignment='superscript' "
    "link_target='x.html' hyperlink_text_color='standard color - hyperlink text' id='f1'>link</zqfo_flowgroup>"
    "<zqfo_img src='a.bmp' resample='false' standard_colors='true' width='10 mm' max_height='2 in' id='i1'/>"
    "<zqfo_picture name='logo' min_width='1 mm' id='pc1'/>"
    "<zqfo_symbol name='bullet_round_solid' font_height='8 pt'/><zqfo_symbol name='lomega'/>"
    "<zqfo_bullet width='5 mm'>*</zqfo_bullet><zqfo_linebreak/>"
    "<zqfo_field name='ChapterName'/><zqfo_pageref target='pg1'/></zqfo_para>"
    "<zqfo_table id='t1' pageid='pg2' block_keep_together='true' block_break_after='never' "
    "block_space_before='6 pt' local_block_space_before='1 mm' local_block_space_after='1 mm' "
    "local_block_break_before='never' local_block_left_indent='2 mm' local_block_right_indent='2 mm' "
    "line_first_indent='0 mm' line_subsequent_indent='0 mm' font_family='sansserif' font_height='9 pt' "
    "font_weight='normal' cell_margin='1 mm' cell_top_margin='1 mm' cell_bottom_margin='1 mm' "
    "cell_left_margin='1 mm' cell_right_margin='1 mm' cell_bottom_border_thickness='0.2 mm' "
    "cell_border_color='gray' link_target='t' hyperlink_text_color='standard color - gray text'>"
    "<zqfo_row id='r1' vertical_justification='center' font_family='serif' font_weight='bold' "
    "background_color='standard color - subtle highlighted background' text_color='white' "
    "justification='left' cell_margin='1 mm' cell_border_thickness='0.1 mm' cell_left_border_color='gray'>"
    "<zqfo_flowcell justification='right' width='above 20 mm' min_width='min' max_width='max' height='any' "
    "min_height='1 mm' max_height='9 mm' id='fc' columnspan='2' font_height='8 pt' font_weight='bold' "
    "font_italic='true' background_color='white' text_color='standard color - error text' "
    "vertical_justification='top' cell_margin='1 mm' cell_left_margin='1 mm' cell_right_margin='1 mm'>a</zqfo_flowcell>"
    "<zqfo_blockcell width='30 mm'><zqfo_para>b</zqfo_para></zqfo_blockcell></zqfo_row></zqfo_table>"
    "</zqfo_blockgroup></zqfo_blockstream></zqfo_section></zqfo_document>";

// A report that uses all 47 elements.
const char kReport[] =
    "<?xml version='1.0'?>\n"
    "<section id='top' type='default' webpagetype='home' access='private' toc='true' author='A'>\n"
    "<title>User's guide &reg;</title><tagline>Tag</tagline><tagimage><img src='t.bmp'/></tagimage>\n"
    "<para id='p'>Press <keytext>F1</keytext> in <filetext>a.txt</filetext>, <fixedtext>x</fixedtext>, "
    "<termtext id='term'>term</termtext>, <commandinput>run</commandinput> <commandprompt>C:</commandprompt> "
    "<commandoutput>ok</commandoutput> <commandparam>file</commandparam> "
    "<menutext>File <menushortcut><bold>F</bold></menushortcut></menutext> "
    "<superscript>2</superscript><subscript>i</subscript><italic>i</italic><underline>u</underline>"
    "<link target='x.html'>link</link> <iref target='fig'/> <picture name='logo'/> &tm; &lomega; &nbsp;"
    "<symbol name='uparrowkey'/><linebreak/><raw_codes_html>&lt;b&gt;</raw_codes_html></para>\n"
    "<orderedlist style='compact'><listitem><para>one</para><pre>x</pre></listitem></orderedlist>\n"
    "<unorderedlist><listitem><para>two</para></listitem></unorderedlist>\n"
    "<table><tableheader><tablecolumnheader horzjust='decimal'>H</tablecolumnheader></tableheader>"
    "<tablerow><tablecell width='any'>c</tablecell></tablerow>"
    "<tablerow><tableblockcell><para>b</para></tableblockcell></tablerow></table>\n"
    "<deflist float='sidebar'><def><defterm>T</defterm><defpara>d</defpara><defanno>a</defanno></def></deflist>\n"
    "<blockquote>q</blockquote><note type='warning'><para>n</para></note>\n"
    "<caption type='figure' id='fig'><title>F</title><img src='f.bmp' thumbnail='true'/></caption>\n"
    "<exhibit><pre>e</pre></exhibit><raw_codes_zqfo>&lt;zqfo_para/&gt;</raw_codes_zqfo>\n"
    "<section type='appendix'><title>Appendix</title></section>\n"
    "</section>\n";

const ZQXML_ElementDeclaration& ParagraphDeclaration() {
  return DocumentDtd().GetBody().GetElement(DocumentDtd().GetBody().FindElement("zqfo_para"));
}

std::string InOneParagraph(const std::string& Attributes, const std::string& Content = "") {
  return "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para" + Attributes + ">" + Content +
         "</zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>";
}

}  // namespace

TEST(ZQXML_MarkupDtds, TheDocumentDtdTakesEveryElementAttributeEntityAndSymbolOfTheMarkup) {
  // A value of its type for each declared attribute of a paragraph: the names
  // themselves are checked against the route table by the document tests.
  std::string every, everyLocal;
  for (const ZQXML_AttributeDeclaration& a : ParagraphDeclaration().Attributes) {
    const bool isEnumerated = a.Type == ZQXML_AttributeDeclaration::Kind::Enumeration;
    const bool isId = a.Type == ZQXML_AttributeDeclaration::Kind::Id;
    const std::string value = isEnumerated ? a.Values.back().GetText() : isId ? "a1" : "1 mm";
    (a.Name.BeginsWith("local_") ? everyLocal : every) += " " + std::string(a.Name.GetText()) + "='" + value + "'";
  }
  const char* symbols[] = {
      "bullet_round_solid", "bullet_diamond_solid", "emdash", "endash", "approxeq", "infinity",
      "function", "prop", "noteq", "definedas", "approx", "tm", "root", "inverteddelta", "uparrowkey",
      "downarrowkey", "leftarrowkey", "rightarrowkey"};
  const char* greek[] = {"alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta",
                         "iota", "kappa", "lamda", "mu", "nu", "xi", "omikron", "pi",
                         "rho", "sigma", "tau", "upsilon", "phi", "chi", "psi", "omega"};
  std::string symbolRun;
  for (const char* name : symbols) symbolRun += std::string("<zqfo_symbol name='") + name + "'/>";
  for (const char* name : greek)
    symbolRun += std::string("<zqfo_symbol name='u") + name + "'/><zqfo_symbol name='l" + name + "'/>";
  const std::string allElements =
      "<zqfo_document><zqfo_section start_page_number='continue' page_number_format='page_number_format_1'>"
      "<zqfo_pagesequencegenerator><zqfo_firstpage/><zqfo_evenpage/><zqfo_oddpage/><zqfo_otherpage>"
      "<zqfo_frame location='topmargin'><zqfo_blockstream><zqfo_para/></zqfo_blockstream></zqfo_frame>"
      "</zqfo_otherpage></zqfo_pagesequencegenerator><zqfo_blockstream><zqfo_para>"
      "<zqfo_inlinetable><zqfo_row><zqfo_blockcell><zqfo_blockgroup/></zqfo_blockcell></zqfo_row>"
      "</zqfo_inlinetable></zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>";
  const struct {
    std::string in;
    bool isValid;
    const char* why;
  } cases[] = {
      {InOneParagraph(every), true, "the 51 standard attributes and the page id"},
      {InOneParagraph(everyLocal), true, "their 44 local forms"},
      {InOneParagraph("", symbolRun), true, "the 66 symbol names"},
      {allElements, true, "the elements the report sample leaves out"},
      {InOneParagraph(" font_heigth='9 pt'"), false, "a misspelt attribute"},
      {InOneParagraph(" local_cell_vertical_margin='1 mm'"), false, "the local form of a shorthand"},
      {InOneParagraph(" local_id='a'"), false, "a local id"},
      {InOneParagraph(" block_justification='full'"), false, "full lines, not blocks"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const CaughtError error = ValidationError(DocumentDtd(), c.in.c_str());
    EXPECT_EQ(error.Kind, c.isValid ? "" : "parse") << error.Description;
  }
  const ZQXML_Tree tree = ReadValid(
      DocumentDtd(), InOneParagraph("", "&tm;&nbsp;&curren;&deg;&para;&pound;&yen;&sect;&copy;&laquo;"
                                        "&plusmn;&micro;&raquo;&times;&divide;").c_str());
  EXPECT_EQ(std::string(tree.GetRootElement()->GetValue().GetText()),
            "\x99\xA0\xA4\xB0\xB6\xA3\xA5\xA7\xA9\xAB\xB1\xB5\xBB\xD7\xF7");
}

TEST(ZQXML_MarkupDtds, TheThreeDtdsParse) {
  EXPECT_EQ(NumDeclared(ZQXREG_GetRegistryDTD()), 11);
  EXPECT_EQ(NumDeclared(DocumentDtd()), 24);
  EXPECT_EQ(NumDeclared(ReportDtd()), 47);
  const ZQXML_ElementDeclaration& para =
      DocumentDtd().GetBody().GetElement(DocumentDtd().GetBody().FindElement("zqfo_para"));
  EXPECT_EQ(para.Attributes.size(), 1u + 1u + 50u + 44u) << "pageid, id, the options, their local forms";
}

TEST(ZQXML_MarkupDtds, DocumentsValidateAgainstTheDocumentDtd) {
  const std::string errorDocument = ErrorDocument("<r>\n<a></b></r>");
  const struct {
    const char* in;
    long line;  // 0: valid
    long column;
    const char* why;
  } kCases[] = {
      {"<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para></zqfo_para></zqfo_blockstream>"
       "</zqfo_section></zqfo_document>",
       0, 0, "the default tree"},
      {"<zqfo_document>\n</zqfo_document>", 2, 1, "a document without a section"},
      {"<zqfo_document><zqfo_section>\n<zqfo_para/></zqfo_section></zqfo_document>", 2, 1,
       "a section without its block stream"},
      {errorDocument.c_str(), 0, 0, "an error document"},
      {kStylesheetSample, 0, 0, "what the report stylesheet writes"},
      {"<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para>&copy;&tm;<zqfo_symbol "
       "name='bullet_square'/></zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>",
       1, 69, "an unknown symbol name"},
      {"<zqfo_document font_family='fantasy'><zqfo_section><zqfo_blockstream><zqfo_para/>"
       "</zqfo_blockstream></zqfo_section></zqfo_document>",
       1, 1, "a keyword outside its enumeration"},
      {"<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para local_cell_horizontal_margin='1 mm'/>"
       "</zqfo_blockstream></zqfo_section></zqfo_document>",
       1, 48, "a local form of a shorthand"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const CaughtError error = ValidationError(DocumentDtd(), c.in);
    EXPECT_EQ(error.Kind, c.line ? "parse" : "") << error.Description;
    EXPECT_EQ(error.Line, c.line) << error.Description;
    EXPECT_EQ(error.Column, c.column) << error.Description;
  }
}

TEST(ZQXML_MarkupDtds, ReportsValidateAgainstTheReportDtd) {
  const struct {
    const char* in;
    bool isValid;
    const char* why;
  } kCases[] = {
      {kReport, true, "all 47 elements"},
      {"<section><title>t</title><table><tableheader><tablecolumnheader>h</tablecolumnheader>"
       "</tableheader><tablerow><tablecell>a</tablecell><tableblockcell/></tablerow></table></section>",
       false, "a row that mixes its cells"},
      {"<section><title>t</title><caption><pre>x</pre></caption></section>", false,
       "a caption without its type"},
      {"<section><para>p</para></section>", false, "a section without its title"},
      {"<section><title>t</title><para><symbol name='bullet_round_solid'/></para></section>", false,
       "a symbol only documents have"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const CaughtError error = ValidationError(ReportDtd(), c.in);
    EXPECT_EQ(error.Kind, c.isValid ? "" : "parse") << error.Description;
  }
  const ZQXML_Tree tree = ReadValid(ReportDtd(), "<section><title>&reg;&tm;</title></section>");
  const ZQXML_Node* title = tree.GetRootNode()->FindChildElement("section")->FindChildElement("title");
  const ZQXML_ReadOnlyNodeSequence marks = title->GetChildren(ZQXML_NodeType_Element, "superscript");
  ASSERT_EQ(marks.GetCount(), 2);
  EXPECT_EQ(std::string(marks[0]->GetValue().GetText()), "\xAE");
  EXPECT_EQ(std::string(marks[1]->FindChildElement("symbol")->GetAttributeValue("name", "").GetText()), "tm");
}

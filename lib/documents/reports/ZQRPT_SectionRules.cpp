// The section rules of the report stylesheet: the document section with its
// title page, table of contents and page footers; chapters and appendices
// with their plain or boxed headings; deeper sections; and the helpers that
// all report rules share.
#include "ZQRPT_FormattingStylesheet.h"
#include "ZQRPT_RuleSupport.h"

#include <algorithm>
#include <cstring>

#include "ZQXML_Node.h"
#include "ZQXML_TextEncoding.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Internationalization.h"

ZQ_String ZQRPT_Encode(const ZQ_String& Text) { return ZQXML_EncodeSpecialCharacters(Text, 0x61F); }

void ZQRPT_CopySizeAttributes(ZQXTR_RuleContext& Context) {
  for (const char* name : {"width", "min_width", "max_width", "height", "min_height", "max_height"})
    Context.CopyAttribute(name);
}

bool ZQRPT_IsTitle(const ZQXML_Node& Node) {
  return Node.GetType() == ZQXML_NodeType_Element && Node.GetName() == "title";
}

void ZQRPT_LogLine(const ZQ_String& Line) { ZQ_WriteDebugLogEntry(Line + "\n"); }

namespace {

// Ancestors of the node, the document node counting as one: 1 for the
// report's top section.
long Depth(const ZQXML_Node* Node) {
  long depth = 0;
  for (const ZQXML_Node* parent = Node->GetParent(); parent; parent = parent->GetParent()) ++depth;
  return depth;
}

ZQ_String StripWhitespace(const ZQ_String& Text) {
  int begin = 0;
  int end = Text.GetLength();
  while (begin < end && strchr(" \t\r\n", Text[begin])) ++begin;
  while (end > begin && strchr(" \t\r\n", Text[end - 1])) --end;
  return (begin == 0 && end == Text.GetLength()) ? Text : ZQ_String(Text.GetText() + begin, end - begin);
}

ZQ_String EncodedTitle(const ZQXML_Node* Section) {
  const ZQXML_Node* title = Section->FindChildElement("title");
  return title ? ZQRPT_Encode(title->GetValue()) : ZQ_String();
}

void ApplyChildrenButTitles(ZQXTR_RuleContext& Context) {
  Context.ApplyChildren([](const ZQXML_Node& Child) { return !ZQRPT_IsTitle(Child); });
}

// The break before a chapter by the option: "page", "evenpage", "oddpage".
ZQ_String BreakAttribute(long PageBreak, const char* Name) {
  const char* const kBreaks[] = {"page", "evenpage", "oddpage"};
  if (PageBreak == 0) return ZQ_String();
  if (PageBreak < 0 || PageBreak > 3) {
    ZQ_ASSERT(false);
    return ZQ_String();
  }
  return ZQ_String(" ") + Name + "='" + kBreaks[PageBreak - 1] + "'";
}

struct Heading {
  ZQ_String Title;
  ZQ_String TypeName;
  ZQ_String Number;
  ZQ_String PageId;
};

void WritePlainHeading(ZQXTR_RuleContext& Context, const Heading& H, long PageBreak) {
  Context.Write(
      "<zqfo_para block_keep_together='true' block_break_after='never' font_family='title' "
      "block_space_before='+ 36 pt' block_space_after='6 pt' font_height='+ 12 pt' "
      "font_weight='bold'");
  if (!H.PageId.IsEmpty()) Context.Write(" pageid='" + H.PageId + "'");
  Context.Write(BreakAttribute(PageBreak, "block_break_before") + ">\n");
  if (!H.TypeName.IsEmpty() && !H.Number.IsEmpty()) Context.Write(H.TypeName + " " + H.Number + ". ");
  Context.Write(H.Title + "\n</zqfo_para>\n");
}

void WriteBoxedHeading(ZQXTR_RuleContext& Context, const Heading& H, long PageBreak) {
  ZQ_ASSERT_TEXT(!H.TypeName.IsEmpty() && !H.Number.IsEmpty(),
                 "SectionTypeName.IsNotNull() and SectionNumber.IsNotNull()");
  Context.Write(
      "<zqfo_table block_keep_together='true' block_break_after='never' local_block_space_before='+ "
      "36 pt' local_block_space_after='36 pt' font_family='title' font_weight='bold' "
      "cell_top_margin='0.125 in' cell_bottom_margin='0.125 in' cell_left_margin='0.25 in' "
      "cell_right_margin='0.25 in'");
  if (!H.PageId.IsEmpty()) Context.Write(" pageid='" + H.PageId + "'");
  Context.Write(BreakAttribute(PageBreak, "local_block_break_before") + ">\n");
  Context.Write(
      "<zqfo_row>\n<zqfo_flowcell  font_height='+ 12 pt' min_width='min' max_width='99 in' "
      "columnspan='3' background_color='gray' text_color='white' vertical_justification='center' "
      "justification='right'>\n" +
      H.TypeName + "\n</zqfo_flowcell></zqfo_row>\n");
  Context.Write(
      "<zqfo_row>\n<zqfo_flowcell  cell_left_margin='0.0 in' font_height='+ 18 pt' width='above "
      "auto' vertical_justification='top' justification='left'>\n" +
      H.Title + "\n</zqfo_flowcell>\n<zqfo_flowcell  cell_margin='0 in' width='0.25 in'>\n</zqfo_flowcell>\n");
  Context.Write(
      "<zqfo_flowcell  width='auto'  font_height='+ 18 pt' background_color='gray' "
      "text_color='white' vertical_justification='top' justification='right'>\n" +
      H.Number + "\n</zqfo_flowcell>\n</zqfo_row>\n</zqfo_table>\n");
}

void WriteFooterBlock(ZQXTR_RuleContext& Context, const char* Side, const char* Justification,
                      const ZQ_String& Text) {
  const ZQ_String side(Side);
  const ZQ_String j(Justification);
  const ZQ_String textCell = "                <zqfo_flowcell min_width='min' max_width='max' justification='" +
                             j + "'>\n                    " + Text + "\n                </zqfo_flowcell>\n";
  const ZQ_String pageCell = "                <zqfo_flowcell font_weight='bold' width='0.5 in' justification='" +
                             j + "'  cell_" + j +
                             "_margin='0.125 in'>\n                    <zqfo_field name='Page'/>\n"
                             "                </zqfo_flowcell>\n";
  Context.Write("   <zqfo_" + side + "page>\n");
  Context.Write(
      "      <zqfo_frame location='bottommargin'>\n"
      "         <zqfo_blockstream>\n"
      "            <zqfo_table local_block_space_before='0.25 in' local_block_space_after='0 in'>\n"
      "            <zqfo_row vertical_justification='top' \n"
      "                      font_family='sansserif'\n"
      "                      cell_left_margin='0 in' cell_right_margin= '0 in' cell_bottom_margin='0 in'\n"
      "                      cell_top_border_thickness='0.1 mm' cell_border_color='standard color - "
      "default text'>\n");
  Context.Write(side == "even" ? pageCell + textCell : textCell + pageCell);
  Context.Write(
      "            </zqfo_row>\n"
      "            </zqfo_table>\n"
      "         </zqfo_blockstream>\n"
      "      </zqfo_frame>\n");
  Context.Write("   </zqfo_" + side + "page>\n");
}

void WritePageSequenceGenerator(ZQXTR_RuleContext& Context, const ZQ_String& EvenText,
                                const ZQ_String& OddText) {
  Context.Write("<zqfo_pagesequencegenerator>\n");
  WriteFooterBlock(Context, "even", "left", EvenText);
  WriteFooterBlock(Context, "odd", "right", OddText);
  Context.Write("</zqfo_pagesequencegenerator>\n");
}

// Title page line: bold sans-serif, kept with what follows.
ZQ_String TitlePageLine(const ZQ_String& Text) {
  return "<zqfo_para justification='left' font_height='16 pt' font_weight='bold' "
         "font_family='sansserif' block_keep_together='true' block_break_after='never'>" +
         Text + "</zqfo_para>\n";
}

// The attribute values of the title page are encoded like every other
// text, so "&", "<" and "'" in them cannot break the document.
void WriteTitlePage(ZQXTR_RuleContext& Context) {
  const ZQXML_Node* section = Context.CurrentNode;
  auto attribute = [section](const char* Name) {
    return ZQRPT_Encode(section->GetAttributeValue(Name, ZQ_String()));
  };
  Context.Write(
      "<zqfo_section>\n<zqfo_blockstream>\n<zqfo_para local_block_space_before='24 pt' "
      "block_keep_together='true' block_break_after='never' justification='left' font_height='36 "
      "pt' font_weight='bold' font_family='sansserif'>");
  if (const ZQXML_Node* title = section->FindChildElement("title")) {
    Context.SetCurrentNode(title);
    Context.ApplyChildren();
    Context.SetCurrentNode(section);
  }
  Context.Write("</zqfo_para>\n");
  const ZQ_String image = attribute("image");
  if (!image.IsEmpty())
    Context.Write(
        "<zqfo_para block_break_after='never' local_block_space_before='0.5 in' "
        "local_block_space_after='1.5 in' justification='center'><zqfo_img src='" +
        image + "' standard_colors='true'/></zqfo_para>\n");
  const ZQ_String author = attribute("author");
  if (!author.IsEmpty()) Context.Write(TitlePageLine(author));
  const ZQ_String logo = attribute("companylogo");
  const ZQ_String organization = attribute("organization");
  if (!logo.IsEmpty())
    Context.Write(TitlePageLine("<zqfo_img src='" + logo + "' standard_colors='true' width='2 in'/>"));
  else if (!organization.IsEmpty())
    Context.Write(TitlePageLine(organization));
  Context.Write(
      "<zqfo_para local_block_space_after='2 in'> </zqfo_para>\n</zqfo_blockstream>\n"
      "</zqfo_section>\n");
}

void WriteTableOfContentsSection(ZQXTR_RuleContext& Context,
                                 const ZQRPT_FormattingStylesheetOptions& Options) {
  const ZQ_String title = ZQRPT_Encode(ZQ_Internationalization_Translate("Table of Contents"));
  Context.Write("<zqfo_section page_number_format='page_number_format_i'>\n");
  if (Options.GetUsePageFooters()) WritePageSequenceGenerator(Context, title, title);
  Context.Write("<zqfo_blockstream>\n");
  WritePlainHeading(Context, Heading{title, ZQ_String(), ZQ_String(), ZQ_String()},
                    Options.GetChapterPageBreak());
  Context.AddFixup(new ZQXTR_RuleContext_Fixup_StringReference(0));
  Context.Write("</zqfo_blockstream>\n</zqfo_section>\n");
}

void RecordReference(ZQRPT_StandardOptions& State, const ZQ_String& Id, const Heading& H) {
  ZQ_String text = "<zqfo_flowgroup font_italic='true'>";
  if (!H.TypeName.IsEmpty() && !H.Number.IsEmpty()) text += H.TypeName + " " + H.Number + ", ";
  text += H.Title + "</zqfo_flowgroup>";
  State.IdReferenceText.Set(Id, text);
}

// The page-number cell of a contents entry.
ZQ_String PageReferenceCell(const ZQ_String& PageId) {
  return "<zqfo_flowcell width='1 in' justification='right'><zqfo_pageref target='" + PageId +
         "'/></zqfo_flowcell>\n";
}

class ZQRPT_SectionRule : public ZQRPT_ElementRule {
 public:
  ZQRPT_SectionRule(long MinDepth, long MaxDepth)
      : ZQRPT_ElementRule("section"), MinDepth(MinDepth), MaxDepth(MaxDepth) {}
  bool Matches(const ZQXTR_RuleContext& Context) const override {
    if (!ZQRPT_ElementRule::Matches(Context)) return false;
    const long depth = Depth(Context.CurrentNode);
    return depth >= MinDepth && depth <= MaxDepth;
  }
  void Apply(ZQXTR_RuleContext& Context) const override {
    const auto* options = ZQRPT_FindRecord<ZQRPT_FormattingStylesheetOptions>(Context);
    ZQRPT_StandardOptions* state = options ? ZQRPT_FindRecord<ZQRPT_StandardOptions>(Context) : nullptr;
    if (!state) return Context.ApplyChildren();
    ApplySection(Context, *options, *state);
  }

 protected:
  virtual void ApplySection(ZQXTR_RuleContext& Context, const ZQRPT_FormattingStylesheetOptions& Options,
                            ZQRPT_StandardOptions& State) const = 0;

  // The opening block group of chapters and sections; Clean gives the
  // texts it writes.
  static void WriteBlockGroup(ZQXTR_RuleContext& Context, const ZQ_String& Id, const Heading& H) {
    Context.Write("<zqfo_blockgroup id='" + ZQRPT_Encode(Id) + "'");
    if (Context.CurrentNode->GetAttributeValueAsBool("toc", true)) Context.Write(" toc='true'");
    Context.Write(" tocname='" + H.Title + "' sectionname='" + H.Title + "' sectiontypename='" +
                  H.TypeName + "' sectionnumber='" + H.Number + "'>\n");
  }

  // The children but the title, the end of the block group, the reference
  // to a given id, and the level back.
  static void FinishSection(ZQXTR_RuleContext& Context, ZQRPT_StandardOptions& State,
                            const ZQ_String& GivenId, const Heading& H) {
    ApplyChildrenButTitles(Context);
    Context.Write("</zqfo_blockgroup>\n");
    if (!GivenId.IsEmpty()) RecordReference(State, GivenId, H);
    --State.NestingLevel;
  }

 private:
  long MinDepth;
  long MaxDepth;
};

class ZQRPT_Rule_DocumentSection : public ZQRPT_SectionRule {
 public:
  ZQRPT_Rule_DocumentSection() : ZQRPT_SectionRule(1, 1) {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_DocumentSection(*this); }

 protected:
  void ApplySection(ZQXTR_RuleContext& Context, const ZQRPT_FormattingStylesheetOptions& Options,
                    ZQRPT_StandardOptions& State) const override {
    State.NestingLevel = 0;
    ++State.SectionNumberAt(0);
    State.SectionNumberAt(1) = 0;
    if (Options.GetUseTitlePage()) WriteTitlePage(Context);
    if (Options.GetIncludeTableOfContents()) WriteTableOfContentsSection(Context, Options);
    Context.Write("<zqfo_section page_number_format='page_number_format_1'>\n");
    if (Options.GetUsePageFooters())
      WritePageSequenceGenerator(
          Context, "<zqfo_field name='ChapterTypeName'/> <zqfo_field name='ChapterNumber'/>",
          "<zqfo_field name='ChapterName'/>");
    Context.Write("<zqfo_blockstream>\n<zqfo_blockgroup");
    Context.CopyAttribute("id");
    Context.CopyAttribute("tocname");
    Context.Write(">\n");
    if (!Options.GetUseTitlePage()) {
      const ZQ_String title = EncodedTitle(Context.CurrentNode);
      Context.Write(
          "<zqfo_para block_keep_together='true' block_break_after='never' font_family='title' "
          "block_space_before='+ 12 pt' block_space_after='36 pt' font_height='+ 12 pt' "
          "font_weight='bold' justification='center'>\n" +
          title + "\n</zqfo_para>\n");
      const ZQ_String id = Context.CurrentNode->GetAttributeValue("id", ZQ_String());
      if (!id.IsEmpty())
        State.IdReferenceText.Set(id, "<zqfo_flowgroup font_italic='true'>" + title + "</zqfo_flowgroup>");
    }
    ApplyChildrenButTitles(Context);
    Context.Write("</zqfo_blockgroup>\n</zqfo_blockstream>\n</zqfo_section>\n");
    --State.NestingLevel;
  }
};

class ZQRPT_Rule_ChapterSection : public ZQRPT_SectionRule {
 public:
  ZQRPT_Rule_ChapterSection() : ZQRPT_SectionRule(2, 2) {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_ChapterSection(*this); }

 protected:
  void ApplySection(ZQXTR_RuleContext& Context, const ZQRPT_FormattingStylesheetOptions& Options,
                    ZQRPT_StandardOptions& State) const override {
    const ZQXML_Node* section = Context.CurrentNode;
    const long type = ZQRPT_ParseSectionType(section->GetAttributeValue("type", ZQ_String()));
    State.NestingLevel = 1;
    if (type == State.CurrentChapterType)
      ++State.SectionNumberAt(1);
    else
      State.SectionNumberAt(1) = 1;
    State.SectionNumberAt(2) = 0;
    State.CurrentChapterType = type;
    for (long i = 0; i < 5; ++i) State.CaptionNumbers[i] = 0;
    Heading h{EncodedTitle(section), ZQ_String(), ZQ_String(), Context.GetUniqueName()};
    if (Options.GetNumberSections()) {
      h.TypeName = ZQRPT_Encode(ZQRPT_GetSectionTypeName(type));
      h.Number = ZQRPT_Encode(State.GetChapterNumberText());
    }
    const ZQ_String givenId = section->GetAttributeValue("id", ZQ_String());
    const ZQ_String id = givenId.IsEmpty() ? Context.GetUniqueName() : givenId;
    if (Options.GetIncludeTableOfContents()) {
      State.TableOfContentsText += ZQ_String(
          "<zqfo_table block_keep_together='true' block_space_before='36 pt' font_family='sansserif' "
          "font_height='18 pt' font_weight='bold' cell_left_margin='0.25 in' cell_right_margin='0.25 "
          "in' cell_bottom_border_thickness='1 mm' cell_border_color='standard color - gray text' "
          "link_target='#") + ZQRPT_Encode(id) + "'  hyperlink_text_color='standard color - hyperlink text'>\n"
          "<zqfo_row vertical_justification='bottom'>\n<zqfo_flowcell width='above auto'>" +
          h.TypeName + " " + h.Number + "<zqfo_linebreak/>" + h.Title + "</zqfo_flowcell>\n" +
          PageReferenceCell(h.PageId) + "</zqfo_row>\n</zqfo_table>\n";
    }
    for (ZQ_String* text : {&h.Title, &h.TypeName, &h.Number}) *text = ZQXML_NormalizeWhitespace(*text, 2);
    WriteBlockGroup(Context, id, h);
    if (Options.GetChapterHeadingStyle() == 0)
      WritePlainHeading(Context, h, Options.GetChapterPageBreak());
    else if (Options.GetChapterHeadingStyle() == 1)
      WriteBoxedHeading(Context, h, Options.GetChapterPageBreak());
    else
      ZQ_ASSERT(false);
    FinishSection(Context, State, givenId, h);
  }
};

class ZQRPT_Rule_OtherSections : public ZQRPT_SectionRule {
 public:
  ZQRPT_Rule_OtherSections() : ZQRPT_SectionRule(3, 0x7FFFFFFF) {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_OtherSections(*this); }

 protected:
  void ApplySection(ZQXTR_RuleContext& Context, const ZQRPT_FormattingStylesheetOptions& Options,
                    ZQRPT_StandardOptions& State) const override {
    const ZQXML_Node* section = Context.CurrentNode;
    const long level = ++State.NestingLevel;
    ++State.SectionNumberAt(level);
    State.SectionNumberAt(level + 1) = 0;
    Heading h{EncodedTitle(section), ZQ_String(), ZQ_String(), Context.GetUniqueName()};
    if (Options.GetNumberSections()) {
      h.TypeName = "Section";
      h.Number = ZQRPT_Encode(State.GetChapterNumberText());
      for (long i = 2; i <= level; ++i) h.Number += "." + ZQ_ToString(State.SectionNumberAt(i));
    }
    const ZQ_String givenId = section->GetAttributeValue("id", ZQ_String());
    const ZQ_String id = givenId.IsEmpty() ? Context.GetUniqueName() : givenId;
    if (Options.GetIncludeTableOfContents() && (level == 2 || level == 3)) {
      const bool isTop = level == 2;
      State.TableOfContentsText +=
          "<zqfo_table local_block_left_indent='" + ZQ_ToString((level - 1) * 0.25 + 0.25) +
          " in' local_block_right_indent='0.25 in' block_keep_together='true' block_space_before='" +
          (isTop ? "6" : "2") +
          " pt' block_space_after='0 pt' line_first_indent='0 in' line_subsequent_indent='0.25 in' "
          "font_family='sansserif' font_height='" +
          (isTop ? "12" : "10") + " pt' font_weight='" + (isTop ? "bold" : "normal") +
          "' cell_margin='0 in' link_target='#" + ZQRPT_Encode(id) +
          "'  hyperlink_text_color='standard color - hyperlink text'>\n"
          "<zqfo_row vertical_justification='bottom'>\n<zqfo_flowcell width='above auto' font_italic='" +
          (isTop ? "false" : "true") + "'>" + h.Title + "</zqfo_flowcell>\n" +
          PageReferenceCell(h.PageId) + "</zqfo_row>\n</zqfo_table>\n";
    }
    for (ZQ_String* text : {&h.Title, &h.TypeName, &h.Number}) *text = StripWhitespace(*text);
    WriteBlockGroup(Context, id, h);
    Context.Write(
        "<zqfo_para block_keep_together='true' block_break_after='never' font_family='title' "
        "pageid='" + h.PageId + "'");
    if (level <= 2)
      Context.Write(" block_space_before='+ 24 pt' font_height='+ 6 pt' font_weight='bold'");
    else if (level == 3)
      Context.Write(
          " block_space_before='+ 18 pt' block_space_after='0 pt' font_height='+ 0 pt' "
          "font_weight='bold' font_italic='true'");
    else
      Context.Write(" block_space_before='+ 12 pt' block_space_after='0 pt' font_italic='true'");
    Context.Write(">\n" + (h.Number.IsEmpty() ? ZQ_String() : h.Number + ". ") + h.Title +
                  "\n</zqfo_para>\n");
    FinishSection(Context, State, givenId, h);
  }
};

}  // namespace

ZQXTR_Rule* ZQRPT_NewDocumentSectionRule() { return new ZQRPT_Rule_DocumentSection; }
ZQXTR_Rule* ZQRPT_NewChapterSectionRule() { return new ZQRPT_Rule_ChapterSection; }
ZQXTR_Rule* ZQRPT_NewOtherSectionsRule() { return new ZQRPT_Rule_OtherSections; }

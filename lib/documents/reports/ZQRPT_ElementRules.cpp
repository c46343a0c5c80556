// The rules of the report elements but the sections (ZQRPT_SectionRules.cpp),
// one class per element, added in their fixed order.
#include "ZQRPT_FormattingStylesheet.h"
#include "ZQRPT_RuleSupport.h"

#include <algorithm>
#include <cstring>

#include "ZQFO_DocumentParser.h"
#include "ZQXML_Node.h"
#include "ZQXML_TextEncoding.h"
#include "ZQ_AbstractStringSymbolReplacer.h"
#include "ZQ_Internationalization.h"
#include "ZQ_SequenceNameGenerator.h"

namespace {

const char* const kClosing = "</zqfo_flowgroup>";

bool IsListElement(const ZQXML_Node* Node) {
  if (!Node || Node->GetType() != ZQXML_NodeType_Element) return false;
  const ZQ_String name = Node->GetName();
  return name == "orderedlist" || name == "unorderedlist";
}

// Writes Opening, the id when CopiesId, ">", the children and Closing.
class ZQRPT_WrapRule : public ZQRPT_ElementRule {
 public:
  ZQRPT_WrapRule(const char* Element, const char* Opening, bool CopiesId,
                 const char* Closing = kClosing)
      : ZQRPT_ElementRule(Element), Opening(Opening), CopiesId(CopiesId), Closing(Closing) {}
  void Apply(ZQXTR_RuleContext& Context) const override {
    Context.Write(Opening);
    if (CopiesId) Context.CopyAttribute("id");
    Context.Write(">");
    Context.ApplyChildren();
    Context.Write(Closing);
  }

 private:
  const char* Opening;
  bool CopiesId;
  const char* Closing;
};

#define ZQRPT_WRAP_RULE(Class, Element, Opening, CopiesId, ...)                        \
  class Class : public ZQRPT_WrapRule {                                                \
   public:                                                                             \
    Class() : ZQRPT_WrapRule(Element, Opening, CopiesId, ##__VA_ARGS__) {}            \
    ZQXTR_Rule* Clone() const override { return new Class(*this); }                    \
  };

ZQRPT_WRAP_RULE(ZQRPT_Rule_Para, "para", "<zqfo_para", true, "\n</zqfo_para>\n")
ZQRPT_WRAP_RULE(ZQRPT_Rule_Pre, "pre",
                "<zqfo_para font_family='monospace' font_height='10 pt' line_preformatted='true'",
                true, "</zqfo_para>\n")
ZQRPT_WRAP_RULE(ZQRPT_Rule_Exhibit, "exhibit", "\n<zqfo_blockgroup block_justification='center'",
                true, "</zqfo_blockgroup>\n")
ZQRPT_WRAP_RULE(ZQRPT_Rule_Bold, "bold", "<zqfo_flowgroup font_weight='bold'", false)
ZQRPT_WRAP_RULE(ZQRPT_Rule_Italic, "italic", "<zqfo_flowgroup font_italic='true'", false)
ZQRPT_WRAP_RULE(ZQRPT_Rule_Underline, "underline", "<zqfo_flowgroup font_underline='true'", false)
ZQRPT_WRAP_RULE(ZQRPT_Rule_Superscript, "superscript",
                "<zqfo_flowgroup line_vertical_alignment='superscript' font_height='67 %'", false)
ZQRPT_WRAP_RULE(ZQRPT_Rule_Subscript, "subscript",
                "<zqfo_flowgroup line_vertical_alignment='subscript' font_height='67 %'", false)
ZQRPT_WRAP_RULE(ZQRPT_Rule_FileText, "filetext", "<zqfo_flowgroup font_family='monospace'", true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_FixedText, "fixedtext", "<zqfo_flowgroup font_family='monospace'", true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_TermText, "termtext", "<zqfo_flowgroup font_italic='true'", true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_KeyText, "keytext",
                "<zqfo_flowgroup font_family='sansserif' font_height='- 2 pt'", true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_MenuText, "menutext",
                "<zqfo_flowgroup font_family='sansserif' font_height='- 2 pt'", true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_MenuShortcut, "menushortcut", "<zqfo_flowgroup font_underline='true'",
                false)
ZQRPT_WRAP_RULE(ZQRPT_Rule_CommandInput, "commandinput",
                "<zqfo_flowgroup font_height='- 2 pt' font_family='monospace' font_weight='bold' ",
                true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_CommandPrompt, "commandprompt",
                "<zqfo_flowgroup font_height='- 2 pt' font_family='monospace' "
                "text_color='standard color - gray text' ",
                true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_CommandOutput, "commandoutput",
                "<zqfo_flowgroup font_height='- 2 pt' font_family='monospace' ", true)
ZQRPT_WRAP_RULE(ZQRPT_Rule_CommandParam, "commandparam",
                "<zqfo_flowgroup font_height='- 2 pt' font_family='monospace' font_italic='true' "
                "font_weight='bold' ",
                true)
// Without a rule of its own a blockquote's flow content would land straight
// in a block context, which documents refuse.
ZQRPT_WRAP_RULE(ZQRPT_Rule_Blockquote, "blockquote", "<zqfo_para block_left_indent='+ 0.35 in'",
                true, "\n</zqfo_para>\n")

// Writes a fixed text and nothing of the children.
class ZQRPT_Rule_Linebreak : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Linebreak() : ZQRPT_ElementRule("linebreak") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Linebreak(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override { Context.Write("<zqfo_linebreak/>"); }
};

class ZQRPT_Rule_Raw_Codes_HTML : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Raw_Codes_HTML() : ZQRPT_ElementRule("raw_codes_html") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Raw_Codes_HTML(*this); }
  void Apply(ZQXTR_RuleContext&) const override {}
};

// Document markup passed through as it stands.
class ZQRPT_Rule_Raw_Codes_ZQFO : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Raw_Codes_ZQFO() : ZQRPT_ElementRule("raw_codes_zqfo") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Raw_Codes_ZQFO(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    Context.Write(Context.CurrentNode->GetValue());
  }
};

// Elements this stylesheet does not render: one log line per name and run.
class ZQRPT_NotShownRule : public ZQRPT_ElementRule {
 public:
  ZQRPT_NotShownRule(const char* Element, const char* OtherElement)
      : ZQRPT_ElementRule(Element, OtherElement) {}
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQRPT_StandardOptions* state = Context.GetAdditionalInfo<ZQRPT_StandardOptions>();
    const ZQ_String& name = Context.GetCurrentElementName();
    if (state && !state->NotShownLogged.KeyExists(name)) {
      state->NotShownLogged.Set(name, true);
      ZQRPT_LogLine("Report element not shown: " + name);
    }
  }
};

class ZQRPT_Rule_Tagline : public ZQRPT_NotShownRule {
 public:
  ZQRPT_Rule_Tagline() : ZQRPT_NotShownRule("tagline", "tagimage") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Tagline(*this); }
};

class ZQRPT_Rule_DefList : public ZQRPT_NotShownRule {
 public:
  ZQRPT_Rule_DefList() : ZQRPT_NotShownRule("deflist", nullptr) {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_DefList(*this); }
};

class ZQRPT_Rule_Root : public ZQXTR_Rule {
 public:
  ZQRPT_Rule_Root() : ZQXTR_Rule(0.0, 0) {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Root(*this); }
  bool Matches(const ZQXTR_RuleContext& Context) const override {
    return Context.CurrentNode->GetType() == ZQXML_NodeType_Document;
  }
  void Apply(ZQXTR_RuleContext& Context) const override {
    Context.Write("<?xml version='1.0'?>\n\n<zqfo_document>\n");
    Context.ApplyChildren();
    Context.Write("</zqfo_document>\n");
  }
};

// A comment of the report, shown in grey italics while ZQXTR_ShowComments
// is set: inline in flow parents, as a paragraph in block parents, not at
// all elsewhere.
class ZQXTR_Rule_Comment : public ZQXTR_Rule {
 public:
  ZQXTR_Rule_Comment() : ZQXTR_Rule(0.0, 0) {}
  ZQXTR_Rule* Clone() const override { return new ZQXTR_Rule_Comment(*this); }
  bool Matches(const ZQXTR_RuleContext& Context) const override {
    return Context.CurrentNode->GetType() == ZQXML_NodeType_Comment && ZQXTR_ShowComments.GetValue();
  }
  void Apply(ZQXTR_RuleContext& Context) const override {
    static const char* const kFlowParents[] = {
        "para", "tablecell", "tableblockcell", "link", "title", "tagline", "tagimage",
        "superscript", "subscript", "filetext", "fixedtext", "termtext", "commandinput",
        "commandprompt", "commandoutput", "commandparam", "keytext", "menutext", "menushortcut",
        "bold", "italic", "underline", "pre"};
    static const char* const kBlockParents[] = {
        "section", "orderedlist", "unorderedlist", "listitem", "note", "caption", "exhibit",
        "raw_codes_zqfo", "raw_codes_html"};
    const bool isInline = ParentIsOneOf(Context, kFlowParents);
    const bool isBlock = !isInline && ParentIsOneOf(Context, kBlockParents);
    if (!isInline && !isBlock) return;
    if (isBlock) Context.Write("\n<zqfo_para>\n");
    Context.Write(" <zqfo_flowgroup text_color='standard color - gray text' font_italic='true'> (");
    Context.WriteText(0);
    Context.Write(") </zqfo_flowgroup> ");
    if (isBlock) Context.Write("\n</zqfo_para>\n");
  }

 private:
  template <size_t N>
  static bool ParentIsOneOf(const ZQXTR_RuleContext& Context, const char* const (&Names)[N]) {
    for (const char* name : Names)
      if (Context.ParentNameIs(name)) return true;
    return false;
  }
};

class ZQRPT_Rule_Table : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Table() : ZQRPT_ElementRule("table") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Table(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    Context.Write("<zqfo_table");
    Context.CopyAttribute("id");
    Context.Write(">\n");
    Context.PushAdditionalInfo(new ZQRPT_TableContext);
    Context.ApplyChildren();
    Context.PopAdditionalInfo();
    Context.Write("\n</zqfo_table>\n");
  }
};

class ZQRPT_Rule_TableHeader : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_TableHeader() : ZQRPT_ElementRule("tableheader") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_TableHeader(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQRPT_TableContext* table = ZQRPT_FindRecord<ZQRPT_TableContext>(Context);
    Context.ApplyChildren();
    if (!table) return;
    bool hasText = false;
    for (long i = 0; i < table->NumColumns; ++i) hasText |= !table->ColumnInfo[i].HeaderText.IsEmpty();
    if (!hasText) return;
    Context.Write(
        "<zqfo_row background_color='standard color - subtle highlighted background' "
        "text_color='standard color - subtle highlighted text' font_weight='bold' "
        "cell_bottom_border_thickness='2 pt' cell_bottom_border_color='standard color - default "
        "text' justification='center'>\n");
    for (long i = 0; i < table->NumColumns; ++i) {
      Context.Write("<zqfo_flowcell>");
      Context.Write(ZQRPT_Encode(table->ColumnInfo[i].HeaderText));
      Context.Write("</zqfo_flowcell>\n");
    }
    Context.Write("</zqfo_row>\n");
  }
};

class ZQRPT_Rule_TableColumnHeader : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_TableColumnHeader() : ZQRPT_ElementRule("tablecolumnheader") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_TableColumnHeader(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQRPT_TableContext* table = ZQRPT_FindRecord<ZQRPT_TableContext>(Context);
    if (!table) return;
    const ZQ_String horzjust = Context.CurrentNode->GetAttributeValue("horzjust", "center");
    ZQ_String justification = "center";
    if (horzjust == "left")
      justification = "left";
    else if (horzjust == "right" || horzjust == "decimal")
      justification = "right";
    else if (horzjust != "center")
      ZQ_ASSERT(false);
    table->ColumnInfo[table->NumColumns++] = {Context.CurrentNode->GetValue(), justification};
  }
};

class ZQRPT_Rule_TableRow : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_TableRow() : ZQRPT_ElementRule("tablerow") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_TableRow(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQRPT_TableContext* table = ZQRPT_FindRecord<ZQRPT_TableContext>(Context);
    if (!table) return Context.ApplyChildren();
    table->CurrentColumn = 0;
    Context.Write("<zqfo_row");
    Context.CopyAttribute("id");
    Context.Write(">\n");
    Context.ApplyChildren();
    Context.Write("</zqfo_row>\n");
  }
};

// Both cell kinds. A cell past the header's last column writes no
// justification and inherits the row's: the document DTD has no empty one.
class ZQRPT_Rule_TableCell : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_TableCell() : ZQRPT_ElementRule("tablecell", "tableblockcell") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_TableCell(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQRPT_TableContext* table = ZQRPT_FindRecord<ZQRPT_TableContext>(Context);
    if (!table) return Context.ApplyChildren();
    const char* kind = Context.CurrentNameIs("tablecell") ? "flow" : "block";
    Context.Write(ZQ_String("<zqfo_") + kind + "cell");
    if (table->CurrentColumn < table->NumColumns)
      Context.Write(" justification='" + table->ColumnInfo[table->CurrentColumn].Justification + "'");
    ZQRPT_CopySizeAttributes(Context);
    Context.CopyAttribute("id");
    Context.Write(">\n");
    Context.ApplyChildren();
    Context.Write(ZQ_String("</zqfo_") + kind + "cell>\n");
    ++table->CurrentColumn;
  }
};

// Both list kinds: a list record for the items, and a block group when the
// list has an id, is nested directly in a list or is compact.
class ZQRPT_ListRule : public ZQRPT_ElementRule {
 public:
  explicit ZQRPT_ListRule(const char* Element) : ZQRPT_ElementRule(Element) {}
  void Apply(ZQXTR_RuleContext& Context) const override {
    auto* list = new ZQRPT_ListContext;
    Context.PushAdditionalInfo(list);
    const ZQXML_Node* node = Context.CurrentNode;
    if (Context.CurrentNameIs("orderedlist")) {
      list->BulletTemplate = "{ItemNumber 1}.";
    } else {
      list->IsCompact = node->GetAttributeValue("style", ZQ_String()) == "compact";
      list->BulletTemplate = list->IsCompact
                                 ? "<zqfo_symbol font_height='- 2 pt' name='bullet_round_solid'/>"
                                 : "<zqfo_symbol name='bullet_round_solid'/>";
    }
    const ZQ_String id = node->GetAttributeValue("id", ZQ_String());
    const bool isNested = IsListElement(node->GetParent());
    if (id.IsEmpty() && !isNested && !list->IsCompact) {
      Context.ApplyChildren();
    } else {
      Context.Write("<zqfo_blockgroup");
      if (!id.IsEmpty()) Context.Write(" id='" + id + "'");
      if (isNested) Context.Write(ZQ_String("  block_left_indent='+ ") + ZQRPT_ListIndent + "'");
      if (list->IsCompact) Context.Write("  block_space_before='0 mm'  block_space_after='3 pt'");
      Context.Write(">");
      Context.ApplyChildren();
      Context.Write("</zqfo_blockgroup>");
    }
    Context.PopAdditionalInfo();
  }
};

class ZQRPT_Rule_OrderedList : public ZQRPT_ListRule {
 public:
  ZQRPT_Rule_OrderedList() : ZQRPT_ListRule("orderedlist") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_OrderedList(*this); }
};

class ZQRPT_Rule_UnorderedList : public ZQRPT_ListRule {
 public:
  ZQRPT_Rule_UnorderedList() : ZQRPT_ListRule("unorderedlist") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_UnorderedList(*this); }
};

// The first paragraph in the first-list-item mode (with the bullet), the
// rest indented.
class ZQRPT_Rule_ListItem : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_ListItem() : ZQRPT_ElementRule("listitem") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_ListItem(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQRPT_ListContext* list = ZQRPT_FindRecord<ZQRPT_ListContext>(Context);
    if (!list) return Context.ApplyChildren();
    const ZQ_String id = Context.CurrentNode->GetAttributeValue("id", ZQ_String());
    if (!id.IsEmpty()) Context.Write("<zqfo_blockgroup id='" + id + "'>\n");
    const ZQXML_Node* firstPara = Context.CurrentNode->FindChildElement("para");
    Context.PushMode(ZQRPT_GetFirstListItemMode());
    Context.ApplyChildren([firstPara](const ZQXML_Node& Child) { return &Child == firstPara; });
    Context.PopMode();
    Context.Write(ZQ_String("<zqfo_blockgroup block_left_indent='+ ") + ZQRPT_ListIndent + "'>\n");
    Context.ApplyChildren([firstPara](const ZQXML_Node& Child) { return &Child != firstPara; });
    Context.Write("</zqfo_blockgroup>\n");
    ++list->ItemNumber;
    if (!id.IsEmpty()) Context.Write("</zqfo_blockgroup>");
  }
};

// "{ItemNumber A}", "{ItemNumber a}" or "{ItemNumber 1}": the item number
// of the innermost list as a letter or in decimal. (The class name keeps its
// historical spelling.)
class BullerSymbolReplacer : public ZQ_AbstractStringSymbolReplacer {
 public:
  explicit BullerSymbolReplacer(long ItemNumber) : ItemNumber(ItemNumber) {}
  bool ProcessSymbol(ZQ_String& SymbolText, const ZQ_String& SymbolParameters) override {
    if (SymbolText != "ITEMNUMBER") return false;
    const ZQ_String style = ZQ_StripChar(SymbolParameters, ZQ_Strip_Both, ' ');
    const int index = static_cast<int>(ItemNumber - 1);
    if (style == "A")
      SymbolText = ZQ_UpperCaseLetterSequence.GetName(index);
    else if (style == "a")
      SymbolText = ZQ_LowerCaseLetterSequence.GetName(index);
    else
      SymbolText = ZQ_NumberSequence.GetName(index);
    return true;
  }

 private:
  long ItemNumber;
};

class ZQRPT_Rule_Para_FirstListItemMode : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Para_FirstListItemMode() : ZQRPT_ElementRule("para") {
    Mode = ZQRPT_GetFirstListItemMode();
  }
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Para_FirstListItemMode(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQRPT_ListContext* list = ZQRPT_FindRecord<ZQRPT_ListContext>(Context);
    if (!list) return Context.ApplyChildren();
    const ZQ_String indent(ZQRPT_ListIndent);
    Context.Write("<zqfo_para line_first_indent = '0 in' line_subsequent_indent = '" + indent + "'");
    Context.CopyAttribute("id");
    Context.Write(">\n<zqfo_bullet width = '" + indent + "'>");
    Context.Write(BullerSymbolReplacer(list->ItemNumber).Process(list->BulletTemplate));
    Context.Write("</zqfo_bullet>\n");
    Context.ApplyChildren();
    Context.Write("\n</zqfo_para>\n");
  }
};

// The body first, then the title, so that titles sit below what they name.
class ZQRPT_Rule_Caption : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Caption() : ZQRPT_ElementRule("caption") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Caption(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    Context.Write("\n<zqfo_blockgroup block_justification='center'");
    Context.CopyAttribute("id");
    Context.Write(">\n");
    Context.ApplyChildren([](const ZQXML_Node& Child) { return !ZQRPT_IsTitle(Child); });
    Context.Write("\n");
    Context.ApplyChildren([](const ZQXML_Node& Child) { return ZQRPT_IsTitle(Child); });
    Context.Write("</zqfo_blockgroup>\n");
  }
};

class ZQRPT_Rule_CaptionTitle : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_CaptionTitle() : ZQRPT_ElementRule("title") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_CaptionTitle(*this); }
  bool Matches(const ZQXTR_RuleContext& Context) const override {
    return ZQRPT_ElementRule::Matches(Context) && Context.ParentNameIs("caption");
  }
  void Apply(ZQXTR_RuleContext& Context) const override {
    const auto* options = ZQRPT_FindRecord<ZQRPT_FormattingStylesheetOptions>(Context);
    ZQRPT_StandardOptions* state = ZQRPT_FindRecord<ZQRPT_StandardOptions>(Context);
    if (!options || !state) return Context.ApplyChildren();
    const bool isNumbered = options->GetNumberCaptions();
    Context.Write(
        "<zqfo_para font_height='- 2 pt' justification='center' block_keep_together='true' "
        "block_break_before='never'");
    Context.Write(isNumbered ? ">\n" : " font_weight='bold'>\n");
    if (isNumbered)
      Context.Write("<zqfo_flowgroup font_weight='bold'>" + ZQRPT_MakeCaptionLabel(Context, *state) +
                    "</zqfo_flowgroup> ");
    Context.ApplyChildren();
    Context.Write("\n</zqfo_para>\n");
  }
};

class ZQRPT_Rule_Note : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Note() : ZQRPT_ElementRule("note") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Note(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    static const struct {
      const char* Type;
      const char* Label;
      const char* Icon;
      int WidthMm;
    } kNotes[] = {{"note", "Note", "ZQRPT_NoteIcon_Note", 12},
                  {"tip", "Tip", "ZQRPT_NoteIcon_Tip", 8},
                  {"important", "Important", "ZQRPT_NoteIcon_Important", 8},
                  {"caution", "Caution", "ZQRPT_NoteIcon_Caution", 8},
                  {"warning", "Warning", "ZQRPT_NoteIcon_Warning", 8},
                  {"danger", "Danger", "ZQRPT_NoteIcon_Danger", 8},
                  {"error", "Error", "ZQRPT_NoteIcon_Error", 8},
                  {"success", "Success", "ZQRPT_NoteIcon_Success", 8}};
    const ZQ_String type = Context.CurrentNode->GetAttributeValue("type", "note");
    const auto* note = std::find_if(std::begin(kNotes), std::end(kNotes),
                                    [&](const auto& Row) { return type == Row.Type; });
    if (note == std::end(kNotes)) {
      ZQ_ASSERT(false);
      return Context.ApplyChildren();
    }
    const ZQ_String id = Context.CurrentNode->GetAttributeValue("id", ZQ_String());
    if (!id.IsEmpty()) Context.Write("<zqfo_blockgroup id='" + id + "'>");
    Context.Write(
        "<zqfo_para block_keep_together='true' block_break_after='never' justification='left' "
        "font_weight='bold' font_italic='true'> <zqfo_img src='intres:");
    Context.Write(ZQ_String(note->Icon) + "' width='" + ZQ_ToString(note->WidthMm) +
                  " mm' standard_colors='true'/>\n");
    Context.Write(ZQRPT_Encode(ZQ_Internationalization_Translate(note->Label)) + ":\n</zqfo_para>\n");
    Context.Write("<zqfo_blockgroup block_left_indent='+ 0.4 in'>\n");
    Context.ApplyChildren();
    Context.Write("\n</zqfo_blockgroup>\n");
    if (!id.IsEmpty()) Context.Write("</zqfo_blockgroup>");
  }
};

// An img or picture; in a caption or exhibit, in a paragraph of its own.
class ZQRPT_ImageRule : public ZQRPT_ElementRule {
 public:
  ZQRPT_ImageRule(const char* Element, const char* Opening, const char* Attributes)
      : ZQRPT_ElementRule(Element), Opening(Opening), Attributes(Attributes) {}
  void Apply(ZQXTR_RuleContext& Context) const override {
    const bool isBlock = Context.ParentNameIs("caption") || Context.ParentNameIs("exhibit");
    if (isBlock) Context.Write("<zqfo_para>");
    Context.Write(Opening);
    for (const char* name = Attributes; *name; name += strlen(name) + 1) {
      if (strcmp(name, "size") == 0)
        ZQRPT_CopySizeAttributes(Context);
      else
        Context.CopyAttribute(name);
    }
    Context.Write("/>");
    if (isBlock) Context.Write("</zqfo_para>");
  }

 private:
  const char* Opening;
  const char* Attributes;  // names, each ended by a NUL, the last by two
};

class ZQRPT_Rule_Img : public ZQRPT_ImageRule {
 public:
  ZQRPT_Rule_Img()
      : ZQRPT_ImageRule("img", "<zqfo_img ", "src\0resample\0standard_colors\0size\0id\0") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Img(*this); }
};

class ZQRPT_Rule_Picture : public ZQRPT_ImageRule {
 public:
  ZQRPT_Rule_Picture() : ZQRPT_ImageRule("picture", "<zqfo_picture ", "name\0size\0id\0") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Picture(*this); }
};

// A name that documents do not know (from a tree read without the report
// DTD) becomes a visible error text instead of markup they refuse.
class ZQRPT_Rule_Symbol : public ZQRPT_ImageRule {
 public:
  ZQRPT_Rule_Symbol() : ZQRPT_ImageRule("symbol", "<zqfo_symbol ", "name\0") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Symbol(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    const ZQ_String name = Context.CurrentNode->GetAttributeValue("name", ZQ_String());
    if (ZQFO_IsSymbolName(name)) return ZQRPT_ImageRule::Apply(Context);
    ZQRPT_LogLine("ERROR - Unknown symbol - '" + name + "'");
    Context.Write("<zqfo_flowgroup text_color='standard color - error text'>[ERROR - Unknown Symbol " +
                  ZQRPT_Encode(name) + "]</zqfo_flowgroup>");
  }
};

// The generated reference is filled in at the end, so later targets
// resolve too; a following text that starts with white space gets a comma
// before it, so the reference reads as an apposition.
class ZQRPT_Rule_IRef : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_IRef() : ZQRPT_ElementRule("iref") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_IRef(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    const ZQXML_Node* node = Context.CurrentNode;
    const ZQ_String alt = node->GetAttributeValue("alt", ZQ_String());
    if (!alt.IsEmpty()) {
      Context.Write(" " + ZQRPT_Encode(alt) + " ");
      return;
    }
    Context.AddFixup(new ZQXTR_RuleContext_Fixup_InsetIdRef(node->GetAttributeValue("target", ZQ_String())));
    const ZQXML_Node* text = FirstTextAfter(node);
    if (text && !text->GetValue().IsEmpty() && strchr(" \n\r\t", text->GetValue()[0]))
      Context.Write(",");
  }

 private:
  // The first text node among the following siblings and their subtrees.
  static const ZQXML_Node* FirstTextAfter(const ZQXML_Node* Node) {
    for (const ZQXML_Node* sibling = Node->GetNextSibling(); sibling;
         sibling = sibling->GetNextSibling()) {
      if (const ZQXML_Node* text = FirstTextIn(sibling)) return text;
    }
    return nullptr;
  }
  static const ZQXML_Node* FirstTextIn(const ZQXML_Node* Node) {
    if (Node->GetType() == ZQXML_NodeType_Text) return Node;
    for (const ZQXML_Node* child = Node->GetFirstChild(); child; child = child->GetNextSibling())
      if (const ZQXML_Node* text = FirstTextIn(child)) return text;
    return nullptr;
  }
};

class ZQRPT_Rule_Link : public ZQRPT_ElementRule {
 public:
  ZQRPT_Rule_Link() : ZQRPT_ElementRule("link") {}
  ZQXTR_Rule* Clone() const override { return new ZQRPT_Rule_Link(*this); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    ZQ_String target = Context.CurrentNode->GetAttributeValue("target", ZQ_String());
    if (target.IsEmpty()) target = Context.CurrentNode->GetValue();
    Context.Write("<zqfo_flowgroup  link_target = '" + ZQRPT_Encode(target) +
                  "' hyperlink_text_color='standard color - hyperlink text'");
    Context.CopyAttribute("id");
    Context.Write(">");
    Context.ApplyChildren();
    Context.Write(kClosing);
  }
};

}  // namespace

void ZQRPT_AddElementRules(ZQXTR_Stylesheet& Stylesheet, const ZQRPT_FormattingStylesheetOptions&) {
  ZQXTR_Rule* const kRules[] = {
      new ZQRPT_Rule_Root, new ZQXTR_Rule_Comment, new ZQRPT_Rule_Para, new ZQRPT_Rule_Table,
      new ZQRPT_Rule_TableHeader, new ZQRPT_Rule_TableColumnHeader, new ZQRPT_Rule_TableRow,
      new ZQRPT_Rule_TableCell, new ZQRPT_Rule_OrderedList, new ZQRPT_Rule_UnorderedList,
      new ZQRPT_Rule_ListItem, new ZQRPT_Rule_Para_FirstListItemMode, new ZQRPT_Rule_Caption,
      new ZQRPT_Rule_Exhibit, new ZQRPT_Rule_CaptionTitle, new ZQRPT_Rule_Note,
      new ZQRPT_Rule_Tagline, new ZQRPT_Rule_DefList, new ZQRPT_Rule_Pre,
      ZQRPT_NewDocumentSectionRule(), ZQRPT_NewChapterSectionRule(), ZQRPT_NewOtherSectionsRule(),
      new ZQRPT_Rule_Raw_Codes_ZQFO, new ZQRPT_Rule_Raw_Codes_HTML, new ZQRPT_Rule_Bold,
      new ZQRPT_Rule_Italic, new ZQRPT_Rule_Underline, new ZQRPT_Rule_Superscript,
      new ZQRPT_Rule_Subscript, new ZQRPT_Rule_Img, new ZQRPT_Rule_Picture, new ZQRPT_Rule_Symbol,
      new ZQRPT_Rule_IRef, new ZQRPT_Rule_Link, new ZQRPT_Rule_FileText, new ZQRPT_Rule_FixedText,
      new ZQRPT_Rule_TermText, new ZQRPT_Rule_KeyText, new ZQRPT_Rule_MenuText,
      new ZQRPT_Rule_MenuShortcut, new ZQRPT_Rule_Linebreak, new ZQRPT_Rule_CommandInput,
      new ZQRPT_Rule_CommandPrompt, new ZQRPT_Rule_CommandOutput, new ZQRPT_Rule_CommandParam,
      new ZQRPT_Rule_Blockquote};
  for (ZQXTR_Rule* rule : kRules) Stylesheet.AddRule(rule);
}

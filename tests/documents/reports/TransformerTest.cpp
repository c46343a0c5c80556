#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "ZQXML_NodeKinds.h"
#include "ZQXML_Tree.h"
#include "ZQXTR_RuleContext.h"
#include "ZQXTR_Stylesheet.h"

namespace {

ZQXML_Tree Read(const char* Text) { return ZQXML_Reader(Text).Read(); }

// Takes the elements of one name (any element when empty) and runs Body.
class TestRule : public ZQXTR_Rule {
 public:
  using Body = std::function<void(ZQXTR_RuleContext&)>;
  TestRule(double Priority, int Mode, const char* Element, Body Run)
      : ZQXTR_Rule(Priority, Mode), Element(Element), Run(std::move(Run)) {}
  ZQXTR_Rule* Clone() const override {
    ++s_clones;
    return new TestRule(*this);
  }
  bool Matches(const ZQXTR_RuleContext& Context) const override {
    return Element.empty() ? !Context.GetCurrentElementName().IsEmpty()
                           : Context.CurrentNameIs(Element.c_str());
  }
  void Apply(ZQXTR_RuleContext& Context) const override { Run(Context); }
  static int s_clones;

 private:
  std::string Element;
  Body Run;
};
int TestRule::s_clones = 0;

TestRule* Writes(double Priority, int Mode, const char* Element, const char* Text) {
  return new TestRule(Priority, Mode, Element, [Text](ZQXTR_RuleContext& C) {
    C.Write(Text);
    C.ApplyChildren();
  });
}

// Records whose destruction the tests count.
struct CountedRecord : ZQXTR_RuleContextAdditionalInfo {
  explicit CountedRecord(int Tag = 0) : Tag(Tag) { ++s_alive; }
  ~CountedRecord() override { --s_alive; }
  int Tag;
  static int s_alive;
};
int CountedRecord::s_alive = 0;

struct TextFixup : ZQXTR_RuleContext_Fixup {
  explicit TextFixup(const char* Text) : Text(Text) { ++CountedRecord::s_alive; }
  ~TextFixup() override { --CountedRecord::s_alive; }
  void Perform(ZQ_StringStream& Output, ZQXTR_RuleContext&) override {
    if (!Text) throw ZQ_Exception("fix-up", "thrown");
    Output += Text;
  }
  const char* Text;
};

std::string Apply(const ZQXTR_Stylesheet& Sheet, const char* Xml) {
  return AsStd(Sheet.Apply(Read(Xml)));
}

std::string AssertionOf(const std::function<void()>& Statement) {
  try {
    Statement();
  } catch (const ZQ_Exception& e) {
    return AsStd(e.GetDescription());
  }
  return "";
}

}  // namespace

TEST(ZQXTR_Stylesheet, DefaultRulesWriteTheEscapedTextWithoutTags) {
  EXPECT_EQ(Apply(ZQXTR_Stylesheet(), "<r>a <!--c--><b t='1'>x&amp;y\n'\"</b>\xE9<?p x?></r>"),
            "<?xml version='1.0'?>\n\na x&#38;y\n&#39;&#34;&#233;");
}

TEST(ZQXTR_Stylesheet, ChoosesByModeThenPriorityThenLaterRule) {
  const int mode = ZQXTR_GetNewRuleMode();
  const int other = ZQXTR_GetNewRuleMode();
  struct Row {
    double priority;
    int mode;
    const char* text;
  };
  const struct {
    std::vector<Row> rules;
    bool pushesMode;
    const char* want;
    const char* why;
  } kCases[] = {
      {{{0, 0, "1"}, {0, 0, "2"}}, false, "2", "equal priorities: the rule added later"},
      {{{5, 0, "1"}, {0, 0, "2"}}, false, "1", "the higher priority"},
      {{{-9, mode, "M"}, {9, 0, "0"}}, true, "M", "the mode on top beats any mode-0 priority"},
      {{{-9, mode, "M"}, {9, 0, "0"}}, false, "0", "a mode rule is passed over off its mode"},
      {{{9, other, "O"}, {-9, mode, "M"}}, true, "M", "another mode's rule does not stop the search"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQXTR_Stylesheet sheet;
    sheet.AddRule(new TestRule(0, 0, "r", [&c, mode](ZQXTR_RuleContext& C) {
      if (c.pushesMode) C.PushMode(mode);
      C.ApplyChildren();
    }));
    for (const Row& row : c.rules) sheet.AddRule(Writes(row.priority, row.mode, "b", row.text));
    EXPECT_EQ(Apply(sheet, "<r><b/></r>").substr(23), c.want);
  }
}

TEST(ZQXTR_Stylesheet, SortsOnlyAfterAChangeAndCopiesOnWrite) {
  ZQXTR_Stylesheet sheet;
  sheet.AddRule(Writes(0, 0, "b", "B"));
  Apply(sheet, "<b/>");
  Apply(sheet, "<b/>");
  EXPECT_EQ(sheet.GetImp().NumCacheUpdates, 1);
  ZQXTR_Stylesheet copy = sheet;
  EXPECT_EQ(&copy.GetImp(), &sheet.GetImp());
  TestRule::s_clones = 0;
  copy.AddRule(Writes(1, 0, "b", "C"));
  EXPECT_EQ(TestRule::s_clones, 1);
  EXPECT_EQ(Apply(sheet, "<b/>").substr(23), "B");
  EXPECT_EQ(Apply(copy, "<b/>").substr(23), "C");
  EXPECT_EQ(sheet.GetImp().Rules.GetNumElements(), 4);
  EXPECT_EQ(copy.GetImp().Rules.GetNumElements(), 5);
  EXPECT_EQ(sheet.GetImp().NumCacheUpdates, 1);
}

TEST(ZQXTR_Stylesheet, RunsSetupRulesOncePerApplyBeforeTheRoot) {
  int runs = 0;
  ZQXTR_Stylesheet sheet;
  sheet.AddRule(new TestRule(0, 1, "", [&runs](ZQXTR_RuleContext& C) { C.Write(std::to_string(++runs).c_str()); }));
  sheet.AddRule(new TestRule(5, 1, "", [](ZQXTR_RuleContext& C) { C.Write("first"); }));
  EXPECT_EQ(Apply(sheet, "<r/>"), "first1<?xml version='1.0'?>\n\n");
  EXPECT_EQ(Apply(sheet, "<r/>"), "first2<?xml version='1.0'?>\n\n");
}

TEST(ZQXTR_RuleContext, WritesTextAndAttributesEscaped) {
  ZQXTR_Stylesheet sheet;
  sheet.AddRule(new TestRule(0, 0, "e", [](ZQXTR_RuleContext& C) {
    for (const char* name : {"absent", "empty", "lf", "odd"}) C.CopyAttribute(name);
    C.ApplyChildren();
  }));
  sheet.AddRule(new TestRule(0, 0, "t", [](ZQXTR_RuleContext& C) {
    C.Write(C.ParentNameIs("e") ? "in-e" : "not-in-e");
  }));
  sheet.AddRule(new TestRule(0, 1, "", [](ZQXTR_RuleContext& C) {
    EXPECT_TRUE(C.CurrentNameIs("")) << "the document node has no element name";
    EXPECT_FALSE(C.ParentNameIs("")) << "nor a parent";
  }));
  EXPECT_EQ(Apply(sheet, "<e empty='' lf='a&#10;b' odd='`~{}#%^sj3w9fsdlj234o9sdfjl - ZQXTR Unlikely "
                         "Value'>x\n\xE9<t/></e>").substr(23),
            " empty='' lf='a&#10;b'x\n&#233;in-e");
}

TEST(ZQXTR_RuleContext, VisitsFilteredChildrenInOrderAndRestoresTheNode) {
  ZQXTR_Stylesheet sheet;
  sheet.AddRule(new TestRule(0, 0, "r", [](ZQXTR_RuleContext& C) {
    C.ApplyChildren([&C](const ZQXML_Node& Child) {
      EXPECT_NE(C.CurrentNode, &Child);  // asked before the child becomes current
      return Child.GetName() != "skip";
    });
    C.Write(C.CurrentNameIs("r") ? "|r" : "|?");
  }));
  sheet.AddRule(new TestRule(-1, 0, "", [](ZQXTR_RuleContext& C) { C.Write(C.GetCurrentElementName()); }));
  EXPECT_EQ(Apply(sheet, "<r><a/><skip/>t<b/></r>").substr(23), "atb|r");
}

TEST(ZQXTR_RuleContext, FindsTheNewestRecordAndSplicesFixupsInOrder) {
  ZQXTR_Stylesheet sheet;
  sheet.AddRule(new TestRule(0, 1, "", [](ZQXTR_RuleContext& C) { C.AddFixup(new TextFixup("{0}")); }));
  sheet.AddRule(new TestRule(0, 0, "r", [](ZQXTR_RuleContext& C) {
    EXPECT_EQ(C.GetAdditionalInfo<CountedRecord>(), nullptr);
    C.PushAdditionalInfo(new CountedRecord(1));
    C.PushAdditionalInfo(new ZQXTR_RuleContextAdditionalInfo);
    C.PushAdditionalInfo(new CountedRecord(2));
    EXPECT_EQ(C.GetAdditionalInfo<CountedRecord>()->Tag, 2);
    C.PopAdditionalInfo();
    EXPECT_EQ(C.GetAdditionalInfo<CountedRecord>()->Tag, 1);
    C.Write("ab");
    C.AddFixup(new TextFixup("{1}"));
    C.AddFixup(new TextFixup("{2}"));
    C.Write("c" + C.GetUniqueName());
    C.Write(C.GetUniqueName());
    C.AddFixup(new TextFixup("{end}"));
  }));
  const char* const kWant = "{0}<?xml version='1.0'?>\n\nab{1}{2}czqxtr1zqxtr3{end}";
  EXPECT_EQ(Apply(sheet, "<x><r/><y id='zqxtr2'/></x>"), kWant) << "names skip the tree's ids";
  EXPECT_EQ(Apply(sheet, "<x><r/><y id='zqxtr2'/></x>"), kWant) << "each run starts again at 1";
  EXPECT_EQ(CountedRecord::s_alive, 0);
}

TEST(ZQXTR_RuleContext, ThrowingRulesAndFixupsLeaveNothingAlive) {
  const struct {
    const char* fixupText;  // null: the fix-up throws
    bool ruleThrows;
    const char* why;
  } kCases[] = {{"x", true, "a rule throws"}, {nullptr, false, "a fix-up throws"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQXTR_Stylesheet sheet;
    sheet.AddRule(new TestRule(0, 0, "r", [&c](ZQXTR_RuleContext& C) {
      C.PushAdditionalInfo(new CountedRecord);
      C.AddFixup(new TextFixup(c.fixupText));
      if (c.ruleThrows) throw ZQ_Exception("rule", "thrown");
    }));
    EXPECT_THROW(Apply(sheet, "<r/>"), ZQ_Exception);
    EXPECT_EQ(CountedRecord::s_alive, 0);
  }
}

TEST(ZQXTR_RuleContext, UnbalancedUseFailsItsAssertions) {
  const struct {
    std::function<void(ZQXTR_RuleContext&)> run;
    const char* condition;
  } kCases[] = {
      {[](ZQXTR_RuleContext& C) { C.PopMode(); C.PopMode(); }, "not RuleModeStack.IsEmpty()"},
      {[](ZQXTR_RuleContext& C) { C.PopAdditionalInfo(); }, "NumPushedAdditionalInfo"},
      {[](ZQXTR_RuleContext& C) { C.PopMode(); C.ApplyChildren(); }, "N > 0"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    ZQXTR_Stylesheet sheet;
    sheet.AddRule(new TestRule(0, 0, "r", c.run));
    sheet.AddRule(Writes(0, ZQXTR_GetNewRuleMode(), "a", "mode"));
    EXPECT_NE(AssertionOf([&] { Apply(sheet, "<r><a/></r>"); }).find(c.condition), std::string::npos);
  }
}

TEST(ZQXTR_RuleContext, RefusesToNestPastItsLimit) {
  // Deeper than the reader goes: a tree built in memory. The default rules
  // apply children one level per element.
  ZQXML_Tree tree;
  ZQ_HierarchyElement* parent = tree.GetModifiableRootNode();
  const long limit = ZQXTR_RuleContext::GetMaxNesting();
  EXPECT_GE(limit, 1000);
  for (long i = 0; i <= limit; ++i) {
    auto* element = new ZQXML_Node_Element("d");
    parent->AddLastChild(element);
    parent = element;
  }
  static_cast<ZQXML_Node*>(parent)->AddLastChild(new ZQXML_Node_Text("leaf"));
  const char* const kTooDeep = "The XML tree is nested too deeply to transform.";
  EXPECT_NE(AssertionOf([&] { ZQXTR_Stylesheet().Apply(tree); }).find(kTooDeep), std::string::npos);
  // A hostile rule that applies its parent's children again never ends by itself.
  ZQXTR_Stylesheet sheet;
  sheet.AddRule(new TestRule(0, 0, "a", [](ZQXTR_RuleContext& C) {
    C.SetCurrentNode(C.CurrentNode->GetParent());
    C.ApplyChildren();
  }));
  EXPECT_NE(AssertionOf([&] { Apply(sheet, "<r><a/></r>"); }).find(kTooDeep), std::string::npos);
}

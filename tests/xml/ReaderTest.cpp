#include <gtest/gtest.h>

#include <string>

#include "XmlTestSupport.h"
#include "ZQXML_NodeKinds.h"

namespace {

// The root element's content: text as it is, elements as <name a=v>…</name>,
// comments as {…}.
std::string Flatten(const ZQXML_Node* Node) {
  std::string text;
  for (const ZQXML_Node* child = Node->GetFirstChild(); child; child = child->GetNextSibling()) {
    switch (child->GetType()) {
      case ZQXML_NodeType_Text:
        text += "[" + std::string(child->GetValue().GetText(), child->GetValue().GetLength()) + "]";
        break;
      case ZQXML_NodeType_Comment:
        text += std::string("{") + child->GetValue().GetText() + "}";
        break;
      case ZQXML_NodeType_Attribute:
        text += std::string(" ") + child->GetName().GetText() + "=" + child->GetValue().GetText();
        break;
      default:
        text += std::string("<") + child->GetName().GetText() + Flatten(child) + ">";
    }
  }
  return text;
}

std::string ReadFlat(const char* Text) { return Flatten(ReadText(Text).GetRootElement()); }

}  // namespace

TEST(ZQXML_Reader, ContentReferencesAndNormalisation) {
  const struct {
    const char* in;
    const char* want;
  } kCases[] = {
      {"<r>a &lt;&gt;&amp;&apos;&quot; b</r>", "[a <>&'\" b]"},
      {"<r>&#65;&#x42;&#xe9;&#255;&#1;</r>", "[AB\xE9\xFF\x01]"},
      {"<r>x<![CDATA[<&]]>y&amp;<![CDATA[z]]></r>", "[x<&y&z]"},  // one text node
      {"<r>a<!-- c -->b</r>", "[a]{ c }[b]"},
      {"<r>a<?pi data?>b</r>", "[ab]"},
      {"<r>a\r\nb\rc\n</r>", "[a\nb\nc\n]"},
      {"<r>\n  <e/>\n</r>", "[\n  ]<e>[\n]"},
      {"<r a='x\ty\nz\r\nw' b=\"&#10;'\" c = 'q\"'/>", " a=x y z w b=\n' c=q\""},
      {"<r a='&lt;&#60;'/>", " a=<<"},
      {"<?xml version=\"1.0\" encoding='ISO-8859-1' standalone='yes'?>"
       "<!DOCTYPE r SYSTEM \"r.dtd\"><r/>",
       ""},
      {"<r>a[b]-c]]&gt;]] ]></r>", "[a[b]-c]]>]] ]>]"},
      {"<r><!-- a - b --><!----></r>", "{ a - b }{}"},
      {"<?xml version='1.0-a_b:c' encoding='x-Mac.Roman_2' standalone='no' ?><r/>", ""},
      {"<?xml-stylesheet href='s.css'?><r><?xmlfoo?></r>", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(ReadFlat(c.in), c.want);
  }
}

TEST(ZQXML_Reader, TopLevelCommentsAreKeptAroundTheRoot) {
  const ZQXML_Tree tree = ReadText("<!--a-->\n<r/>\n<!--b-->\n");
  const ZQXML_ReadOnlyNodeSequence top = tree.GetRootNode()->GetChildren(0xFFF, "*");
  ASSERT_EQ(top.GetCount(), 3);
  EXPECT_EQ(top[0]->GetType(), ZQXML_NodeType_Comment);
  EXPECT_EQ(top[1], tree.GetRootElement());
  EXPECT_EQ(top[2]->GetValue(), "b");
}

TEST(ZQXML_Reader, EntitiesFromCommandsAndVariables) {
  const struct {
    const char* in;
    const char* variable;  // defined before the parse when not null
    const char* want;
  } kCases[] = {
      {"<r>[-define e 'one'-]&e;[-define e 'two'-]&e;</r>", nullptr, "[onetwo]"},
      {"<r>[-define e 'one'-][-defdefine e 'two'-]&e;</r>", nullptr, "[one]"},
      {"<r>[-defdefine e 'two'-]&e;</r>", "var", "[var]"},
      {"<r>[-define e 'cmd'-]&e;</r>", "var", "[cmd]"},
      {"[- define  e\n'<b>&#65;&amp;</b>' -]<r>x&e;y</r>", nullptr, "[x]<b[A&]>[y]"},
      {"<r a=\"1&e;2[-define e 'w'-]&e;3\">[-define f '&e;&e;'-]&f;</r>", "v", " a=1v2w3[ww]"},
      {"<r>[-define e 'it&apos;s'-]&e;</r>", nullptr, "[it's]"},
      {"<r>[-define e ''-]a&e;b</r>", nullptr, "[ab]"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    ZQXML_Reader reader(c.in);
    if (c.variable) reader.DefineEntityVariable("e", c.variable);
    EXPECT_EQ(Flatten(reader.Read().GetRootElement()), c.want);
  }
}

TEST(ZQXML_Reader, RunawayEntitiesFailCleanly) {
  const struct {
    const char* in;
    const char* wantStart;
  } kCases[] = {
      {"<r>[-define a '&b;'-][-define b 'x&a;'-]&a;</r>", "Found the entity \"a\" inside"},
      {"<r>[-define a '&a;'-]&a;</r>", "Found the entity \"a\" inside"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    const CaughtError error = ReadError(c.in);
    EXPECT_EQ(error.Kind, "parse");
    EXPECT_EQ(error.Description.rfind(c.wantStart, 0), 0u) << error.Description;
  }
  // Nine levels of ten references each would make 10^9 bytes.
  std::string laughs = "<r>[-define e0 'lol'-]";
  for (int i = 1; i < 10; ++i) {
    laughs += "[-define e" + std::to_string(i) + " '";
    for (int j = 0; j < 10; ++j) laughs += "&e" + std::to_string(i - 1) + ";";
    laughs += "'-]";
  }
  laughs += "&e9;</r>";
  const CaughtError error = ReadError(laughs.c_str());
  EXPECT_EQ(error.Kind, "parse");
  EXPECT_NE(error.Description.find("more than 33554432 bytes"), std::string::npos);
  std::string deep = "<r>[-define e0 'x'-]";
  for (int i = 1; i <= 70; ++i)
    deep += "[-define e" + std::to_string(i) + " '&e" + std::to_string(i - 1) + ";'-]";
  deep += "&e70;</r>";
  EXPECT_NE(ReadError(deep.c_str()).Description.find("nested more than 64 deep"), std::string::npos);
  std::string nested;
  for (int i = 0; i < 1001; ++i) nested += "<e>";
  EXPECT_NE(ReadError(nested.c_str()).Description.find("nested more than 1000 deep"),
            std::string::npos);
}

// The budget against bombs bounds amplification, not size: 140,000 small
// references (each counted as 256 bytes: 35.8 MB) in a 10 MB document read.
TEST(ZQXML_Reader, ALongDocumentOfManySmallReferencesReads) {
  const int kReferences = 140000;
  std::string text = "<r>[-define e 'WBGT'-]\n";
  text.reserve(kReferences * 72 + 32);
  for (int i = 0; i < kReferences; ++i)
    text += "<p>the &e; of the hour, measured in the shade of a tree by the lake</p>\n";
  text += "</r>";
  const CaughtError error = ReadError(text.c_str());
  EXPECT_EQ(error.Kind, "") << error.Description;
}

TEST(ZQXML_Reader, ReadsOnce) {
  ZQXML_Reader reader("<r/>");
  reader.Read();
  EXPECT_EQ(ErrorOf([&] { reader.Read(); }).Kind, "other");
}

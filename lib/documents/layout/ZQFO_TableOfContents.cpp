#include "ZQFO_TableOfContents.h"

#include "ZQXML_Node.h"
#include "ZQXML_NodeKinds.h"
#include "ZQ_SequenceNameGenerator.h"

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\n' || C == '\r' || C == '\t'; }

// Runs of whitespace become one blank; none is left at either end.
ZQ_String CollapseWhiteSpace(const ZQ_String& Text) {
  ZQ_String result;
  bool pendingBlank = false;
  for (int i = 0; i < Text.GetLength(); ++i) {
    const char c = Text[i];
    if (IsBlank(c)) {
      pendingBlank = !result.IsEmpty();
      continue;
    }
    if (pendingBlank) result += ' ';
    pendingBlank = false;
    result += c;
  }
  return result;
}

bool ReadsTrue(const ZQXML_Node& Node) {
  return Node.GetType() == ZQXML_NodeType_Element && Node.GetAttributeValueAsBool("toc", false);
}

}  // namespace

bool ZQFO_IsTOCElement(const ZQXML_Node& Node) {
  return ReadsTrue(Node) && Node.GetLocalName() == "zqfo_blockgroup";
}

bool ZQFO_IsFirstLevelTOCElement(const ZQXML_Node& Node) {
  if (!ReadsTrue(Node)) return false;
  for (const ZQXML_Node* up = Node.GetParent(); up; up = up->GetParent())
    if (ReadsTrue(*up)) return false;
  return true;
}

ZQFO_TOCNameInfo ZQFO_GetTOCNameInfo(const ZQXML_Node& Node) {
  ZQFO_TOCNameInfo info;
  info.TOCName = CollapseWhiteSpace(Node.GetAttributeValue("tocname", ""));
  info.ChapterName = CollapseWhiteSpace(Node.GetAttributeValue("sectionname", ""));
  info.ChapterTypeName = CollapseWhiteSpace(Node.GetAttributeValue("sectiontypename", ""));
  info.ChapterNumber = CollapseWhiteSpace(Node.GetAttributeValue("sectionnumber", ""));
  if (info.ChapterName.IsEmpty()) {
    if (const ZQXML_Node* para = Node.FindChildElement("zqfo_para")) {
      ZQ_String name;
      for (const ZQXML_Node* child = para->GetFirstChild(); child; child = child->GetNextSibling())
        if (child->GetType() == ZQXML_NodeType_Text) {
          name += ' ';
          name += child->GetValue();
        }
      info.ChapterName = CollapseWhiteSpace(name);
    }
  }
  if (info.ChapterName.IsEmpty()) {
    info.ChapterName = ZQ_GetUnnamedText();
    info.ChapterName += " Section";
  }
  if (info.TOCName.IsEmpty()) info.TOCName = info.ChapterName;
  return info;
}

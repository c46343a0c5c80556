// ZQF_DevelopmentSupport_WebTemplates.cpp: report-markup files released as
// stand-alone web templates: their images released beside them under flat
// names, ids on every section, numbered titles and web file names for a
// self-contained document.
#include <cstring>
#include <string>

#include "ZQF_DevelopmentSupport.h"
#include "ZQF_DevelopmentSupport_Imp.h"
#include "ZQIMGIO.h"
#include "ZQRPT_FormattingStylesheet.h"
#include "ZQRPT_RPTFileUtil.h"
#include "ZQRPT_ReportDTD.h"
#include "ZQXML_NodeKinds.h"
#include "ZQXML_Reader.h"
#include "ZQXML_TextEncoding.h"
#include "ZQXML_XMLTreeUtil.h"
#include "ZQ_AccumulatingIterator.h"
#include "ZQ_DebugLog.h"
#include "ZQ_FileUtils.h"
#include "ZQ_ProgressReportService.h"

namespace {

// One counter for the program: ids stay unique across the documents of a
// run (and of later runs in the same process).
long s_nextSectionId = 7829581;

bool IsLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

ZQ_String KeepChars(const ZQ_String& Text, const char* Extra) {
  ZQ_String kept;
  for (int i = 0; i < Text.GetLength(); ++i) {
    const char c = Text[i];
    if (IsLetterOrDigit(c) || (c != '\0' && std::strchr(Extra, c))) kept += c;
  }
  return ZQF_DevelopmentSupport_Imp_Lower(kept);
}

ZQ_String TextContent(const ZQXML_Node* Node) {
  ZQ_String text;
  for (const ZQXML_Node* child = Node->GetFirstChild(); child; child = child->GetNextSibling()) {
    if (child->GetType() == ZQXML_NodeType_Text) text += child->GetValue();
    if (child->GetType() == ZQXML_NodeType_Element) text += TextContent(child);
  }
  return text;
}

ZQ_String AttributeOr(const ZQXML_Node* Node, const char* Name, const ZQ_String& Default) {
  const ZQ_String value = Node->GetAttributeValue(Name, ZQ_String());
  return value.IsEmpty() ? Default : value;
}

ZQ_String TrimSpaces(const ZQ_String& Text) {
  int start = 0, end = Text.GetLength();
  while (start < end && Text[start] == ' ') ++start;
  while (end > start && Text[end - 1] == ' ') --end;
  return ZQ_String(Text.GetText() + start, end - start);
}

}  // namespace

ZQ_String ZQF_DevelopmentSupport_MakeSectionWebFileName(const ZQ_String& Name) {
  return KeepChars(Name, "_") + ".htm";
}

ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> ZQF_DevelopmentSupportManager::GetBaseURIs() {
  if (!HasBaseURIs) {
    auto* uris = new ZQ_AccumulatingIteratorReference<ZQ_AbsoluteURI>;
    const ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> filled(uris);
    for (const ZQ_String& folder : {GetSourceDirectory(), GetDocsDirectory(), GetLibraryDirectory(),
                                    GetLibraryDocsDirectory()})
      uris->Append(ZQ_URI_MakeFromFileName(ZQ_FileName(folder + "dummy.txt")));
    BaseURIs = filled;  // a copy: the handle clones the filled list
    HasBaseURIs = true;
  }
  ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> copy = BaseURIs;
  copy.Rewind();
  return copy;
}

ZQ_FileName ZQF_DevelopmentSupportManager::GetReleasedFileName(ZQ_URI URI) {
  ZQ_String name;
  if (URI.IsFileURI()) {
    name = URI.GetFileName().GetFileName();
  } else {
    const ZQ_FileName path(URI.GetPath(true));
    name = URI.GetScheme() + "_" + path.GetFileName();
    if (!path.HasExtension()) name += ".png";
  }
  return ZQ_FileName(ZQF_DevelopmentSupport_Imp_Lower(GetReleasedWebTemplateOutputDirectory() +
                                                      GetReleasedWebTemplatePrefix() +
                                                      KeepChars(name, "_.")));
}

ZQ_FileName ZQF_DevelopmentSupportManager::ReleaseWebTemplateFile(
    ZQ_URI SrcURI, const ReleaseWebTemplateFileOptions& Options) {
  ZQ_ProgressReportService_Task task("Releasing web template file " + SrcURI.GetText(), 0);
  const ZQ_AbsoluteURI source = ZQ_URI_MakeAbsolute(SrcURI.GetText(), GetBaseURIs());
  if (!source.ResourceExists()) {
    ZQ_WriteDebugLogEntry("ERROR : " + SrcURI.GetText() + " does not exist\n");
    ZQF_DevelopmentSupport_Imp_Fail("The web template source " + SrcURI.GetText(true) +
                                    " does not exist.");
  }
  const ZQ_FileName dest = GetReleasedFileName(source);
  ZQ_String earlierSource;
  if (ReleasedSources.GetValueIfExists(dest, earlierSource)) {
    if (earlierSource != source.GetText(true))
      ZQF_DevelopmentSupport_Imp_Fail("Two sources are released under one name, " +
                                      dest.GetFileName() + ": " + earlierSource + " and " +
                                      source.GetText(true) + ".");
    return dest;
  }
  ReleasedFiles.Set(dest, false);
  ReleasedSources.Set(dest, source.GetText(true));

  const ZQ_String extension = dest.GetExtension();
  if (extension == ".rxl") {
    ZQXML_Reader reader(source);
    reader.SetKeepCharacterDataInElementContent(true);
    reader.SetReadAsContentUnderDummyRoot(true);
    reader.SetDocumentTypeDefinition(ZQRPT_GetReportDTD());
    reader.AddBaseURIs(GetBaseURIs());
    ZQXML_Tree tree = reader.Read();
    ProcessWebTemplateTree(tree, Options);
    ZQXML_XMLTreeUtil_Write(tree, dest);
  } else if (extension == ".png" && !source.IsFileURI()) {
    ZQIMGIO_SaveToFile_PNG(dest, ZQIMGIO_LoadFromURI(source));
  } else {
    if (!source.IsFileURI())
      ZQF_DevelopmentSupport_Imp_Fail("Only files can be released as " + extension +
                                      " (\"AbsoluteSrcURI.IsFileURI()\"): " + source.GetText(true) +
                                      ".");
    ZQ_FileUtils::Copy(source.GetFileName(), dest, 1);
  }
  return dest;
}

void ZQF_DevelopmentSupportManager::ProcessWebTemplateTree(
    ZQXML_Tree& Tree, const ReleaseWebTemplateFileOptions& Options) {
  RedirectImageReferences(Tree);
  AddIdsToSections(Tree);
  if (Options.IsSelfContainedDocument) CreateSectionTitles(Tree, Options);
}

void ZQF_DevelopmentSupportManager::RedirectImageReferences(ZQXML_Tree& Tree) {
  ZQXML_NodeSequence elements =
      Tree.GetModifiableRootNode()->SelectNodes(ZQXML_Axis_All, ZQXML_NodeType_Element, "*");
  auto pairs = ZQRPT_RPTFileUtil_GetLinkedFiles_GetImageReferenceAttributes();
  ZQ_ProgressReportService_Task task("Redirect image references", 0);
  for (long i = 0; i < elements.GetCount(); ++i) {
    ZQXML_Node* element = elements[i];
    for (auto pair = pairs; pair.IsValid(); pair.Advance()) {
      if (element->GetName() != pair->ElementName) continue;
      const ZQ_String value = element->GetAttributeValue(pair->AttributeName, ZQ_String());
      if (value.IsEmpty()) continue;
      const ZQ_FileName released = ReleaseWebTemplateFile(ZQ_URI(value), ReleaseWebTemplateFileOptions());
      element->SetAttributeValue(pair->AttributeName, released.GetFileName());
    }
  }
  Tree.PrepareForModification();
}

void ZQF_DevelopmentSupportManager::AddIdsToSections(ZQXML_Tree& Tree) {
  ZQXML_NodeSequence sections =
      Tree.GetModifiableRootNode()->SelectNodes(ZQXML_Axis_All, ZQXML_NodeType_Element, "section");
  ZQ_ProgressReportService_Task task("Adding Ids to all sections", sections.GetCount());
  for (long i = 0; i < sections.GetCount(); ++i) {
    if (sections[i]->GetAttributeValue("id", ZQ_String()).IsEmpty())
      sections[i]->SetAttributeValue(
          "id", GetApplicationName() + std::to_string(s_nextSectionId++).c_str() + "_id");
    task.Step();
  }
  Tree.PrepareForModification();
}

void ZQF_DevelopmentSupportManager::CreateSectionTitles(
    ZQXML_Tree& Tree, const ReleaseWebTemplateFileOptions& Options) {
  // A guide without its contents section cannot become web pages: fail
  // whatever the assertion mode, with the checks' own texts.
  if (!Options.IsSelfContainedDocument)
    ZQF_DevelopmentSupport_Imp_Fail("\"Options.IsSelfContainedDocument\" failed.");
  ZQXML_Node* contents = Tree.GetModifiableRootNode()->FindChildElement("section");
  if (!contents)
    ZQF_DevelopmentSupport_Imp_Fail("The document has no contents section (\"TOCSectionNode\").");
  if (contents->GetAttributeValue("webpagetype", ZQ_String()) != "contents")
    ZQF_DevelopmentSupport_Imp_Fail(
        "The document's first section is not its contents "
        "('TOCSectionNode->GetAttributeValue (\"webpagetype\") == \"contents\"').");
  long counters[2] = {0, 0};
  ZQXML_NodeSequence sections = contents->GetChildren(ZQXML_NodeType_Element, "section");
  ZQ_ProgressReportService_Task task("Creating section titles", sections.GetCount());
  for (long i = 0; i < sections.GetCount(); ++i) {
    ZQXML_Node* section = sections[i];
    ZQXML_Node* title = section->FindChildElement("title");
    const long kind = ZQRPT_ParseSectionType(section->GetAttributeValue("type", ZQ_String())) == 1 ? 1 : 0;
    const ZQ_String label = ZQRPT_GetSectionLabel(counters[kind]++, kind);
    const ZQ_String titleText = title ? ZQXML_NormalizeWhitespace(TextContent(title), 2) : ZQ_String();
    const ZQ_String webTitle = AttributeOr(section, "webtitle", titleText);
    const ZQ_String refTitle = AttributeOr(section, "reftitle", webTitle);
    const ZQ_String webName = AttributeOr(section, "webname", refTitle);
    const ZQ_String tocName = AttributeOr(section, "tocname", webName);
    const ZQ_String webFileName = ZQF_DevelopmentSupport_Imp_Lower(TrimSpaces(AttributeOr(
        section, "webfilename", ZQF_DevelopmentSupport_MakeSectionWebFileName(webName))));
    if (title) {
      for (ZQXML_Node* child = title->GetFirstChild(); child;) {
        ZQXML_Node* next = child->GetNextSibling();
        if (child->GetType() != ZQXML_NodeType_Attribute) delete child;
        child = next;
      }
      title->AddLastChild(new ZQXML_Node_Text(Options.TitlePrefix + ", " + label + ": " + titleText));
    }
    section->SetAttributeValue("webtitle", Options.TitlePrefix + ", " + label + ": " + webTitle);
    section->SetAttributeValue("reftitle", refTitle);
    section->SetAttributeValue("webname", webName);
    section->SetAttributeValue("tocname", label + ": " + tocName);
    section->SetAttributeValue("webfilename", Options.WebFileNamePrefix + webFileName);
    task.Step();
  }
  Tree.PrepareForModification();
}
